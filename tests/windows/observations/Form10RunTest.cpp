// Reduction runs of the observation window over the synthetic observatory
// file of Mars made from ERFA's apparent places: the place of every epoch
// by the JPL0 theory against the apparent places of the same theory
// computed apart from the program with ERFA, the counts, histogram and
// statistics file against a computation of their own over the same epochs,
// the filter with its files, the run control with the pause and the end of
// the data, the passes a run shows, and what a run must leave alone.
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "core/runtime/Clock.h"
#include "core/runtime/RuntimeError.h"
#include "core/time/TimeScales.h"
#include "model/Form2.h"
#include "science/reduction/Reduction.h"
#include "science/reduction/DeviationStatistics.h"
#include "windows/observations/Form10Fixture.h"

namespace {

constexpr double kArcSecondsPerDegree = 3600;

// One epoch of the file with the deviations the chain gives for it.
struct Epoch {
  std::string line;
  double day = 0;  // day of the month with the UT as a fraction
  int month = 0, year = 0;
  double julianDay = 0;
  double dL = 0, dB = 0, dR = 0;  // degrees, thousand km
};

int monthOf(const std::string& name) {
  const char* names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int i = 0; i < 12; ++i)
    if (name == names[i]) return i + 1;
  return 0;
}

double field(const std::string& line, int firstColumn, int count) {
  return std::stod(line.substr(firstColumn - 1, count));
}

// The apparent places of Mars by the theory JPL0 at the epochs of the Mars
// file, computed apart from the program from the theory's published
// elements, the light time iterated on them, and ERFA's aberration and
// precession-nutation (tests/fixtures/observations/make_mars_jpl0_places.py):
// the Julian Day (UT), the right ascension and the declination of the true
// equator and equinox of the date, degrees.
struct ReferencePlace {
  double julianDay = 0, rightAscension = 0, declination = 0;
};

std::vector<ReferencePlace> referencePlaces() {
  std::ifstream in(std::filesystem::path(CELVAN_FIXTURES_DIR) / "observations" / "MarsJPL0Places.txt");
  std::vector<ReferencePlace> places;
  std::string line;
  for (int header = 0; header < 3; ++header) std::getline(in, line);
  for (ReferencePlace p; in >> p.julianDay >> p.rightAscension >> p.declination;) places.push_back(p);
  return places;
}

// How far the program's place of an epoch may lie from the reference: the
// program's nutation keeps the largest terms of the series only (about
// 0.2"), its aberration is of the first order. A place without the
// aberration (about 20"), the nutation (up to 17"), the light time (up to
// 18"), the Earth's place off the Earth-Moon barycentre (up to 17") or the
// difference of ephemeris time and universal time (up to 4"), or in another
// frame, lies farther off.
constexpr double kReferenceToleranceArcSeconds = 0.5;

double separationArcSeconds(double ra1, double dec1, double ra2, double dec2) {
  const double rad = std::numbers::pi / 180;
  const double dRa = std::remainder(ra1 - ra2, 360.0) * std::cos(dec2 * rad);
  return std::hypot(dRa, dec1 - dec2) * kArcSecondsPerDegree;
}

// The records of the Mars file read from their columns here, and each
// carried through the reduction chain with the window's defaults for an
// observatory (JPL0, light time, aberration at the receiver, nutation);
// every epoch's place is held against the reference places of the theory.
std::vector<Epoch> independentEpochs(const std::vector<std::string>& fileLines) {
  const std::vector<ReferencePlace> reference = referencePlaces();
  std::vector<Epoch> epochs;
  double largestSeparation = 0;
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
  Main.SelectedObject = 4;
  Main.ObsL = 0;
  Main.ObsB = 51.477;
  for (std::size_t i = 5; i < fileLines.size(); ++i) {
    const std::string& line = fileLines[i];
    if (line.empty()) continue;
    Epoch e;
    e.line = line;
    e.year = static_cast<int>(field(line, 11, 4));
    e.month = monthOf(line.substr(18, 3));
    const double ut = field(line, 24, 2) + field(line, 27, 2) / 60 + field(line, 30, 2) / 3600 +
                      field(line, 33, 4) / 3600 / 1e4;
    e.day = field(line, 16, 2) + ut / 24;
    const double ra =
        15 * (field(line, 44, 2) + field(line, 47, 2) / 60 + field(line, 50, 2) / 3600 + field(line, 53, 5) / 3600 / 1e5);
    double dec = field(line, 70, 2) + field(line, 73, 2) / 60 + field(line, 76, 2) / 3600 + field(line, 79, 4) / 3600 / 1e4;
    if (line[68] == '-') dec = -dec;
    e.julianDay = JulianDayFromDate(e.day, e.month, e.year);

    Main.JD = e.julianDay;
    ReductionChoices choices;
    choices.lightTime = true;
    choices.receiverAberration = true;
    choices.nutation = true;
    ReductionStages stages;
    PlaceBodiesForEpoch(choices, stages);
    ReduceToApparentPlace(choices, stages);
    e.dL = wrapDeviation(stages.result.first - ra);
    e.dB = wrapDeviation(stages.result.second - dec);
    const double d = Main.StartDistance;
    const double rad = std::numbers::pi / 180;
    const double ox = d * std::cos(dec * rad) * std::cos(ra * rad);
    const double oy = d * std::cos(dec * rad) * std::sin(ra * rad);
    const double oz = d * std::sin(dec * rad);
    e.dR = std::hypot(ox - stages.x, oy - stages.y, oz - stages.z) / 1e6;

    const std::size_t k = epochs.size();
    if (k < reference.size()) {
      EXPECT_NEAR(reference[k].julianDay, e.julianDay, 1e-6) << line;
      const double separation = separationArcSeconds(stages.result.first, stages.result.second,
                                                     reference[k].rightAscension, reference[k].declination);
      EXPECT_LT(separation, kReferenceToleranceArcSeconds) << line;
      largestSeparation = std::max(largestSeparation, separation);
    }
    epochs.push_back(e);
  }
  EXPECT_EQ(reference.size(), epochs.size());
  ::testing::Test::RecordProperty("largest_separation_from_reference_arcsec", std::to_string(largestSeparation));
  return epochs;
}

class Form10RunTest : public Form10Test {
 protected:
  // GREN chosen for Mars, the last year 2004, the given boxes ticked.
  Form10& prepareRun(std::initializer_list<ui::CheckBox Form10::*> ticked = {}) {
    Form10& form = prepareMarsRun();
    for (auto box : ticked) setTicked(form.*box, true);
    return form;
  }
  std::vector<Epoch> epochs() const { return independentEpochs(fileLines(kMarsFile)); }
  // Presses a button of the window at the first pass of the run that the
  // next press starts (its first letting events run).
  static void pressDuringRun(ui::CommandButton& button) {
    QTimer::singleShot(0, [&button] { ui::clickAsUser(button); });
  }
};

// A whole run with the JPL0 theory: every record reduced and accepted at
// the theory's apparent place, the deviations of the theory's mean elements
// tens of arc seconds, and the counts, histogram, means and statistics file
// agreeing with a count of their own over the same deviations.
TEST_F(Form10RunTest, JPL0RunOverTheMarsFileAgreesWithAnIndependentCount) {
  Form10& form = prepareRun({&Form10::Check21});
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Пропущено строк в файле наблюдений (пустых, коротких или с неизвестным месяцем): 1");
  EXPECT_EQ(form.Text23.Text(), std::to_string(kMarsRecords));
  EXPECT_EQ(form.ObsFileState, 9);

  const std::vector<Epoch> expected = epochs();
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(kMarsRecords));
  DeviationStatistics statistics;
  DeviationHistogram histogram;
  histogram.prepare(200);
  double largestDL = 0;
  for (const Epoch& e : expected) {
    statistics.add(e.dL, e.dB, e.dR, e.julianDay, true, true);
    histogram.count(e.dL, e.dB, e.dR);
    largestDL = std::max(largestDL, std::fabs(e.dL) * kArcSecondsPerDegree);
  }
  EXPECT_EQ(form.statistics.N, statistics.N);
  EXPECT_EQ(form.statistics.positive, statistics.positive);
  EXPECT_NEAR(form.statistics.sumAbsDL, statistics.sumAbsDL, 1e-9);
  EXPECT_NEAR(form.statistics.sumAbsDB, statistics.sumAbsDB, 1e-9);
  EXPECT_NEAR(form.statistics.sumDR, statistics.sumDR, 1e-4);
  EXPECT_EQ(form.histogram.counts, histogram.counts);
  const double meanDL = statistics.cell(2, 1);
  const double meanDB = statistics.cell(3, 1);
  RecordProperty("mean_abs_dL_arcsec", std::to_string(meanDL));
  RecordProperty("mean_abs_dB_arcsec", std::to_string(meanDB));
  RecordProperty("largest_abs_dL_arcsec", std::to_string(largestDL));
  // The approximate mean elements of JPL0 place Mars to some tens of arc
  // seconds; a wrong frame, time scale or correction would be degrees off.
  EXPECT_LT(meanDL, 60);
  EXPECT_LT(meanDB, 60);
  EXPECT_NEAR(shown(form.Text11) * kArcSecondsPerDegree, meanDL, 0.01);
  EXPECT_NEAR(shown(form.Text12) * kArcSecondsPerDegree, meanDB, 0.01);
  EXPECT_NEAR(shown(form.Text13), statistics.cell(1, 1), 1e-5);
  EXPECT_NEAR(Main.ModelShifts(2, 1, 0), meanDL, 1e-9);
  EXPECT_NEAR(Stat.Criterion[0], statistics.cell(1, 1), 1e-6);
  EXPECT_NEAR(Main.JDet2, statistics.meanJulianDay(), 1e-6);

  click(form.Command15);
  const std::vector<std::string> lines = fileLines("Dat/StatGREN4_100.txt");
  ASSERT_EQ(lines.size(), 25u);
  for (int i = 1; i <= 18; ++i) {
    SCOPED_TRACE(lines[2 + i]);
    const std::string& line = lines[2 + i];
    EXPECT_EQ(std::stoi(line.substr(11, 4)), histogram.counts[i]);
  }
  EXPECT_EQ(lines[23], "                 общее количество точек  " + std::to_string(kMarsRecords));
  const std::string means = lines[24];
  const double fileMeanDL = CDbl(means.substr(6, means.find(" секунд") - 6));
  EXPECT_NEAR(fileMeanDL, meanDL, 1e-6);
}

// The loop ends at the end of the data with the file open again at its
// first record: the date boxes show the last epoch, and from the start date
// again ("JD = JD0") the next start reduces the same epochs again.
TEST_F(Form10RunTest, EndOfDataReopensTheFileAtItsFirstRecord) {
  Form10& form = prepareRun();
  setTicked(form.Check4, true);  // без анимации
  click(form.Command1);
  EXPECT_EQ(form.Text23.Text(), std::to_string(kMarsRecords));
  EXPECT_EQ(form.Text4.Text(), "2004");
  EXPECT_EQ(form.Text3.Text(), "12");
  click(form.Command18);
  click(form.Command1);
  EXPECT_EQ(form.Text23.Text(), std::to_string(kMarsRecords));
  EXPECT_EQ(boxes.count(), 2);  // the skipped empty line, said at each end
}

// With "пауза" ticked the program pauses after every pass but one that a
// stop ends: also after the pass that finds the end of the data.
TEST_F(Form10RunTest, PauseFollowsEveryPassButAStoppedOne) {
  std::vector<int> pauses;
  const auto previousSleep = setSleepHandler([&](int ms) { pauses.push_back(ms); });
  Form10& form = prepareRun();
  setTicked(form.Check28, true);
  type(form.Text17, "250");
  click(form.Command1);
  EXPECT_EQ(form.statistics.N, kMarsRecords);
  EXPECT_EQ(pauses, std::vector<int>(kMarsRecords + 1, 250));

  pauses.clear();
  form.Option9[1].setValue(true);  // the file read again from its first record
  pressDuringRun(form.Command4);
  click(form.Command1);
  EXPECT_EQ(form.statistics.N, 2);
  EXPECT_EQ(pauses.size(), 1u);  // after the first pass, not after the stopped second
  setSleepHandler(previousSleep);
}

// "Сделать 1 шаг" that finds the end of the data stops there, the file
// left at its end: the next "Продолжить" finds the end again, reopens the
// file at its first record and counts nothing.
TEST_F(Form10RunTest, OneStepAtTheEndOfTheDataLeavesTheFileAtItsEnd) {
  Form10& form = prepareRun();
  type(form.Text4, "2004");
  type(form.Text3, "12");
  type(form.Text2, "26");  // the last record is of December 26, 22h
  pressDuringRun(form.Command4);
  click(form.Command1);
  ASSERT_EQ(form.statistics.N, 1);
  click(form.Command6);
  EXPECT_EQ(form.statistics.N, 1);
  EXPECT_EQ(boxes.count(), 0);  // the file was not reopened
  click(form.Command5);
  EXPECT_EQ(form.statistics.N, 1);
  ASSERT_EQ(boxes.count(), 1);  // the skipped empty line, said as the file is reopened
  EXPECT_EQ(form.ObsFileState, 9);
}

// The filter by |dL|: each epoch at or beyond the limit goes to the
// rejected-data file with its date and deviations, is not counted, and its
// record stays out of the kept-records copy, which holds the others.
TEST_F(Form10RunTest, FilterRejectsEpochsBeyondTheLimit) {
  const double limit = 30;
  Form10& form = prepareRun({&Form10::Check20, &Form10::Check22});
  click(form.Option18);
  type(form.Text50, Str(limit));
  click(form.Command1);

  std::vector<Epoch> accepted, rejected;
  for (const Epoch& e : epochs())
    (std::fabs(e.dL) * kArcSecondsPerDegree < limit ? accepted : rejected).push_back(e);
  ASSERT_FALSE(rejected.empty());
  ASSERT_FALSE(accepted.empty());
  EXPECT_EQ(form.Text23.Text(), std::to_string(accepted.size()));

  const std::vector<std::string> bad = fileLines("Dat/Bad_dataGREN4_100.txt");
  ASSERT_EQ(bad.size(), 6 + rejected.size());
  EXPECT_EQ(bad[0], "");
  EXPECT_EQ(bad[1], "планета  № 4   обсерватория GREN");
  EXPECT_EQ(bad[4], "дата наблюдения и отклонения по долготе (сек) широте (сек) и расстоянию (тыс.км.)");
  for (std::size_t i = 0; i < rejected.size(); ++i) {
    const Epoch& e = rejected[i];
    const std::string expectedLine =
        printedNumber(Fix(1e6 * e.day) / 1e6) + printedNumber(static_cast<double>(e.month)) +
        printedNumber(static_cast<double>(e.year)) + printedNumber(Fix(e.dL * 1000 * 3600) / 1000) +
        printedNumber(Fix(e.dB * 1000 * 3600) / 1000) + printedNumber(Fix(e.dR * 10) / 10);
    EXPECT_EQ(bad[6 + i], expectedLine) << i;
  }

  const std::vector<std::string> source = fileLines(kMarsFile);
  const std::vector<std::string> kept = fileLines("Obs/GREN4_G_100L.txt");
  ASSERT_EQ(kept.size(), 5 + accepted.size());
  for (int i = 0; i < 4; ++i) EXPECT_EQ(kept[i], source[i]);
  EXPECT_EQ(kept[4], " 2003  2004 ");
  for (std::size_t i = 0; i < accepted.size(); ++i) EXPECT_EQ(kept[5 + i], accepted[i].line);
}

// "Остановить" ends the run after its pass, "Сделать 1 шаг" makes exactly
// one more, "Продолжить" goes on from there; a new start then asks for the
// file again, which choosing the same observatory reopens at its first
// record; "JD = JD0" brings back the start date.
TEST_F(Form10RunTest, RunControl) {
  Form10& form = prepareRun();
  pressDuringRun(form.Command4);  // pressed while the first pass lets events run
  click(form.Command1);
  EXPECT_EQ(form.statistics.N, 2);
  click(form.Command6);
  EXPECT_EQ(form.statistics.N, 3);
  EXPECT_EQ(form.Text3.Text(), "1");
  EXPECT_NEAR(shown(form.Text2), 11 + 22.0 / 24, 1e-9);
  pressDuringRun(form.Command4);
  click(form.Command5);
  EXPECT_EQ(form.statistics.N, 5);
  EXPECT_EQ(boxes.count(), 0);

  click(form.Command1);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Надо открыть файл снова");
  EXPECT_EQ(boxes.last().title, "Celvan7m");

  click(form.Command18);
  EXPECT_EQ(form.Text4.Text(), "2003");
  EXPECT_EQ(form.Text3.Text(), "1");
  EXPECT_EQ(form.Text2.Text(), "1,5");
  EXPECT_EQ(form.Text26.Text(), "1");
  EXPECT_EQ(form.Text5.Text(), "2452641");

  form.Option9[1].setValue(true);  // the same observatory chosen again
  pressDuringRun(form.Command4);
  click(form.Command1);
  EXPECT_EQ(form.statistics.N, 2);
  EXPECT_NEAR(shown(form.Text2), 6 + 22.0 / 24, 1e-9);  // the second record of the file
}

// Closing the window during a run ends the run at its next pass.
TEST_F(Form10RunTest, ClosingTheWindowEndsTheRun) {
  Form10& form = prepareRun();
  pressDuringRun(form.Command14);
  click(form.Command1);
  EXPECT_FALSE(ui::isFormLoaded<Form10>());
  EXPECT_NEAR(Main.JDet2, 2452640.5 + 22.0 / 24, 1e-9);  // the first epoch only
}

// A run keeps its calendar, its day start and its scales to itself: the
// model's speed of gravity, its switch, its state vector, its scales, the
// bodies' initial data, masses and elements, and the model window's boxes
// are as they were.
TEST_F(Form10RunTest, ARunLeavesTheModelAlone) {
  Form2& model = form2();
  Main.Vgr = 7.5e8;
  Main.FiniteVgrFlag = 1;
  for (int i = 0; i < 66; ++i) Main.StateVector[i] = i + 0.5;
  const double earthX = Main.X[3], marsVY = Main.VY[4], moonMass = Main.Mass[11], marsLongitude = Main.AlfaL[4];
  const double scales[] = {Main.MT, Main.Mx, Main.MAlfa, Main.MdAlfa, Main.VXsys, Main.AphelionWindowHigh};
  const int16_t forceModel = Main.ForceModel;
  const std::string modelBoxes = model.Text35.Text() + "|" + model.Text38.Text() + "|" + model.Text37.Text();
  const int modelGravity = model.Check13.Value();

  Form10& form = prepareRun();
  click(form.Option16);  // the day from noon
  type(form.Text6, "3");
  click(form.Command1);
  EXPECT_EQ(form.Text23.Text(), std::to_string(kMarsRecords));
  EXPECT_EQ(form.runDayStartHour, 12);

  EXPECT_EQ(Main.Vgr, 7.5e8);
  EXPECT_EQ(Main.FiniteVgrFlag, 1);
  for (int i = 0; i < 66; ++i) EXPECT_EQ(Main.StateVector[i], i + 0.5) << i;
  EXPECT_EQ(Main.X[3], earthX);  // the initial data of the start-up window
  EXPECT_EQ(Main.VY[4], marsVY);
  EXPECT_EQ(Main.Mass[11], moonMass);
  EXPECT_EQ(Main.AlfaL[4], marsLongitude);
  const double after[] = {Main.MT, Main.Mx, Main.MAlfa, Main.MdAlfa, Main.VXsys, Main.AphelionWindowHigh};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(after[i], scales[i]) << i;
  EXPECT_EQ(Main.ForceModel, forceModel);
  EXPECT_EQ(model.Text35.Text() + "|" + model.Text38.Text() + "|" + model.Text37.Text(), modelBoxes);
  EXPECT_EQ(model.Check13.Value(), modelGravity);
}

// The kept-records copy may not be the file being read: with "+Good File
// Obs" the source is the copy itself, and the same number is refused.
TEST_F(Form10RunTest, KeptCopyNeverReplacesTheFileBeingRead) {
  std::filesystem::copy_file(programFile(kMarsFile), programFile("Obs/GREN4_G_100LB.txt"));
  Form10& form = openWindow();
  click(form.Option2);
  type(form.Text1, "4");
  setTicked(form.Check3, true);
  click(form.Option9[1]);
  EXPECT_EQ(Main.FilePath, programFile("Obs/GREN4_G_100LB.txt").string());
  type(form.Text65, "2004");
  setTicked(form.Check22, true);
  const std::string before = fileBytes("Obs/GREN4_G_100LB.txt");
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text.find("Номер файла отобранных записей совпадает"), 0u);
  EXPECT_EQ(boxes.last().title, "Celvan7.0");
  EXPECT_EQ(fileBytes("Obs/GREN4_G_100LB.txt"), before);
  EXPECT_EQ(form.statistics.N, 0);
}

// Inputs are checked before anything is cleared or written: a box without
// a number, and "+dLp" for an object without a perturbation series.
TEST_F(Form10RunTest, RefusedInputsChangeNothing) {
  Form10& form = prepareRun({&Form10::Check22, &Form10::Check13});
  pressDuringRun(form.Command4);
  click(form.Command1);
  ASSERT_EQ(form.statistics.N, 2);
  const double startEpoch = Main.JD0;
  std::filesystem::remove(programFile("Dat/Bad_dataGREN4_100.txt"));
  form.Option9[1].setValue(true);

  type(form.Text50, "двести");
  type(form.Text4, "2004");
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Введите правильно данные");
  EXPECT_EQ(boxes.last().title, "Celvan7.0");
  EXPECT_EQ(form.statistics.N, 2);
  EXPECT_EQ(Main.JD0, startEpoch);
  EXPECT_FALSE(programFileExists("Dat/Bad_dataGREN4_100.txt"));

  form.Option9[1].setValue(true);
  type(form.Text50, "200");
  type(form.Text1, "11");
  setTicked(form.Check27, true);
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 2);
  EXPECT_EQ(boxes.last().text, "Периодические возмущения долготы (+dLp) заданы только для планет № 1 - 4");
  EXPECT_EQ(form.statistics.N, 2);
  EXPECT_FALSE(programFileExists("Dat/Bad_dataGREN4_100.txt"));

  type(form.Text1, "4");
  form.Option9[1].setValue(true);
  click(form.Command6);  // Mars has its series: the run goes
  EXPECT_EQ(boxes.count(), 2);
}

// A start after every record counts nothing and leaves the file ready at
// its first record; the statistics file is then not written, and says so.
TEST_F(Form10RunTest, NoAcceptedEpochWritesNoStatisticsFile) {
  Form10& form = prepareRun({&Form10::Check21});
  type(form.Text4, "2005");
  type(form.Text65, "2006");
  click(form.Command1);
  EXPECT_EQ(form.statistics.N, 0);
  EXPECT_EQ(form.ObsFileState, 9);
  boxes.clear();
  click(form.Command15);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Нет принятых наблюдений: файл статистики не записан");
  EXPECT_FALSE(programFileExists("Dat/StatGREN4_100.txt"));
}

}  // namespace

namespace {

std::string onScreen(const ui::TextBox& box) {
  return static_cast<QLineEdit*>(box.widget())->text().toStdString();
}

// A run draws at most about 30 of its passes a second, but the screen shows
// every pass whose epoch the filter rejected in sight as the run lets events
// run after it, and the last pass when the run has ended.
TEST_F(Form10RunTest, RejectedEpochsAndTheLastPassAreShown) {
  Form10& form = prepareRun({&Form10::Check20});
  click(form.Option18);
  type(form.Text50, "30");
  int rejectedShown = 0, rejectedHidden = 0, accepted = form.statistics.N;
  std::string epoch;
  QTimer afterEachPass;
  QObject::connect(&afterEachPass, &QTimer::timeout, [&] {
    if (form.Text5.Text() == epoch) return;  // no new pass
    epoch = form.Text5.Text();
    if (form.statistics.N == accepted) ++(onScreen(form.Text5) == epoch ? rejectedShown : rejectedHidden);
    accepted = form.statistics.N;
  });
  afterEachPass.start(0);
  click(form.Command1);
  EXPECT_GT(rejectedShown, 0);
  EXPECT_EQ(rejectedHidden, 0);
  for (const ui::TextBox* box : {&form.Text5, &form.Text23, &form.Text9, &form.Text13, &form.Text37})
    EXPECT_EQ(onScreen(*box), box->Text());
}

// The observatory file that ships in the program folder, Mars seen from
// Greenwich over 1999, replaces the tests' file under its name.
class ShippedObservationsTest : public Form10Test {
 protected:
  void SetUp() override {
    Form10Test::SetUp();
    std::filesystem::copy_file(std::filesystem::path(CELVAN_FIXTURES_DIR) / ".." / ".." / "data" / "Obs" /
                                   "GREN4_G_100.txt",
                               programFile(kMarsFile), std::filesystem::copy_options::overwrite_existing);
  }
};

// With the window's defaults ("до" 2000), the only thing a user types is the
// object: every one of the 73 epochs is reduced and accepted, and the
// theory's places lie tens of arc seconds from ERFA's.
TEST_F(ShippedObservationsTest, RunWithTheWindowsDefaultsOverEveryEpoch) {
  Form10& form = chooseGreenwich();
  EXPECT_EQ(form.Text16.Text(), "1999");
  EXPECT_EQ(form.Text14.Text(), "1999");
  click(form.Command1);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(form.Text23.Text(), "73");
  EXPECT_LT(form.statistics.cell(2, 1), 60);  // mean |dL|, arc seconds
  EXPECT_LT(form.statistics.cell(3, 1), 60);  // mean |dB|
}

}  // namespace
