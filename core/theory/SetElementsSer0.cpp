// SetElementsSer0 and SetElementsSer0EarthVariant: mean elements of the
// theories "Ser0 (J2000)" and "Ser0+".
#include <array>

#include "core/state/SharedState.h"
#include "core/theory/ElementTheory.h"
#include "core/theory/Theory.h"

namespace {

using theory::MeanElementRow;
using theory::MeanMotionUnit;

// Mercury to Mars, mean ecliptic and equinox of J2000, T in Julian centuries
// from J2000; columns a (thousands of km), e, i, L, ϖ, Ω (degrees), n (radians
// per century).
const std::array<MeanElementRow, 4> kInnerPlanets{{
    // 1 Mercury
    {{57917.285, -0.00596439},
     {0.205636, 0.0000201028},
     {7.005067, -0.00551068},
     {252.253944, 149472.674747},
     {77.457563, 0.160566},
     {48.335022, -0.12032},
     {2608.790628, 0.000408236}},
    // 2 Venus
    {{108224.113, -0.0029976},
     {0.00677596, -0.0000453236},
     {3.394406, -0.00078576},
     {181.979394, 58517.814964},
     {131.519558, 0.00843485},
     {76.682467, -0.276804},
     {1021.328625, 0.0000425817}},
    // 3 Earth
    {{149618.177, 0.00523493},
     {0.0167091, -0.000041566},
     {-0.000142718, -0.01318},
     {100.464217, 35999.371246, -0.0010632},
     {102.932543, 0.317106},
     {354.88747, -0.24111},
     {628.307602, -0.0000328691}},
    // 4 Mars
    {{227973.143, 0.142379},
     {0.093408, 0.0000955278},
     {1.849726, -0.00816419},
     {-4.55342, 19140.305921},
     {336.045866, 0.43965},
     {49.563453, -0.285561},
     {334.061253, -0.000290187}},
}};

// The Earth of "Ser0+": its own e, i, L, ϖ and n; a and Ω as in "Ser0".
const MeanElementRow kEarthVariant{
    kInnerPlanets[2].semiMajorAxis,     {0.0167144, -0.0000265732, 0.00000868624},
    {-0.000143778, -0.0131812},         {100.46501957, 35999.37325813},
    {102.930604, 0.31131, -0.00349204}, kInnerPlanets[2].node,
    {628.307603, -0.0000312939}};

// 11 Moon, mean equinox of J2000: degrees, n in radians per century.
const MeanElementRow kMoon{{},
                           {0.0549329, 0.0000473381},
                           {5.147415, 0.00364811},
                           {218.318785, 481266.497751, 0.00339164},
                           {83.354172, 4067.633745, -0.00896623},
                           {125.053825, -1935.568239, -0.00342738},
                           {8399.684877}};

// Mercury to Mars: the axis in thousands of km goes into Rsr (× MK metres);
// RsrAU keeps what it held.
void storeInnerPlanet(int body, const MeanElementRow& row, double t) {
  Main.Rsr[body] = row.semiMajorAxis.at(t) * Main.MK;
  Main.Eks[body] = row.eccentricity.at(t);
  theory::storeAnglesFromDegrees(body, row.meanLongitude.at(t), row.perihelion.at(t),
                                 row.node.at(t), row.inclination.at(t));
  Main.Wsr[body] =
      theory::meanMotionRadiansPerSecond(row.meanMotion.at(t), MeanMotionUnit::RadiansPerCentury);
}

// The common body of both theories; earthRow is the Earth they use.
void setElementsSer0(const MeanElementRow& earthRow) {
  const double t = theory::beginElementTheory(Main.JD2000);
  const int body = Main.CurrentObject;
  if (body == 3) {
    storeInnerPlanet(3, earthRow, t);
  } else if (body >= 1 && body <= 4) {
    storeInnerPlanet(body, kInnerPlanets[body - 1], t);
  } else if (body >= 5 && body <= 9) {
    theory::storeRowDegreesAU(body, theory::jpl0PlanetRow(body), t);
  } else if (body == 11) {
    theory::storeMoonRowDegrees(kMoon, t, MeanMotionUnit::RadiansPerCentury);
  }
}

}  // namespace

// SetElementsSer0: mean elements of one body by the theory "Ser0 (J2000)".
// Reads:    CurrentObject, JD, JD2000, kUgol, sekG, MK
// Writes:   Lae (the astronomical unit), TheoryT = (JD - JD2000)/36525; for
//           bodies 1..9 and 11: AlfaL, AlfaP, AlfaU, Betta (rad), Eks, Rsr
//           (m), Wsr (rad/s); RsrAU (AU) only for Jupiter to Pluto.
// Notes:    Mean ecliptic and equinox of J2000, the Moon included. Jupiter
//           to Pluto are the rows of "JPL0 (J2000)". Any other CurrentObject
//           leaves the element tables as they are.
void SetElementsSer0() { setElementsSer0(kInnerPlanets[2]); }

// SetElementsSer0EarthVariant: "Ser0+", the theory "Ser0 (J2000)" with
// another Earth (3); the Earth's axis and node are those of "Ser0".
// Reads and writes as SetElementsSer0.
void SetElementsSer0EarthVariant() { setElementsSer0(kEarthVariant); }
