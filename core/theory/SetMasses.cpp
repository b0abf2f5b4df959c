// SetMassesNew0, SetMassesDE405, SetMassesSer0: the mass tables of the three
// families of constants.
#include <array>

#include "core/state/SharedState.h"
#include "core/theory/Theory.h"

namespace {

// Mass of the Sun (kg) and the ratios MassRatio(0..11): the Sun over each
// body, index 3 the Earth-Moon pair, index 11 the Earth over the Moon.
struct MassTable {
  double sunMass;
  std::array<double, 12> ratio;
};

// "New0 (JD)".
constexpr MassTable kNew0Masses{1.98976e30,
                                {1, 6000000, 408000, 329390, 3093500, 1047.355, 3501.6, 22869,
                                 19700, 15408856, 19412.24, 81.3}};

// The constants of the JPL DE405 ephemeris; "Ксена" (10) takes Neptune's ratio.
constexpr MassTable kDE405Masses{1.98892e30,
                                 {1, 6023600, 408523.71, 328900.5614, 3098708, 1047.3486, 3497.898,
                                  22902.98, 19412.24, 135200000, 19412.24, 81.300585}};

// "Ser0 (J2000)": the DE405 ratios with the New0 Sun and the Earth/Moon ratio 81.3.
constexpr MassTable kSer0Masses{1.98976e30,
                                {1, 6023600, 408523.71, 328900.5614, 3098708, 1047.3486, 3497.898,
                                 22902.98, 19412.24, 135200000, 19412.24, 81.3}};

// Fills MassRatio(0..11) and Mass(0..11), Mass(13) from a table. The bodies
// 1..10 (from firstBody) get the Sun's mass over their ratio, with the shared
// counter LoopIndexK, which is left at 11; then the Earth alone (13) out of
// the Earth-Moon pair and the Moon (11) out of the Earth.
void setMasses(const MassTable& table, int firstBody) {
  Main.Mass[0] = table.sunMass;
  for (int i = 0; i <= 11; ++i) Main.MassRatio[i] = table.ratio[i];
  for (Main.LoopIndexK = firstBody; Main.LoopIndexK <= 10; ++Main.LoopIndexK) {
    Main.Mass[Main.LoopIndexK] = Main.Mass[0] / Main.MassRatio[Main.LoopIndexK];
  }
  Main.Mass[13] = Main.Mass[3] / (1.0 + 1.0 / Main.MassRatio[11]);
  Main.Mass[11] = Main.Mass[13] / Main.MassRatio[11];
}

}  // namespace

// SetMassesNew0, SetMassesDE405, SetMassesSer0: mass tables.
// Writes:   MassRatio(0..11), Mass(0..11), Mass(13); LoopIndexK left at 11.
//           MassRatio(12), MassRatio(13) and Mass(12) are not touched.
// Notes:    Mass(k) = Mass(0) / MassRatio(k) for the bodies 1..10;
//           Mass(13) = Mass(3) / (1 + 1/MassRatio(11)) is the Earth alone,
//           Mass(11) = Mass(13) / MassRatio(11) the Moon.
// Reference: DE405 mass ratios: Standish, JPL IOM 312.F-98-048 (1998).
void SetMassesNew0() { setMasses(kNew0Masses, 1); }

void SetMassesDE405() { setMasses(kDE405Masses, 1); }

// The Ser0 table runs its loop from the Sun, dividing it by its own ratio 1.
void SetMassesSer0() { setMasses(kSer0Masses, 0); }
