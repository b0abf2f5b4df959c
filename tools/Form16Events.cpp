// The event stages of a pass of Form16: the Earth's shadow, the observer's
// places and the semidiameters, the limb points, the horizon and refraction,
// sunrise and sunset, the contact of the disks, the equinox and solstice
// test with its inverse chain, and the two report files.
//
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 13 (horizon), 15
// (rising and setting), 16 (refraction), 17 (angular separation), 27
// (equinoxes and solstices), 54 (the Earth's shadow).
#include <cmath>
#include <string>

#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/time/TimeScales.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "tools/Form16.h"
#include "tools/Form16Shared.h"
#include "tools/Form16Texts.h"
#include "science/eclipse/DirectionFromSlot.h"
#include "science/eclipse/EclipseSteps.h"

namespace {

constexpr int16_t kSun = 0;
constexpr int16_t kEarth = 3;
constexpr int16_t kMoon = 11;
constexpr int16_t kObserver = 12;
constexpr int16_t kShadowCentre = 13;
constexpr int16_t kOrigin = 15;
constexpr int16_t kEquinoxPoint = 16;
constexpr int16_t kSunEquatorial = 17;
constexpr int16_t kSunTopocentric = 18;
constexpr int16_t kInverseTopocentric = 19;
constexpr int16_t kInverseGeocentric = 20;
constexpr int16_t kInverseEcliptic = 21;
constexpr int16_t kFirstLimbPoint = 30;
constexpr int kLimbPoints = 8;
constexpr double kLimbPointStep = 45.0;
using astro::kHoursPerDay;
using astro::kDegreesPerHour;
constexpr double kZenith = 90.0;
constexpr int kRemoveNutation = 1;

double degrees(double radians) { return radians * Main.kUgol; }
double radians(double degrees) { return degrees / Main.kUgol; }

const auto timeOfDay = form16TimeOfDay;

// Angular distance on the sphere between two directions given by azimuth
// and altitude, degrees (the haversine form, exact also for small angles).
double separationOnSphere(double azimuth1, double altitude1, double azimuth2, double altitude2) {
  const double h1 = radians(altitude1), h2 = radians(altitude2);
  const double sinHalfH = std::sin((h2 - h1) / 2.0);
  const double sinHalfA = std::sin(radians(azimuth2 - azimuth1) / 2.0);
  const double haversine = sinHalfH * sinHalfH + std::cos(h1) * std::cos(h2) * sinHalfA * sinHalfA;
  return degrees(2.0 * std::asin(std::sqrt(std::fmin(1.0, haversine))));
}

// Appends one line to a report file below the program folder.
void appendLine(const char* file, const std::vector<PrintItem>& items, bool zones) {
  const int number = FreeFile();
  Open(programPath(file), OpenMode::Append, number);
  if (zones)
    PrintZones(number, items);
  else
    PrintJoined(number, items);
  Close(number);
}

}  // namespace

// The equinox and solstice test: the Sun's longitude of the date within a
// degree of 0, 90, 180 or 270 (bounds excluded).
void Form16::testEquinox() {
  EquinoxFlag = 0;
  if (Check13.Value() != 1) return;
  Main.LonL[kEquinoxPoint] = Main.LonL[kSun];
  Main.LatB[kEquinoxPoint] = Main.LatB[kSun];
  const double l = Main.LonL[kEquinoxPoint];
  if (l > 359.0 || l < 1.0 || (l > 89.0 && l < 91.0) || (l > 179.0 && l < 181.0) ||
      (l > 269.0 && l < 271.0))
    EquinoxFlag = 1;
  // The equinox or solstice itself: the longitude has passed the quarter
  // since the previous pass (both within the degree around it).
  const double fromQuarter = std::remainder(l, 90.0);
  const double fromQuarterBefore = std::remainder(sunLongitudeBefore_, 90.0);
  if (EquinoxFlag == 1 && std::fabs(fromQuarterBefore) < 1.0 && (fromQuarter >= 0) != (fromQuarterBefore >= 0))
    eventThisPass_ = true;
  sunLongitudeBefore_ = l;
}

// The antisolar point at the Moon's distance and the umbra's semidiameter
// there, from the cone of the Sun's and the Earth's diameters.
void Form16::placeShadow() {
  double longitude = Main.LonL[kSun] - 180.0;
  if (longitude < 0.0) longitude += 360.0;
  Main.LonL[kShadowCentre] = longitude;
  Main.LatB[kShadowCentre] = -Main.LatB[kSun];
  const double moonDistance = Main.PairDistance(kEarth, kMoon);
  SphericalToRectangular(kShadowCentre, longitude, Main.LatB[kShadowCentre], moonDistance);
  const double cone =
      std::atan((Main.Diameter[kSun] - Main.Diameter[kEarth]) / 2.0 / Main.PairDistance(kEarth, kSun));
  const double umbra = Main.Diameter[kEarth] - 2.0 * moonDistance * std::tan(cone);
  AngularSemidiameter[kShadowCentre] = degrees(std::atan(umbra / 2.0 / moonDistance));
}

// The places seen by the observer, the sidereal times and the semidiameters
// of the Sun and the body from the observer's distances.
void Form16::placeObserverAndDisks() {
  TopocentricPlace();
  Text30.setText(timeOfDay(Main.SiderealTimeHours / kHoursPerDay));
  Text51.setText(timeOfDay(Main.LocalSiderealTime / kDegreesPerHour / kHoursPerDay));
  showRow(6);
  Main.LonL[kSunTopocentric] = Main.LonL[kSun];
  Main.LatB[kSunTopocentric] = Main.LatB[kSun];
  for (int16_t k : {kSun, static_cast<int16_t>(body_), kShadowCentre}) {
    TopoRightAscension[k] = Main.LonL[k];
    TopoDeclination[k] = Main.LatB[k];
  }
  for (int i = 0; i <= kShadowCentre; ++i)
    if (TopoRightAscension[i] > 350.0) TopoRightAscension[i] -= 360.0;
  AngularSemidiameter[kSun] =
      degrees(std::atan(Main.Diameter[kSun] / 2.0 / Main.PairDistance(kObserver, kSun)));
  AngularSemidiameter[body_] =
      degrees(std::atan(Main.Diameter[body_] / 2.0 / Main.PairDistance(kObserver, body_)));
}

// Eight points of the limb of the Sun (solar eclipses) or of the Moon
// (lunar eclipses), every 45 degrees round its centre.
void Form16::placeLimbPoints() {
  const int centre = Option3.Value() ? kSun : kMoon;
  LimbSecant = 1.0 / std::cos(radians(TopoDeclination[centre]));
  const double radius = AngularSemidiameter[centre];
  for (int k = 0; k < kLimbPoints; ++k) {
    LimbAngle = kLimbPointStep * k;
    const int point = kFirstLimbPoint + k;
    TopoRightAscension[point] =
        radius * std::cos(radians(LimbAngle)) * LimbSecant + TopoRightAscension[centre];
    TopoDeclination[point] = radius * std::sin(radians(LimbAngle)) + TopoDeclination[centre];
    Main.LonL[point] = TopoRightAscension[point];
    Main.LatB[point] = TopoDeclination[point];
    SphericalToRectangular(static_cast<int16_t>(point), Main.LonL[point], Main.LatB[point],
                           Main.PairDistance(kObserver, kSun));
  }
}

// Azimuth and altitude of the Sun, the body, the shadow and the limb points,
// refraction when asked, and the horizon picture.
void Form16::placeOnHorizon() {
  const auto body = static_cast<int16_t>(body_);
  for (int16_t k : {kSun, body, kShadowCentre}) HorizontalPlace(k, Horizon);
  HorizonSecant = 1.0 / std::cos(radians(Horizon.HorizonAltitude[Option3.Value() ? kSun : kMoon]));
  for (int k = 0; k < kLimbPoints; ++k) {
    HorizontalPlace(static_cast<int16_t>(kFirstLimbPoint + k), Horizon);
    if (k == 0) Text17.setText(timeOfDay(Main.HourAngle / kDegreesPerHour / kHoursPerDay));
  }
  showHorizonRow(7);
  refracted_ = Check23.Value() != 1 && Check10.Value() == 1;
  if (refracted_) {
    std::vector<int16_t> objects{kSun, body, kShadowCentre};
    for (int k = 0; k < kLimbPoints; ++k) objects.push_back(static_cast<int16_t>(kFirstLimbPoint + k));
    for (int16_t i : objects)
      Horizon.HorizonAltitude[i] += AtmosphericRefraction(kZenith - Horizon.HorizonAltitude[i]);
  }
  showHorizonRow(8);
  for (int16_t k : sunAndBody())
    SphericalToRectangular(k, Horizon.HorizonAzimuth[k], Horizon.HorizonAltitude[k],
                           Main.PairDistance(kObserver, k));
  DrawTopoViews();
}

// Sunrise and sunset: the upper limb crossing the horizon between the
// previous pass and this one. The first pass after a start or a load only
// records the altitude.
void Form16::reportSunriseAndSunset() {
  Main.TextLines[3] = Option10.Value() ? Main.TextLines[1] : Main.TextLines[2];
  if (!sunAltitudeKnown_) return;
  const double upperLimb = AngularSemidiameter[kSun] + Horizon.HorizonAltitude[kSun];
  const double previousUpperLimb = PrevSunSemidiameter + PrevAltitude[kSun];
  const bool rises = upperLimb > 0.0 && previousUpperLimb < 0.0;
  const bool sets = upperLimb < 0.0 && previousUpperLimb > 0.0;
  if (rises) Text28.setText(Main.TextLines[3]);
  if (sets) Text29.setText(Main.TextLines[3]);
  if (rises || sets) eventThisPass_ = true;
}

// The disks in the sky pictures with the grid of "dAlfa" drawn again over
// them, then this pass's values kept as the previous ones.
void Form16::drawSkyAndKeepPrevious() {
  const int body = body_;
  if (Option3.Value()) {
    if (Main.PairDistance(kEarth, kSun) > Main.PairDistance(kEarth, body)) {
      DrawSunInSky();
      DrawBodyInSky();
    } else {
      DrawBodyInSky();
      DrawSunInSky();
    }
    DrawOffsetGrid();
    drawSunOutline();
    PrevSunSemidiameter = AngularSemidiameter[kSun];
  } else {
    AngularSemidiameter[kShadowCentre] = Main.PairDistance(kEarth, kMoon) *
                                         AngularSemidiameter[kShadowCentre] /
                                         Main.PairDistance(kObserver, kMoon);
    DrawSunInSky();
    DrawBodyInSky();
    DrawShadowInSky();
    DrawOffsetGrid();
    keepPrevious(kShadowCentre);
  }
  keepPrevious(kSun);
  keepPrevious(body);
  for (int k = 0; k < kLimbPoints; ++k) keepPrevious(kFirstLimbPoint + k);
  sunAltitudeKnown_ = true;
}

void Form16::keepPrevious(int k) {
  PrevAzimuth[k] = Horizon.HorizonAzimuth[k];
  PrevAltitude[k] = Horizon.HorizonAltitude[k];
  PrevRightAscension[k] = TopoRightAscension[k];
  PrevDeclination[k] = TopoDeclination[k];
  if (k <= kShadowCentre) PrevSemidiameter[k] = AngularSemidiameter[k];
}

// The contact of the Sun's and the body's disks: the angular distance of
// their centres on the sphere, from azimuth and altitude (after refraction
// when it is counted), at most the sum of their semidiameters.
bool Form16::disksTouch() const {
  const double separation =
      separationOnSphere(Horizon.HorizonAzimuth[kSun], Horizon.HorizonAltitude[kSun],
                         Horizon.HorizonAzimuth[body_], Horizon.HorizonAltitude[body_]);
  return separation <= AngularSemidiameter[kSun] + AngularSemidiameter[body_];
}

void Form16::reportContact() {
  const bool touching = body_ != kSun && disksTouch();
  if (touching != disksTouchedBefore_) eventThisPass_ = true;  // a contact
  disksTouchedBefore_ = touching;
  if (touching && Check30.Value() == 1) appendContactRecord();
}

// The inverse chain of the equinox record: from the Sun's observed azimuth
// and altitude back to its topocentric, geocentric equatorial and ecliptic
// places. The observed altitude carries refraction once: the direct one when
// it was refracted, else refraction is added here (not with "++Test").
void Form16::writeEquinoxRecord() {
  Horizon.HorizonAzimuth[kSunTopocentric] = Horizon.HorizonAzimuth[kSun];
  Horizon.HorizonAltitude[kSunTopocentric] = Horizon.HorizonAltitude[kSun];
  if (Check23.Value() != 1 && !refracted_)
    Horizon.HorizonAltitude[kSunTopocentric] +=
        AtmosphericRefraction(kZenith - Horizon.HorizonAltitude[kSunTopocentric]);

  // The azimuth register is also a constant of the plans: it is given back.
  const double planConstant = Stat.Azimuth;
  Main.CurrentObject = kInverseTopocentric;
  Stat.Azimuth = Horizon.HorizonAzimuth[kSunTopocentric];
  Main.Altitude = Horizon.HorizonAltitude[kSunTopocentric];
  HorizontalToEquatorial(kInverseTopocentric);
  Stat.Azimuth = planConstant;
  RelativeEclipticPosition(kOrigin, kInverseTopocentric);
  Main.HourAngle = Main.RelativeLongitude[kInverseTopocentric];
  LimbAngle = Main.LocalSiderealTime - Main.HourAngle;
  if (LimbAngle < 0.0) LimbAngle += 360.0;
  Main.LonL[kInverseTopocentric] = LimbAngle;
  Main.LatB[kInverseTopocentric] = Main.RelativeLatitude;

  SphericalToRectangular(kEquinoxPoint, Main.LonL[kInverseTopocentric],
                         Main.LatB[kInverseTopocentric], Main.PairDistance(kOrigin, kEquinoxPoint));
  Main.X[kEquinoxPoint] += Main.X[kObserver];
  Main.Y[kEquinoxPoint] += Main.Y[kObserver];
  Main.Z[kEquinoxPoint] += Main.Z[kObserver];
  RelativeEclipticPosition(kOrigin, kEquinoxPoint);
  Main.LonL[kInverseGeocentric] = Main.RelativeLongitude[kEquinoxPoint];
  Main.LatB[kInverseGeocentric] = Main.RelativeLatitude;

  const double t = (Main.JD - Main.JD2000) / astro::kDaysPerJulianCentury;
  if (Option2.Value())
    ApplyNutation(t, Main.X[kEquinoxPoint], Main.Y[kEquinoxPoint], Main.Z[kEquinoxPoint],
                  kRemoveNutation);
  Main.CurrentObject = kEquinoxPoint;
  EquatorialToEcliptic(t);
  RelativeEclipticPosition(kEarth, kEquinoxPoint);
  Main.LonL[kInverseEcliptic] = Main.RelativeLongitude[kEquinoxPoint];
  appendEquinoxRecord();
}

// One line of the equinox report: the local time and date by ET2, JDut, and
// the direct and inverse longitude, right ascension, declination, azimuth
// and altitude of the Sun.
void Form16::appendEquinoxRecord() {
  const auto& h = Horizon;
  const std::string line =
      Main.TextLines[2] + "  " + Main.TextLines[4] + "  JDut= " + Format(Main.JDut, "0000000.0000") +
      "   L= " + Format(Main.LonL[kEquinoxPoint], "000.000") + "  " +
      Format(Main.LonL[kInverseEcliptic], "000.000") + "   L= " +
      Format(Main.LonL[kSunEquatorial], "000.0000") + "  " +
      Format(Main.LonL[kInverseGeocentric], "000.0000") + "   B= " +
      Format(Main.LatB[kSunEquatorial], "00.00000000") + "  " +
      Format(Main.LatB[kInverseGeocentric], "00.00000000") + "   L= " +
      Format(Main.LonL[kSunTopocentric], "000.0000") + "  " +
      Format(Main.LonL[kInverseTopocentric], "000.0000") + "   B= " +
      Format(Main.LatB[kSunTopocentric], "00.00000000") + "  " +
      Format(Main.LatB[kInverseTopocentric], "00.00000000") + "   A= " +
      Format(h.HorizonAzimuth[kSun], "000.0") + "  " + Format(h.HorizonAzimuth[kSunTopocentric], "000.0") +
      "   H= " + Format(h.HorizonAltitude[kSun], "00.0") + "  " +
      Format(h.HorizonAltitude[kSunTopocentric], "00.0");
  appendLine(form16text::kEquinoxFile, {line}, false);
}

// One line of the contact report: the date of the pass (day with its
// fraction) - with a theory the observer's local date by ET2, with a table
// the date at which the table was read, local time by ET1 at its meridian in
// its calendar - then the topocentric right ascension and declination of the
// Sun and of the body, each times 1000.
void Form16::appendContactRecord() {
  const int body = body_;
  const bool table = Option1.Value();
  const double day = table ? tableDate_.day + tableDate_.hours / kHoursPerDay : localEt2Day_;
  const int32_t month = table ? tableDate_.month : localEt2Month_;
  const int32_t year = table ? tableDate_.year : localEt2Year_;
  appendLine(form16text::kContactFile,
             {Fix(1000.0 * day), 1000 * month, 1000 * year,
              Fix(1000.0 * Main.LonL[kSun]), Fix(1000.0 * Main.LatB[kSun]),
              Fix(1000.0 * Main.LonL[body]), Fix(1000.0 * Main.LatB[body])},
             true);
}

// A row of azimuths and altitudes of the Sun and the body.
void Form16::showHorizonRow(int row) {
  const int body = body_;
  resultBox(row, 0).setText(truncateDecimals(Horizon.HorizonAzimuth[kSun], 6), Str);
  resultBox(row, 1).setText(truncateDecimals(Horizon.HorizonAzimuth[body], 6), Str);
  resultBox(row, 2).setText(truncateDecimals(Horizon.HorizonAltitude[kSun], 6), Str);
  resultBox(row, 3).setText(truncateDecimals(Horizon.HorizonAltitude[body], 6), Str);
}
