// SetElementsJPL0: mean elements of the theory "JPL0 (J2000)".
#include <array>

#include "core/state/SharedState.h"
#include "core/theory/ElementTheory.h"
#include "core/theory/Theory.h"
#include "core/theory/TheoryConstants.h"

namespace {

using theory::MeanElementRow;

// Mercury to Pluto, mean ecliptic and equinox of J2000, T in Julian
// centuries from J2000; columns a (AU), e, i, L, ϖ, Ω (degrees), n (degrees
// per century, the rate of L). The Earth-Moon barycentre's node comes from
// the table valid from 3000 BC to 3000 AD, everything else from the table
// valid from 1800 to 2050.
const std::array<MeanElementRow, 9> kPlanets{{
    // 1 Mercury
    {{0.38709927, 0.00000037},
     {0.20563593, 0.00001906},
     {7.00497902, -0.00594749},
     {252.2503235, 149472.67411175},
     {77.45779628, 0.16047689},
     {48.33076593, -0.12534081},
     {149472.674112}},
    // 2 Venus
    {{0.72333566, 0.0000039},
     {0.00677672, -0.00004107},
     {3.39467605, -0.0007889},
     {181.9790995, 58517.81538729},
     {131.60246718, 0.00268329},
     {76.67984255, -0.27769418},
     {58517.815387}},
    // 3 Earth-Moon barycentre
    {{1.00000261, 0.00000562},
     {0.01671123, -0.00004392},
     {-0.00001531, -0.01294668},
     {100.46457166, 35999.37244981},
     {102.93768193, 0.32327364},
     {-5.11260389, -0.24123856},
     {35999.37245}},
    // 4 Mars
    {{1.52371034, 0.00001847},
     {0.0933941, 0.00007882},
     {1.84969142, -0.00813131},
     {-4.55343205, 19140.30268499},
     {336.05637041, 0.44441088},
     {49.55953891, -0.29257343},
     {19140.302685}},
    // 5 Jupiter
    {{5.202887, -0.00011607},
     {0.04838624, -0.00013253},
     {1.30439695, -0.00183714},
     {34.39644051, 3034.74612775},
     {14.72847983, 0.21252668},
     {100.47390909, 0.20469106},
     {3034.746128}},
    // 6 Saturn
    {{9.53667594, -0.0012506},
     {0.05386179, -0.00050991},
     {2.48599187, 0.00193609},
     {49.95424423, 1222.49362201},
     {92.59887831, -0.41897216},
     {113.66242448, -0.28867794},
     {1222.493622}},
    // 7 Uranus
    {{19.18916464, -0.00196176},
     {0.04725744, -0.00004397},
     {0.77263783, -0.00242939},
     {313.23810451, 428.48202785},
     {170.9542763, 0.40805281},
     {74.01692503, 0.04240589},
     {428.482028}},
    // 8 Neptune
    {{30.06992276, 0.00026291},
     {0.00859048, 0.00005105},
     {1.77004347, 0.00035372},
     {-55.12002969, 218.45945325},
     {44.96476227, -0.32241464},
     {131.78422574, -0.00508664},
     {218.459453}},
    // 9 Pluto
    {{39.48211675, -0.00031596},
     {0.2488273, 0.0000517},
     {17.14001206, 0.00004818},
     {238.92903833, 145.20780515},
     {224.06891629, -0.04062942},
     {110.30393684, -0.01183482},
     {145.207805}},
}};

// 11 Moon, mean equinox of the date: degrees, the perigee in place of the
// perihelion, inclination 18520″ (5°08′40″).
const MeanElementRow kMoon{{},
                           {0.054900489},
                           {18520.0 / theory::kArcSecondsPerDegree},
                           {218.31617, 481267.88088, -0.001128},
                           {83.353243, 4069.037111, -0.0103228},
                           {125.044555, -1934.136185, 0.0020762},
                           {481267.88088}};

}  // namespace

const MeanElementRow& theory::jpl0PlanetRow(int body) { return kPlanets.at(body - 1); }

// SetElementsJPL0: mean elements of one body by the theory "JPL0 (J2000)".
// Reads:    CurrentObject, JD, JD2000, kUgol, sekG
// Writes:   Lae (the astronomical unit), TheoryT = (JD - JD2000)/36525;
//           for bodies 1..9: RsrAU (AU), Rsr (m), Eks, Betta, AlfaL, AlfaP,
//           AlfaU (rad), Wsr (rad/s); for the Moon (11) the same but RsrAU.
// Notes:    Planets on the mean ecliptic and equinox of J2000, the Moon on
//           the mean equinox of the date (ReduceMoonElementsToJ2000 refers it
//           to J2000). The Earth's inclination is used with its sign. Any
//           other CurrentObject leaves the element tables as they are.
// Reference: Standish, "Keplerian Elements for Approximate Positions of the
//           Major Planets", JPL (tables 1 and 2).
void SetElementsJPL0() {
  const double t = theory::beginElementTheory(Main.JD2000);
  const int body = Main.CurrentObject;
  if (body >= 1 && body <= 9) {
    theory::storeRowDegreesAU(body, theory::jpl0PlanetRow(body), t);
  } else if (body == 11) {
    theory::storeMoonRowDegrees(kMoon, t, theory::MeanMotionUnit::DegreesPerCentury);
  }
}
