// EquatorialToHorizontal, HorizontalToEquatorial: directions between the
// equator (hour angle and declination) and the horizon of the observer.
// Reads:    Main.ObsB (the observer's latitude φ), Main.kUgol; to the horizon
//           Main.LatB(index) (declination δ) and Main.HourAngle (H); to the
//           equator Main.Altitude (h) and Stat.Azimuth (A, from the south,
//           positive to the west); all in degrees
// Given:    index, the object slot that receives the unit vector
// Returns:  EquatorialToHorizontal: Main.X, Main.Y, Main.Z(index) = the unit
//           vector in the horizon frame (X to the south, Y to the west, Z to
//           the zenith: Z is the sine of the altitude and atan2(Y, X) the
//           azimuth). HorizontalToEquatorial: the unit vector in the hour-
//           angle frame, (cos δ cos H, cos δ sin H, sin δ).
// Reference: Meeus, Astronomical Algorithms, 2nd ed., (13.5), (13.6).
#include <cmath>

#include "core/coordinates/Coordinates.h"
#include "core/state/SharedState.h"

void EquatorialToHorizontal(int16_t index) {
  const double latitude = Main.ObsB / Main.kUgol;
  const double declination = Main.LatB[index] / Main.kUgol;
  const double hourAngle = Main.HourAngle / Main.kUgol;
  Main.X[index] = std::sin(latitude) * std::cos(declination) * std::cos(hourAngle) -
                  std::cos(latitude) * std::sin(declination);
  Main.Y[index] = std::cos(declination) * std::sin(hourAngle);
  Main.Z[index] = std::cos(latitude) * std::cos(declination) * std::cos(hourAngle) +
                  std::sin(latitude) * std::sin(declination);
}

void HorizontalToEquatorial(int16_t index) {
  const double latitude = Main.ObsB / Main.kUgol;
  const double altitude = Main.Altitude / Main.kUgol;
  const double azimuth = Stat.Azimuth / Main.kUgol;
  Main.X[index] = std::sin(latitude) * std::cos(altitude) * std::cos(azimuth) +
                  std::cos(latitude) * std::sin(altitude);
  Main.Y[index] = std::cos(altitude) * std::sin(azimuth);
  Main.Z[index] = std::sin(latitude) * std::sin(altitude) -
                  std::cos(latitude) * std::cos(altitude) * std::cos(azimuth);
}
