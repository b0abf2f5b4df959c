// EclipseRunLoop of Form16: one pass per date step. A pass turns the
// universal time of the step into the time of the bodies' motion (ET1) and
// of the Earth's rotation (ET2), places the Sun, the Earth, the Moon and the
// body by the chosen theory or by DE405, makes them geocentric and apparent,
// runs the event stages (Form16Events.cpp) and advances the Julian Day of
// the step.
//
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 7 (dates), 10
// (ET - UT), 21 (precession), 23 (apparent place).
#include <cmath>
#include <string>

#include "core/Constants.h"
#include "core/coordinates/Coordinates.h"
#include "core/coordinates/GeneralPrecession.h"
#include "core/de405/DE405.h"
#include "core/de405/DE405Format.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/BodyState.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "core/time/TimeScales.h"
#include "observations/ModelBodiesKeeper.h"
#include "tools/Form16.h"
#include "tools/Form16Shared.h"
#include "tools/Form16Texts.h"
#include "science/eclipse/DirectionFromSlot.h"
#include "science/eclipse/EclipseSteps.h"

namespace {

constexpr int16_t kSun = 0;
constexpr int16_t kEarth = 3;
constexpr int16_t kMoon = 11;
constexpr int16_t kShadowCentre = 13;
constexpr int16_t kBarycentreOffset = 14;
constexpr int16_t kOrigin = 15;
constexpr int kNew0 = 1, kJPL0 = 2, kJPL2 = 3;
constexpr int kEclipticJ2000Metres = 1;
using astro::kHoursPerDay;
using astro::kDegreesPerHour;
using astro::kSecondsPerMinute;
using astro::kSecondsPerDay;
constexpr int kShownDecimals = 6;
// Epoch from which the first precession box counts, Julian Day.
constexpr double kFirstPrecessionEpoch = 1579341.0;

double centuriesFromJ2000(double julianDay) {
  return (julianDay - Main.JD2000) / astro::kDaysPerJulianCentury;
}

// General precession in longitude from the epoch to the day, degrees.
double generalPrecession(double epoch, double julianDay) {
  const double t0 = centuriesFromJ2000(epoch);
  const double t = centuriesFromJ2000(julianDay) - t0;
  return precession::generalPrecessionFactored(t0, t) / astro::kArcSecondsPerDegree;
}

const auto timeOfDay = form16TimeOfDay;

// The calendar date of a Julian Day in calendar 0 from 0 h, as the shared
// calendar-date triple leaves it.
void dateInCalendarZero(double julianDay) {
  Main.CalendarMode = 0;
  Main.DayStartHour = 0.0;
  DateFromJulianDay(julianDay);
}

void zeroPosition(int16_t k) { Main.X[k] = Main.Y[k] = Main.Z[k] = 0.0; }

void zeroSlot(int16_t k) {
  zeroPosition(k);
  Main.VX[k] = Main.VY[k] = Main.VZ[k] = 0.0;
}

// Slot k := slot k + factor * slot j, in positions and (when both slots
// have them) velocities.
void addScaled(int16_t k, int16_t j, double factor, bool velocities) {
  Main.X[k] += factor * Main.X[j];
  Main.Y[k] += factor * Main.Y[j];
  Main.Z[k] += factor * Main.Z[j];
  if (!velocities) return;
  Main.VX[k] += factor * Main.VX[j];
  Main.VY[k] += factor * Main.VY[j];
  Main.VZ[k] += factor * Main.VZ[j];
}

// The position and velocity of Main.CurrentObject by a mean-element theory
// at a date.
void positionsByElements(void (*setElements)(), double julianDay) {
  Main.JD = julianDay;
  setElements();
  PositionFromElements();
  VelocityFromElements();
}

// The Moon's options of the element procedures, set for the Moon and given
// back afterwards: they belong to the model window.
struct MoonElementOptions {
  int16_t kodMoon = Main.kodMoon;
  int16_t kodBary = Main.kodBary;
  MoonElementOptions() {
    Main.kodBary = 0;
    Main.kodMoon = 1;
  }
  ~MoonElementOptions() {
    Main.kodMoon = kodMoon;
    Main.kodBary = kodBary;
  }
};

}  // namespace

std::string form16TimeOfDay(double day) {
  DayFractionToHMS(day);
  return Format(Main.Hours, "00") + ":" + Format(Main.Minutes, "00") + ":" +
         Format(Main.Seconds, "00");
}

// The theory chosen among "New0", "JPL0", "JPL2", "Ser0+" (1..4), or 0.
int Form16::chosenTheory() const {
  for (int k = Option9.LBound() + 1; k <= Option9.UBound(); ++k)
    if (Option9[k].Value()) return k;
  return 0;
}

// The window's calendar and day start into the date procedures.
void Form16::restoreCalendar() const {
  Main.CalendarMode = static_cast<int16_t>(calendarMode_);
  Main.DayStartHour = dayStartHour_;
}

// EclipseRunLoop: passes until "Остановить", "Start+Stop", "+ 1 шаг", an
// error or the closing of the window. A loop started by a button pressed
// during a run runs inside the running one; when the outermost loop ends,
// the ephemeris reader is given back as the run found it.
void Form16::EclipseRunLoop() {
  if (!haveStart_) return;
  ++runDepth_;
  // The followed body and the observer are the shared inputs of the
  // apparent-place steps during a pass only: between passes, and after the
  // run, other windows see their own.
  const int32_t othersObject = Main.SelectedObject;
  const double othersLongitude = Main.ObsL, othersLatitude = Main.ObsB;
  {
    const ui::HeldDrawing held(*this);  // the last pass shows as it ends
    for (;;) {
      Main.SelectedObject = body_;
      Main.ObsL = observerLongitude_;
      Main.ObsB = observerLatitude_;
      const bool passed = withErrorTrap(form16text::kRunError, form16text::kTitle, [&] { runPass(); });
      Main.SelectedObject = othersObject;
      Main.ObsL = othersLongitude;
      Main.ObsB = othersLatitude;
      if (!passed || Main.StopFlag == 1) break;
      if (drawingPace_.drawsThisPass(eventThisPass_)) showHeldDrawing();
      if (DoEvents() <= 0 || !isLoaded()) break;
    }
  }
  if (--runDepth_ == 0) giveReaderBack();
}

// One pass; a run-time error leaves the date where it was. The bodies are
// placed with the masses of the run in the model's shared tables, which
// are handed back as they were when the pass ends, however it ends.
bool Form16::runPass() {
  eventThisPass_ = false;
  const auto modelBodies = keepModelBodies();
  setMassesOfRun_();
  zeroPosition(kOrigin);
  zeroPosition(kShadowCentre);
  showDateOfStep();
  takeTimeScales();
  Main.JD = Main.JDet1;
  Main.EphemerisJD = Main.JDet1;
  const bool theoryMode = Option2.Value();
  if (theoryMode) showPrecession();
  if (theoryMode && chosenTheory() == kJPL2)
    placeBodiesByDE405();
  else
    placeBodiesByTheory();
  makeGeocentric();
  if (theoryMode) reduceToApparentPlace();
  showRow(3);
  testEquinox();
  turnToEquator();
  placeShadow();
  placeObserverAndDisks();
  placeLimbPoints();
  placeOnHorizon();
  reportSunriseAndSunset();
  drawSkyAndKeepPrevious();
  reportContact();
  if (EquinoxFlag == 1) writeEquinoxRecord();
  throwOnFloatingPointFlags();
  advanceDate();
  if (refreshFlag_ == 1) {
    ClearOffsetPicture();
    if (Check8.Value() == 1) refreshFlag_ = 2;
  }
  return true;
}

// Stage 1 and 2: the date of the step in the date boxes, in the window's
// calendar; the universal time and date at Greenwich in Text19.
void Form16::showDateOfStep() {
  Main.JDut = stepJulianDay();
  Main.JD = Main.JDut;
  showDateBoxes();
  Text5.setText(Main.JDut, Str);

  dateInCalendarZero(Main.JDut);
  const int32_t year = Main.CalendarYear;
  const bool beforeEra = year < 1;
  const std::string era = beforeEra ? "до н.э." : "н.э.";
  const int32_t shownYear = beforeEra ? -year + 1 : year;
  Text19.setText("ut=" + timeOfDay(Main.CalendarDay) + "-" + Format(Fix(Main.CalendarDay), "00") +
                 "." + Format(Main.CalendarMonth, "00") + "." + Str(shownYear) + " г. " + era);

  dateInCalendarZero(Main.JDut + Main.ObsL / kDegreesPerHour / kHoursPerDay);
  Main.TextLines[1] = form16text::kLocalTimeUt + timeOfDay(Main.CalendarDay);
  Text16.setText(Main.TextLines[1]);
}

// Stages 4 and 5: ET1 - UT and ET2 - UT by Form17's laws, or typed in
// minutes (read as the user's locale writes numbers) when "с экрана" is
// ticked; the times by ET2 at Greenwich and at the observer.
void Form16::takeTimeScales() {
  const auto difference = [&](ui::CheckBox& typed, ui::TextBox& minutes, int16_t law) {
    if (typed.Value() == 1) return CDbl(minutes.Text()) * kSecondsPerMinute;
    const double seconds = DeltaTForDependency(law, Main.JDut);
    minutes.setText(truncateDecimals(seconds / kSecondsPerMinute, kShownDecimals), Str);
    return seconds;
  };
  const double et1 = difference(Check5, Text14, 1);
  const double et2 = difference(Check6, Text15, 2);
  Main.JDet1 = Main.JDut + et1 / kSecondsPerDay;
  Main.JDet2 = Main.JDut + et2 / kSecondsPerDay;

  dateInCalendarZero(Main.JDet2);
  Main.TextLines[5] = form16text::kGreenwichEt2 + timeOfDay(Main.CalendarDay);
  Text9.setText(Main.TextLines[5]);
  dateInCalendarZero(Main.JDet2 + Main.ObsL / kDegreesPerHour / kHoursPerDay);
  localEt2Day_ = Main.CalendarDay;
  localEt2Month_ = Main.CalendarMonth;
  localEt2Year_ = Main.CalendarYear;
  Main.TextLines[4] = form16text::kLocalDateEt2 + Format(Fix(Main.CalendarDay), "00") + "." +
                      Format(Main.CalendarMonth, "00") + "." + Format(Main.CalendarYear, "0000");
  Main.TextLines[2] = form16text::kLocalTimeEt2 + timeOfDay(Main.CalendarDay);
  Text18.setText(Main.TextLines[2]);
}

// Stage 6: the general precession from JD 1579341 and from J2000 to the
// date, degrees.
void Form16::showPrecession() {
  Text31.setText(truncateDecimals(generalPrecession(kFirstPrecessionEpoch, Main.JD), 4), Str);
  const double fromJ2000 = generalPrecession(Main.JD2000, Main.JD);
  Text41.setText(truncateDecimals(fromJ2000, 4), Str);
  Main.GeneralPrecession = fromJ2000;
}

// The theory branch: heliocentric ecliptic positions (metres) and velocities
// of the Earth, the Moon and the body; the Sun at the origin.
void Form16::placeBodiesByTheory() {
  const int theory = Option2.Value() ? chosenTheory() : 0;
  zeroSlot(kSun);
  Main.JD = Main.JDut;
  for (int16_t k = 1; k <= 9; ++k) {
    Main.CurrentObject = k;
    SetElementsSer0EarthVariant();
  }
  placeMoonByTheory(theory);
  const double moonShare = Main.Mass[kMoon] / Main.Mass[kEarth];
  copyPosition(kMoon, kBarycentreOffset);
  Main.X[kBarycentreOffset] *= moonShare;
  Main.Y[kBarycentreOffset] *= moonShare;
  Main.Z[kBarycentreOffset] *= moonShare;

  placePlanetByTheory(kEarth, theory);
  addScaled(kEarth, kBarycentreOffset, -1.0, false);
  addScaled(kMoon, kEarth, 1.0, false);
  Main.VX[kMoon] = Main.VX[kEarth];
  Main.VY[kMoon] = Main.VY[kEarth];
  Main.VZ[kMoon] = Main.VZ[kEarth];
  if (body_ != kMoon && body_ != kSun) placePlanetByTheory(static_cast<int16_t>(body_), theory);
}

// The geocentric Moon in slot 11 (ecliptic J2000, or of the date with
// "New0"), with "+dLl" its periodic terms.
void Form16::placeMoonByTheory(int theory) {
  if (theory == kNew0) {
    MoonElementsFromLowPrecisionTheory(centuriesFromJ2000(Main.JDet1));
    SphericalToRectangular(kMoon, Main.LonL[kMoon], Main.LatB[kMoon],
                           Main.PairDistance(kEarth, kMoon));
    return;
  }
  {
    const MoonElementOptions moonOptions;
    Main.CurrentObject = kMoon;
    if (theory == kJPL0) {
      positionsByElements(SetElementsJPL0, Main.JDet1);
      PrecessEclipticCoordinates(centuriesFromJ2000(Main.JD), 0.0);
      Main.CurrentObject = kMoon;
      PrecessPosition();
    } else {
      positionsByElements(SetElementsSer0EarthVariant, Main.JDut);
    }
  }
  eclipse::takeDirectionFrom(kOrigin, kMoon);
  Main.PairDistance(kEarth, kMoon) = Main.Rpl;
  if (Check9.Value() == 1) {
    MoonPerturbationsDLDB();
    SphericalToRectangular(kMoon, Main.LonL[kMoon], Main.LatB[kMoon],
                           Main.PairDistance(kEarth, kMoon));
  }
}

// A planet (or the Earth-Moon barycentre, 3) by the chosen theory, with
// "+dLp" its periodic terms in longitude.
void Form16::placePlanetByTheory(int16_t object, int theory) {
  Main.CurrentObject = object;
  if (theory == kNew0)
    positionsByElements(SetElementsNew0, Main.JDet1);
  else if (theory == kJPL0)
    positionsByElements(SetElementsJPL0, Main.JDet1);
  else
    positionsByElements(SetElementsSer0EarthVariant, Main.JDut);
  eclipse::takeDirectionFrom(kSun, object);
  Main.PairDistance(kSun, object) = Main.Rpl;
  if (Check11.Value() == 1) {
    Main.CurrentObject = object;
    PlanetLongitudePerturbation();
    SphericalToRectangular(object, Main.LonL[object], Main.LatB[object],
                           Main.PairDistance(kSun, object));
  }
}

// The DE405 branch: the Sun, the Earth-Moon barycentre, the Moon and the
// body at the ephemeris time, made heliocentric with the Earth split off
// the barycentre by the Moon's share of the mass.
void Form16::placeBodiesByDE405() {
  takeReader();
  walkDE405To(Main.EphemerisJD);
  EvaluateDE405Body(kSun, kEclipticJ2000Metres);
  EvaluateDE405Body(kEarth, kEclipticJ2000Metres);
  EvaluateDE405Body(kMoon, kEclipticJ2000Metres);
  if (body_ != kMoon && body_ != kSun) EvaluateDE405Body(body_, kEclipticJ2000Metres);
  eclipse::takeDirectionFrom(kOrigin, kMoon);
  Main.PairDistance(kEarth, kMoon) = Main.Rpl;

  addScaled(kEarth, kMoon, -Main.Mass[kMoon] / Main.Mass[kEarth], true);
  addScaled(kMoon, kEarth, 1.0, true);
  addScaled(kEarth, kSun, -1.0, true);
  if (body_ != kSun) addScaled(static_cast<int16_t>(body_), kSun, -1.0, true);
  zeroSlot(kSun);
}

// The block of the DE405 file that holds the day: the block in memory when
// it holds the day (whichever window read it), else read on through the open
// file while the day lies ahead in it, else loaded afresh (a day behind, in
// another file, or no file open).
void Form16::walkDE405To(double day) {
  const auto holds = [&] {
    const auto& block = Main.DE405Buffer;
    return block.upper() >= de405::kNumbersPerBlock && block[1] <= day && day < block[2];
  };
  if (holds()) return;
  const int file = (Main.DE405FileYear - de405::kFirstFileYear) / de405::kYearsPerFile;
  const bool aheadInFile = Main.FileState == de405::kFileOpenState && file >= 0 &&
                           file < de405::kFileCount && day >= Main.DE405BlockEndJD &&
                           day < de405::kFileStartJD[file + 1];
  if (aheadInFile) {
    while (day >= Main.DE405BlockEndJD && Main.DE405RecordNumber < Main.DE405RecordsInFile)
      readDE405Block();
    if (holds()) return;
  }
  if (!loadDE405BlockContaining(day)) throw RuntimeError(ErrorCode::InvalidCall, "no DE405 day");
}

// The run takes the ephemeris reader: what it held before is noted once.
void Form16::takeReader() {
  if (readerOpened_) return;
  readerStateBefore_ = Main.FileState;
  readerOpened_ = true;
}

// The run gives the ephemeris reader back: its file closed and the state
// the run found restored (an ephemeris file some other window had open was
// closed by the run's loading and stays closed).
void Form16::giveReaderBack() {
  if (!readerOpened_) return;
  closeDE405File();
  if (readerStateBefore_ != de405::kFileOpenState) Main.FileState = readerStateBefore_;
  readerOpened_ = false;
}

// Stage 8: the geocentric directions and light times of the Sun and the
// body, in table mode replaced by the table's, the heliocentric pictures,
// then the positions made geocentric.
void Form16::makeGeocentric() {
  Main.JD = Main.JDut;
  const auto body = static_cast<int16_t>(body_);
  for (int16_t k : {kSun, body}) {
    Main.CurrentObject = k;
    eclipse::takeDirectionFrom(kEarth, k);
    Main.PairDistance(kEarth, k) = Main.Rpl;
    Main.PropagationTime(kEarth, k) = Main.Rpl / Main.Vsv;
  }
  if (Option1.Value()) placeBodiesByTable();
  for (int16_t k : {kSun, kEarth, body}) {
    Main.CurrentObject = k;
    DrawHelioMarker();
  }
  for (int16_t k : {kSun, body}) {
    Main.CurrentObject = k;
    DrawEarthLines();
  }
  PictureX[kEarth] = Main.X[kEarth] / Main.ImageScale;
  PictureY[kEarth] = Main.Y[kEarth] / Main.ImageScale;
  PictureZ[kEarth] = Main.Z[kEarth] / Main.ImageScale;

  if (body != kSun) addScaled(body, kEarth, -1.0, false);
  Main.X[kSun] = -Main.X[kEarth];
  Main.Y[kSun] = -Main.Y[kEarth];
  Main.Z[kSun] = -Main.Z[kEarth];
  Main.X[kEarth] = Main.Y[kEarth] = Main.Z[kEarth] = 0.0;
}

// Stage 9: light time, aberration and, except with "New0" (already of the
// date), the precession from J2000 to the date.
void Form16::reduceToApparentPlace() {
  showRow(0);
  SourceLightTime();
  showRow(1);
  ObserverAberration();
  showRow(2);
  if (chosenTheory() == kNew0) return;
  PrecessEclipticCoordinates(0.0, centuriesFromJ2000(Main.JD));
  for (int16_t k : sunAndBody()) {
    Main.CurrentObject = k;
    PrecessPosition();
    eclipse::takeDirectionFrom(kEarth, k);
  }
}

// Stage 11: right ascension and declination of the date; with a theory the
// nutation.
void Form16::turnToEquator() {
  const double t = centuriesFromJ2000(Main.JD);
  for (int16_t k : sunAndBody()) {
    Main.CurrentObject = k;
    EclipticToEquatorial(t);
    eclipse::takeDirectionFrom(kEarth, k);
    Main.PairDistance(kEarth, k) = Main.Rpl;
    Main.PairDistance(12, k) = Main.Rpl;
  }
  showRow(4);
  if (Option2.Value()) {
    ApparentNutation();
    showRow(5);
  }
  Main.LonL[17] = Main.LonL[kSun];
  Main.LatB[17] = Main.LatB[kSun];
}

// The Sun and, when it is another object, the body.
std::vector<int16_t> Form16::sunAndBody() const {
  if (body_ == kSun) return {kSun};
  return {kSun, static_cast<int16_t>(body_)};
}

// Stage 13: the Julian Day of the next pass, the step divided near an
// equinox; the date boxes follow from it in the window's calendar. A step
// past the dates of a run is an error of the pass: the date stays, and
// each press of "Продолжить" gives one message.
void Form16::advanceDate() {
  double step = CDbl(Text26.Text());
  if (EquinoxFlag == 1) step /= CDbl(Text8.Text());
  if (!(step > 0.0) || !std::isfinite(step))
    throw RuntimeError(ErrorCode::InvalidCall, "step must be positive");
  if (!isRunJulianDay(startJulianDay_ + daysRun_ + direction_ * step))
    throw RuntimeError(ErrorCode::Overflow, "the step leads past the run dates");
  daysRun_ += direction_ * step;
  showDateBoxes();
}

// The date boxes: the date of the step's Julian Day in the window's
// calendar and day start, the day to 1e-8 (a millisecond), so that the
// rounding of the sums of steps does not show.
void Form16::showDateBoxes() {
  restoreCalendar();
  DateFromJulianDay(stepJulianDay());
  constexpr double kDayDigits = 1e8;
  Text4.setText(Str(Main.CalendarYear));
  Text3.setText(Str(Main.CalendarMonth));
  Text2.setText(std::round(Main.CalendarDay * kDayDigits) / kDayDigits, Str);
}

// A row of the result grid from the Sun's and the body's LonL and LatB.
void Form16::showRow(int row) {
  const int body = body_;
  resultBox(row, 0).setText(truncateDecimals(Main.LonL[kSun], kShownDecimals), Str);
  resultBox(row, 1).setText(truncateDecimals(Main.LonL[body], kShownDecimals), Str);
  resultBox(row, 2).setText(truncateDecimals(Main.LatB[kSun], kShownDecimals), Str);
  resultBox(row, 3).setText(truncateDecimals(Main.LatB[body], kShownDecimals), Str);
}

// Row r, column c of the result grid: Text32 + r, Text42 + r, Text52 + r,
// Text62 + r.
ui::TextBox& Form16::resultBox(int row, int column) {
  ui::TextBox* rows[9][4] = {
      {&Text32, &Text42, &Text52, &Text62}, {&Text33, &Text43, &Text53, &Text63},
      {&Text34, &Text44, &Text54, &Text64}, {&Text35, &Text45, &Text55, &Text65},
      {&Text36, &Text46, &Text56, &Text66}, {&Text37, &Text47, &Text57, &Text67},
      {&Text38, &Text48, &Text58, &Text68}, {&Text39, &Text49, &Text59, &Text69},
      {&Text40, &Text50, &Text60, &Text70}};
  return *rows[row][column];
}
