// SetElementsNew0: mean elements of the theory "New0 (JD)".
#include <array>

#include "core/state/SharedState.h"
#include "core/theory/ElementTheory.h"
#include "core/theory/Theory.h"
#include "core/theory/TheoryConstants.h"

namespace {

using theory::MeanElementRow;
using theory::MeanMotionUnit;
using theory::Polynomial;

// An angle written as degrees and minutes plus a polynomial in arc seconds:
// 178°10′ + (44.68 + 538106654.8 T + 1.084 T²)″.
struct SexagesimalAngle {
  double degrees, minutes;
  Polynomial arcseconds;
  double degreesAt(double t) const {
    return degrees + minutes / theory::kArcminutesPerDegree +
           arcseconds.at(t) / theory::kArcSecondsPerDegree;
  }
};

// Mercury to Neptune: angles referred to the mean ecliptic and equinox of the
// date, axis in AU.
struct PlanetRow {
  SexagesimalAngle meanLongitude, perihelion, node, inclination;
  Polynomial eccentricity;
  double axisAU;
  Polynomial meanMotion;
  MeanMotionUnit meanMotionUnit;
};

constexpr auto kPerDay = MeanMotionUnit::ArcsecondsPerDay;
constexpr auto kPerCentury = MeanMotionUnit::ArcsecondsPerCentury;

// Newcomb's mean elements, T in Julian centuries from 1900 January 0.5.
// The Earth's node and inclination are exactly 0 (the ecliptic of the date).
// The mean motions of Jupiter to Neptune are the rates of their mean
// longitudes.
const std::array<PlanetRow, 8> kPlanets{{
    // 1 Mercury
    {{178, 10, {44.68, 538106654.8, 1.084}},
     {75, 53, {58.91, 5599.76, 1.061}},
     {47, 8, {45.0, 4266.75, 0.626}},
     {7, 0, {10.37, 6.699, -0.066}},
     {0.20561421, 0.00002046, -0.00000003},
     0.3870986,
     {14732.419738, -0.000001355},
     kPerDay},
    // 2 Venus
    {{342, 46, {1.39, 210669162.88, 1.1148}},
     {130, 9, {49.8, 5068.99, -3.515}},
     {75, 46, {46.73, 3239.46, 1.476}},
     {3, 23, {37.07, 3.621, -0.0035}},
     {0.00682069, -0.00004774, 0.000000091},
     0.72333162,
     {5767.6697692, 0.0000002628},
     kPerDay},
    // 3 Earth
    {{99, 41, {48.04, 129602768.13, 1.089}},
     {101, 13, {15.0, 6189.03, 1.63, 0.012}},
     {0, 0, {}},
     {0, 0, {}},
     {0.01675104, -0.0000418, -0.000000126},
     1.00000023,
     {3548.1928323, -0.000001103},
     kPerDay},
    // 4 Mars
    {{293, 44, {51.46, 68910103.83, 1.1184}},
     {334, 13, {5.53, 6626.73, 0.4675, -0.0043}},
     {48, 47, {11.19, 2775.57, -0.005, -0.0192}},
     {1, 51, {1.2, -2.43, 0.0454}},
     {0.0933129, 0.000092064, -0.000000077},
     1.5236884,
     {1886.5186207, 0.000000463},
     kPerDay},
    // 5 Jupiter
    {{238, 2, {57.32, 10930687.148, 1.20486, -0.005936}},
     {12, 43, {15.34, 5795.862, 3.80258, -0.91236}},
     {99, 26, {36.19, 3637.908, 1.268, -0.03064}},
     {1, 18, {31.45, -20.506, 0.014}},
     {0.04833475, 0.00016418, -0.0000004676, -0.0000000017},
     5.202561,
     {10930687.148},
     kPerCentury},
    // 6 Saturn
    {{266, 33, {51.76, 4404635.581, 1.16835, -0.021}},
     {91, 5, {53.38, 7050.297, 2.9749, 0.0166}},
     {112, 47, {25.4, 3143.5025, -0.54785, -0.0191}},
     {2, 29, {33.07, -14.108, -0.05576, 0.00016}},
     {0.05589232, -0.0003455, -0.000000728, 0.00000000074},
     9.554747,
     {4404635.581},
     kPerCentury},
    // 7 Uranus
    {{244, 11, {50.89, 1547508.765, 1.13774, -0.002176}},
     {171, 32, {55.14, 5343.958, 0.8539, -0.00218}},
     {73, 28, {37.55, 1795.204, 4.722}},
     {0, 46, {20.87, 2.251, 0.1422}},
     {0.0463444, -0.00002658, 0.000000077},
     19.21814,
     {1547508.765},
     kPerCentury},
    // 8 Neptune
    {{84, 27, {28.78, 791589.291, 1.15374, -0.2176}},
     {46, 43, {38.37, 5128.468, 1.40694, -0.002176}},
     {130, 40, {52.89, 3956.166, 0.89952, -0.016984}},
     {1, 46, {45.27, -34.357, -0.0328}},
     {0.00899704, 0.00000633, -0.000000002},
     30.10957,
     {791589.291},
     kPerCentury},
}};

// 9 Pluto: decimal degrees and degrees per century; only the mean longitude
// moves.
const MeanElementRow kPluto{{39.517738}, {0.2488273}, {17.147}, {90.9046, 146.605},
                            {222.476},   {108.954},   {146.605}};

// 11 Moon (Brown): decimal degrees, the perigee in place of the perihelion,
// inclination 5°08′43.427″; the axis goes straight into Rsr in metres.
const MeanElementRow kMoon{{},
                           {0.054900489},
                           {5.0 + 8.0 / 60.0 + 43.427 / 3600.0},
                           {270.434164, 481267.88088, -0.001133},
                           {334.329556, 4069.034033, -0.010325},
                           {259.183275, -1934.116441, 0.002078},
                           {481267.88088}};

void storePlanet(int body, const PlanetRow& row, double t) {
  theory::storeSemiMajorAxisAU(body, row.axisAU);
  Main.Eks[body] = row.eccentricity.at(t);
  theory::storeAnglesFromDegrees(body, row.meanLongitude.degreesAt(t), row.perihelion.degreesAt(t),
                                 row.node.degreesAt(t), row.inclination.degreesAt(t));
  Main.Wsr[body] = theory::meanMotionRadiansPerSecond(row.meanMotion.at(t), row.meanMotionUnit);
}

}  // namespace

// SetElementsNew0: mean elements of one body by the theory "New0 (JD)".
// Reads:    CurrentObject, JD, JD1900, kUgol, SecondsPerDay, sekG
// Writes:   Lae (the astronomical unit), TheoryT = (JD - JD1900)/36525;
//           for bodies 1..9 and 11: AlfaL, AlfaP, AlfaU, Betta (rad), Eks,
//           Rsr (m), RsrAU (AU; not for the Moon), Wsr (rad/s).
// Notes:    Referred to the mean ecliptic and equinox of the date. Angles are
//           not reduced to one turn. Any other CurrentObject leaves the
//           element tables as they are.
// Reference: Newcomb's elements of the planets and Brown's of the Moon, as
//           tabulated in the Explanatory Supplement to the Astronomical
//           Ephemeris (1961).
void SetElementsNew0() {
  const double t = theory::beginElementTheory(Main.JD1900);
  const int body = Main.CurrentObject;
  if (body >= 1 && body <= 8) {
    storePlanet(body, kPlanets[body - 1], t);
  } else if (body == 9) {
    theory::storeRowDegreesAU(9, kPluto, t);
  } else if (body == 11) {
    theory::storeMoonRowDegrees(kMoon, t, MeanMotionUnit::DegreesPerCentury);
  }
}
