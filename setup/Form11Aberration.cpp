// Form11's second button: one light-time iteration in the moving Solar
// System, split into the aberration of the source, of the receiver and their
// sum.
#include <cmath>

#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "setup/Form11.h"
#include "setup/Form11Texts.h"

namespace {

constexpr int kEarth = 3;
constexpr int kStar = 10;
// Scratch slots: the receiver's point of the "* cos(B)" variant, the
// source's point of that variant, the Earth one light time earlier.
constexpr int kReceiverPoint = 11;
constexpr int kSourcePoint = 12;
constexpr int kEarthEarlier = 13;
using astro::kMetresPerKilometre;

// An angle difference in degrees brought into -180..180.
double reduced(double degrees) {
  if (degrees < -180) degrees += 360;
  if (degrees > 180) degrees -= 360;
  return degrees;
}

// A longitude and a latitude shown cut to six decimals.
void showPair(ui::TextBox& longitudeBox, ui::TextBox& latitudeBox, double longitude,
              double latitude) {
  longitudeBox.setText(Str(Fix(Main.MK * longitude) / Main.MK));
  latitudeBox.setText(Str(Fix(Main.MK * latitude) / Main.MK));
}

// The shade of the construction lines of the iteration made so far: full at
// the first, darker with every further one.
int shade(int iterations, int base) {
  return static_cast<int>(std::nearbyint(100.0 / (4 * iterations + 1) + base));
}

// Moves a slot's X and Y (and Z when asked) by a velocity over a time.
void displace(int slot, int from, int velocityOf, double factor, bool withZ) {
  Main.X[slot] = Main.X[from] + factor * Main.VX[velocityOf];
  Main.Y[slot] = Main.Y[from] + factor * Main.VY[velocityOf];
  if (withZ) Main.Z[slot] = Main.Z[from] + factor * Main.VZ[velocityOf];
}

}  // namespace

// Command3_Click "Расчет наблюдаемых координат планеты ...": the system
// velocity added to the true velocities of the Earth and (unless it is the
// star) the target; the target moved back along its velocity by the light
// time (the aberration of the source); then moved by the distance the Earth
// covers while the light travels (the aberration of the receiver); both
// measured in geocentric ecliptic longitude and latitude against the true
// direction, with their sum and the observed direction.
// Reads:    Text3..Text5, Check7, the picture options; GeoL0, GeoB0; the
//           start states X0..VZ0 of the Earth and the target, X..Z(3),
//           PropagationTime(3, target), Vgr, SelectedObject, StageCounter
// Writes:   Main.VXsys, VYsys, VZsys (km/s); VX..VZ of the Earth and the
//           target; X..Z of the target (its displaced place at the end);
//           scratch slots 11..13; StartDistance; PropagationTime(3, target)
//           = S / Vgr, so that a further press makes the next iteration;
//           StageCounter + 1; the window variables and the result boxes
// Notes:    "* cos(B)" takes the longitudes from displacements scaled by
//           the cosine of the true latitude, so that the longitude
//           components are arcs on the sky. A construction too far outside
//           the picture to be drawn is left out. Any run-time error (a box that
//           is no number, no light time set, no valid target): "Ошибка при
//           расчете" (title "Celvan7"); what was written stays.
bool Form11::Command3_Click() {
  return withErrorTrap(form11text::kComputeError, form11text::kTitle, [&] {
    Main.VXsys = CDbl(Text3.Text());
    Main.VYsys = CDbl(Text4.Text());
    Main.VZsys = CDbl(Text5.Text());
    const int t = Main.SelectedObject;
    const auto moveWithSystem = [this](int object) {
      Main.VX[object] = kMetresPerKilometre * Main.VXsys + VX0[object];
      Main.VY[object] = kMetresPerKilometre * Main.VYsys + VY0[object];
      Main.VZ[object] = kMetresPerKilometre * Main.VZsys + VZ0[object];
    };
    moveWithSystem(kEarth);
    if (t < kStar) moveWithSystem(t);
    const double lastLightTime = Main.PropagationTime(kEarth, t);
    Main.X[t] = X0[t] - lastLightTime * Main.VX[t];
    Main.Y[t] = Y0[t] - lastLightTime * Main.VY[t];
    Main.Z[t] = Z0[t] - lastLightTime * Main.VZ[t];
    Text24.setText(Str(Main.X[t] / Main.MK));
    Text25.setText(Str(Main.Y[t] / Main.MK));
    Text26.setText(Str(Main.Z[t] / Main.MK));
    Text27.setText(Str(Main.VX[t] / kMetresPerKilometre));
    Text28.setText(Str(Main.VY[t] / kMetresPerKilometre));
    Text29.setText(Str(Main.VZ[t] / kMetresPerKilometre));
    const int lineShade = shade(Main.StageCounter, 155);
    const int totalShade = shade(Main.StageCounter, 125);
    if (Option3.Value()) drawUnlessFarOutside([&] { drawSourceConstructions(t, lineShade); });

    RelativeEclipticPosition(kEarth, static_cast<int16_t>(t));
    const double S = Main.Rpl;
    Text30.setText(Str(S / Main.MK));
    Main.StartDistance = S;
    Main.PropagationTime(kEarth, t) = S / Main.Vgr;
    Text31.setText(Str(Main.PropagationTime(kEarth, t)));
    const double lightTime = S / Main.Vgr;
    GeoLis = Main.RelativeLongitude[t];
    GeoBis = Main.RelativeLatitude;
    const bool scaled = Check7.Value() == 1;
    const double k = std::cos(GeoB0 / Main.kUgol);
    if (scaled) {
      // Z follows the target's; the longitude does not depend on it.
      Main.Z[kSourcePoint] = Main.Z[t];
      Main.X[kSourcePoint] = X0[t] - k * Main.VX[t] * lightTime;
      Main.Y[kSourcePoint] = Y0[t] - k * Main.VY[t] * lightTime;
      RelativeEclipticPosition(kEarth, kSourcePoint);
      GeoLis = Main.RelativeLongitude[kSourcePoint];
    }
    AisL = reduced(GeoLis - GeoL0);
    AisB = reduced(GeoBis - GeoB0);
    showPair(Text32, Text42, AisL, AisB);

    displace(kEarthEarlier, kEarth, kEarth, -lightTime, true);
    if (Option3.Value()) drawUnlessFarOutside([&] { drawReceiverConstructions(t, lineShade); });
    displace(t, t, kEarth, lightTime, true);
    RelativeEclipticPosition(kEarth, static_cast<int16_t>(t));
    GeoLpr = Main.RelativeLongitude[t];
    GeoBpr = Main.RelativeLatitude;
    if (scaled) {
      Main.Z[kReceiverPoint] = Main.Z[t];
      displace(kReceiverPoint, kSourcePoint, kEarth, k * lightTime, false);
      RelativeEclipticPosition(kEarth, kReceiverPoint);
      GeoLpr = Main.RelativeLongitude[kReceiverPoint];
    }
    AprL = reduced(GeoLpr - GeoLis);
    AprB = reduced(GeoBpr - GeoBis);
    showPair(Text34, Text44, AprL, AprB);
    AsL = AisL + AprL;
    AsB = AisB + AprB;
    showPair(Text35, Text45, AsL, AsB);
    showPair(Text36, Text46, GeoL0 + AsL, GeoB0 + AsB);

    if (Option3.Value()) drawUnlessFarOutside([&] { drawTotalConstructions(t, totalShade); });
    if (Option4.Value()) plotAgainstTime();
    if (Option5.Value()) plotPhasePlane();
    if (Option4.Value() || Option5.Value()) drawOrbitMarkers(t);
    ++Main.StageCounter;
    Text10.setText(Str(Main.StageCounter));
  });
}
