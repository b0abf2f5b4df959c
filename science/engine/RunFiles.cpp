// The result files of a run: the orbit-parameter series, the coordinate
// file and the test-plan result file. Windows-1251, CR LF, numbers in print
// zones; the start writes each header, the run appends one record per
// opening, so that a file is complete on disk after every record.
#include <cmath>
#include <sstream>
#include <vector>

#include "core/Constants.h"
#include "core/runtime/Clock.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/TextFile.h"
#include "core/state/SharedState.h"
#include "core/theory/Theory.h"
#include "science/engine/ModelRun.h"
#include "science/engine/RunFileIO.h"

namespace {

constexpr const char* kOrbitColumnTitles =
    " № замера     прошло дней   перигелий     восхождение     наклон   эксцентриситет    полуось     "
    "угл.скорость";
constexpr const char* kTrajectoryColumnTitles =
    "время в секундах/1000000     X, Y, Z и Rpl в тыс. км     VX, VY, VZ и Vpl в м/с    энергия системы в Дж "
    "/10^30   момент количества движения в кг*м^2/с /10^30";

// Line 5 of the series holds this many numbers before its records.
constexpr int kSeriesHeaderLines = 4;

std::string startDateText() {
  return Format(Main.StartDay, "00.00") + "." + Format(Main.StartMonth, "00") + "." + Format(Main.StartYear, "0000");
}

// Speed of gravity in units of the speed of light, two decimals truncated,
// 0 without a finite speed of gravity.
double gravitySpeedInLightSpeeds() { return Fix(Main.FiniteVgrFlag * 100 * Main.Vgr / Main.Vsv) / 100; }

std::string experimentLine(const char* beforeDate, const char* beforeStart) {
  return "эксперимент № " + Str(Main.FileNumber) + " для объекта № " + Str(Main.BodyNumber) + " из " +
         Str(Main.IncludedCount) + beforeDate + DateText() + beforeStart + startDateText();
}

// "шаг решения ..." with the gap after "=" of the last three codes.
std::string stepLine(const char* gap) {
  const std::string g = gap;
  return "шаг решения " + Str(Main.P00) + " сек  уменьшен у перигелия в " + Str(Main.StepDivisor) + " раз  " +
         "   dAlfa= " + Str(Main.dAlfa) + "   kodBary= " + Str(Main.kodBary) + "   kodMoon=" + g + Str(Main.kodMoon) +
         "   kodDX=" + g + Str(Main.kodDX) + "   kodPgr=" + g + Str(Main.kodPgr);
}

std::string systemVelocityText(const char* beforeVX, const char* beforeVgr) {
  return Main.TheoryName + beforeVX + Str(Main.VXsys) + "   VYsys= " + Str(Main.VYsys) + "   VZsys= " +
         Str(Main.VZsys) + beforeVgr + Str(gravitySpeedInLightSpeeds()) + " Vsv " + "  k1= " + Str(Main.kPgr1) +
         "  k2= " + Str(Main.kPgr2);
}

// The measured longitude c placed in the turn of the reference theta
// (degrees, not reduced): one turn up or down when the two straddle the
// 0/360 boundary by less than 60 degrees. A reference of exactly 0 counts
// as a positive one.
double continuousLongitude(double theta, double c) {
  double turns = Fix(theta / 360);
  if (theta >= 0) {
    if (theta - 360 * turns > 300 && c < 60) turns += 1;
    if (theta - 360 * turns < 60 && c > 300) turns -= 1;
    return 360 * turns + c;
  }
  if (theta - 360 * turns < -300 && c > 300) turns -= 1;
  if (theta - 360 * turns > -60 && c < 60) turns += 1;
  return 360 * (turns - 1) + c;
}

std::vector<std::string> readLines(const std::string& relativePath) {
  std::vector<std::string> lines;
  int16_t handle = 0;
  writeRunFile(relativePath, OpenMode::Input, handle, [&](int file) {
    while (!EndOfFile(file)) lines.push_back(LineInput(file));
  });
  return lines;
}

bool isBlankLine(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

void ModelRun::writeOrbitSampleHeader(bool energyBalance) {
  std::string first = experimentLine(" от ", " плоскость эклиптики в эпоху J2000 начало ");
  if (energyBalance) first += " E0sys= " + Str(Main.E0sys) + " M0sys= " + Str(Main.M0sys);
  const std::string third = systemVelocityText("    VXsys=  ", "   Vgr= ") + "  m2=  " +
                            Str(Fix(Main.Mass[0] / Main.Mass[2])) + "     m5= " +
                            Str(Fix(1000 * Main.Mass[0] / Main.Mass[5]) / 1000);
  writeRunFile(Main.RecordFilePath, OpenMode::Output, Main.RecordFileHandle, [&](int file) {
    PrintJoined(file, {first});
    PrintJoined(file, {stepLine(" ")});
    PrintJoined(file, {third});
    PrintJoined(file, {kOrbitColumnTitles});
    PrintZones(file, {Main.RecordCount, Fix(Main.SeriesStartJD * 100)});
  });
  orbitSampleFile_ = Main.RecordFilePath;
}

void ModelRun::writeTrajectoryHeader() {
  writeRunFile(Main.FilePath, OpenMode::Output, Main.DataFileHandle, [&](int file) {
    PrintJoined(file, {experimentLine(" от  ", " плоскость эклиптики в эпоху J2000    начало ")});
    PrintJoined(file, {stepLine("  ")});
    PrintJoined(file, {systemVelocityText("             VXsys=  ", "    Vgr= ")});
    PrintJoined(file, {kTrajectoryColumnTitles});
    PrintJoined(file, {""});
  });
}

std::string ModelRun::testPlanTitle(bool rotatablePlan) {
  return "эксперименты выполненные на форме 2 по тесту для  " + Str(Stat.Nf) + " факторного   " +
         (rotatablePlan ? "Roto" : "Orto") + "   плана ";
}

void ModelRun::writeTestPlanHeader(bool rotatablePlan) {
  writeRunFile(Main.RecordFilePath, OpenMode::Output, Main.RecordFileHandle, [&](int file) {
    PrintJoined(file, {testPlanTitle(rotatablePlan)});
    PrintZones(file, {Stat.Nf, Stat.RunCount, int16_t{0}});
    for (int m = 1; m <= Stat.Nf; ++m)
      PrintZones(file, {Fix(Main.MK * Stat.ZeroLevels[m]), Fix(Main.MK * Stat.VariationIntervals[m])});
    PrintJoined(file, {"   "});
  });
}

void ModelRun::WriteOrbitRecord() {
  const int s = Main.SelectedObject;
  Main.JD = Fix(Main.ElapsedTime * 100 / Main.SecondsPerDay) / 100 + Main.SeriesStartJD;
  Main.CurrentObject = static_cast<int16_t>(Main.kodMoon == 1 && s == 10 ? 11 : s);
  SetElementsJPL0();
  Main.AlfaPTurns = continuousLongitude(Main.kUgol * Main.AlfaP[Main.CurrentObject], Main.AlfaPCurrent);
  Main.AlfaUTurns = continuousLongitude(Main.kUgol * Main.AlfaU[Main.CurrentObject], Main.AlfaUCurrent);
  if (controls_.energyBalance) {
    Main.AlfaPTurns = (Main.Esys - Main.E0sys) * 100 / Main.E0sys;
    Main.AlfaUTurns = (Main.MKDsys - Main.M0sys) * 100 / Main.M0sys;
    Main.BettaCurrent = (Main.KineticEnergy - Main.E0sys) * 100 / Main.E0sys / Main.kUgol;
    Main.EksCurrent = 0;
    Main.RadiusVector[s] = 0;
    Main.Period = std::pow(Main.MK, 5);
  }
  const double scale = 100 * Main.MK;
  appendToRunFile(Main.RecordFilePath, Main.RecordFileHandle, [&](int file) {
    PrintZones(file, {Main.RevolutionCount, Fix(Main.ElapsedTime * 100 / Main.SecondsPerDay),
                      Fix(Main.AlfaPTurns * scale), Fix(Main.AlfaUTurns * scale),
                      Fix(Main.BettaCurrent * Main.kUgol * scale), Fix(Main.EksCurrent * scale),
                      Fix(Main.RadiusVector[s] / 10), Fix(scale * 2 * Main.Pi * astro::kDaysPerJulianCentury / Main.Period)});
  });
}

void ModelRun::WriteXYZLine() {
  const int s = Main.SelectedObject;
  const double mk = Main.MK, energyUnit = std::pow(Main.MK, 5);
  const char* const length = "000000000.000";
  const char* const speed = "0000000.000";
  Main.ScratchText = Format(Main.CalendarDay, "00.000") + "." + Format(Main.CalendarMonth, "00") + "." +
                     Format(Main.CalendarYear, "0000") + "____T= " + Format(Main.ElapsedTime / mk, length) +
                     "____X= " + Format(Main.X[s] / mk, length) + "____Y= " + Format(Main.Y[s] / mk, length) +
                     "____Z= " + Format(Main.Z[s] / mk, length) + "____Rpl= " + Format(Main.Rpl / mk, length) +
                     "____VX= " + Format(Main.VX[s], speed) + "____VY= " + Format(Main.VY[s], speed) +
                     "____VZ= " + Format(Main.VZ[s], speed) + "____Vpl= " + Format(Main.Vpl, speed) +
                     "____Esys= " + Format(Main.Esys / energyUnit, length) + "____MKDsys= " +
                     Format(Main.MKDsys / energyUnit, length);
  appendToRunFile(Main.FilePath, Main.DataFileHandle, [&](int file) { PrintJoined(file, {Main.ScratchText}); });
}

// The count line of the series written by this run's start holds the
// expected number of records, which passages and energy records can
// exceed; when the run ends it gets the number of records in the file.
void ModelRun::rewriteRecordCount() {
  if (orbitSampleFile_.empty()) return;
  const std::vector<std::string> lines = readLines(orbitSampleFile_);
  if (static_cast<int>(lines.size()) <= kSeriesHeaderLines) return;
  std::istringstream countLine(lines[kSeriesHeaderLines]);
  std::string expected, startTimes;
  if (!(countLine >> expected >> startTimes)) return;
  int32_t records = 0;
  for (std::size_t i = kSeriesHeaderLines + 1; i < lines.size(); ++i)
    if (!isBlankLine(lines[i])) ++records;
  const double startDays = Val(startTimes);
  writeRunFile(orbitSampleFile_, OpenMode::Output, Main.RecordFileHandle, [&](int file) {
    for (int i = 0; i < kSeriesHeaderLines; ++i) PrintJoined(file, {lines[i]});
    PrintZones(file, {records, startDays});
    for (std::size_t i = kSeriesHeaderLines + 1; i < lines.size(); ++i)
      if (!isBlankLine(lines[i])) PrintJoined(file, {lines[i]});
  });
}
