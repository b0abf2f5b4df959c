// The export of a plan's optimum: the zero levels of the plan window become
// a dated point of the observed series of the plan, the file is replaced
// whole, and the statistics window fits the series at once; the
// coefficients of a perturbation plan reach the perturbation window. The
// series here lie on a straight line in AlfaP, so the fit's shift per
// century is known beforehand.
#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/runtime/Clock.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "observations/Form22.h"
#include "windows/statistics/Form6Fixture.h"

namespace {

using form6test::Point;

constexpr const char* kSeries = "Ser/Plan1/Celvan4Nab.txt";
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525;
constexpr double kTwentyYears = 7305;
// Every point's observations span ten years; the time of a point is the
// middle of its span.
constexpr double kSpan = 3652.5;
// AlfaP grows by half a degree per Julian century: 1800 arc seconds.
constexpr double kAlfaPRate = 0.5;
constexpr int kMars = 4;

double alfaPAt(double startJD) { return 100 + kAlfaPRate * (startJD + kSpan / 2 - kJ2000) / kDaysPerCentury; }

// A point of Mars's series observed from startJD on.
Point marsPoint(double startJD, double seriesStart) {
  Point p;
  p.dT = startJD - seriesStart;
  p.ddT = kSpan;
  p.alfaP = alfaPAt(startJD);
  p.alfaU = 49.558;
  p.betta = 1.8497;
  p.eks = 0.0934;
  p.rsr = 227.9366;
  p.w0 = 334.8;
  p.alfaL0 = 355.433;
  return p;
}

// One point line of a series file as its numbers.
struct FilePoint {
  double date;  // T0 + dT, Julian Day
  std::vector<double> numbers;
};

class Form13ExportTest : public form6test::Form6Test {
 protected:
  void SetUp() override {
    Form6Test::SetUp();
    const std::filesystem::path data(CELVAN_FIXTURES_DIR);
    std::filesystem::copy_file(data / ".." / ".." / "data" / "Dat" / "dL1.dat", path("Dat/dL1.dat"));
    form10().Show();  // with it the plan window
    boxes.clear();
  }

  // Four points twenty years apart from J2000 on.
  void writeMarsSeries() const {
    std::vector<Point> points;
    for (int k = 0; k < 4; ++k) points.push_back(marsPoint(kJ2000 + k * kTwentyYears, kJ2000));
    writeSeries(kSeries, kJ2000, points, true);
  }

  // The optimum of a plan over the observations of Mars from startJD on,
  // typed as the zero levels of the plan window, exported.
  static void exportOptimum(double startJD, double alfaP) {
    Form13& plan = form13();
    const std::array<std::string, 10> levels{"",       "227936,637", "0,0934123", "1,8497", Str(alfaP),
                                             "49,558", "334,8",      "355,433",   "0",      "0"};
    for (int i = 1; i <= 9; ++i) type(plan.Text1[i], levels[i]);
    type(plan.Text26, "1");
    Stat.ZeroLevels[10] = 1;
    Main.SelectedObject = kMars;
    Main.JD0 = startJD;
    Main.JDet2 = startJD + kSpan / 2;
    click(plan.Command7);
  }

  std::vector<FilePoint> filePoints() const {
    const std::vector<std::string> lines = fileLines(kSeries);
    const double startJD = form6test::numbersOfLine(lines.at(4)).at(1) / 100;
    std::vector<FilePoint> points;
    for (std::size_t i = 5; i < lines.size(); ++i) {
      const std::vector<double> numbers = form6test::numbersOfLine(lines[i]);
      points.push_back({startJD + numbers.at(1) / 100, numbers});
    }
    return points;
  }
};

// The optimum becomes the point of its date among the others, wherever that
// date falls; the other points keep their dates and values, the third
// header line names the plan and the day, and the statistics window, shown
// on the series as written, fits the straight line it lies on.
TEST_F(Form13ExportTest, OptimumJoinsTheSeriesInDateOrderAndTheStatisticsWindowFitsIt) {
  struct Case {
    const char* name;
    double startJD;
    int position;
  };
  const Case cases[] = {
      {"before every point", kJ2000 - kTwentyYears + 0.3047, 1},
      {"between points 2 and 3", kJ2000 + 1.5 * kTwentyYears + 0.3047, 3},
      {"after every point", kJ2000 + 4 * kTwentyYears + 0.3047, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeMarsSeries();
    const std::vector<FilePoint> before = filePoints();
    exportOptimum(c.startJD, alfaPAt(c.startJD));
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;

    const std::vector<std::string> lines = fileLines(kSeries);
    EXPECT_EQ(lines[0], form6test::kSeriesHeader[0]);
    EXPECT_EQ(lines[1], form6test::kSeriesHeader[1]);
    EXPECT_EQ(lines[2], "по плану №  1   от " + DateText());
    EXPECT_EQ(lines[3], form6test::kSeriesHeader[3]);
    EXPECT_EQ(form6test::numbersOfLine(lines[4]).at(0), 5);
    const std::vector<FilePoint> after = filePoints();
    ASSERT_EQ(after.size(), 5u);
    for (int k = 1, old = 0; k <= 5; ++k) {
      const FilePoint& p = after[k - 1];
      EXPECT_EQ(p.numbers.at(0), k);
      if (k == c.position) {
        // Times are kept in whole hundredths of a day, cut toward zero.
        EXPECT_NEAR(p.date, c.startJD, 0.01);
        EXPECT_LE(p.date, c.startJD);
        EXPECT_EQ(p.numbers.at(2), 100 * kSpan);
        EXPECT_EQ(p.numbers.at(3), 1e8);
        EXPECT_NEAR(p.numbers.at(4), 1e8 * alfaPAt(c.startJD), 1);
        EXPECT_EQ(p.numbers.at(8), 22793663700);  // 227 936,637 thousand km in 1e-8 million km
        EXPECT_EQ(p.numbers.at(10), 355433000);   // AlfaL0 in millionths of a degree
        continue;
      }
      const FilePoint& was = before[old++];
      EXPECT_NEAR(p.date, was.date, 1e-6);
      for (std::size_t f = 2; f < 13; ++f) EXPECT_EQ(p.numbers.at(f), was.numbers.at(f)) << "field " << f;
    }

    Form6& statistics = form6();
    EXPECT_TRUE(statistics.Visible());
    EXPECT_EQ(Main.FileState, 5);
    EXPECT_EQ(Main.RecordCount, 5);
    EXPECT_EQ(statistics.Text3.Text(), "5");
    EXPECT_EQ(statistics.Text16.Text(), "5");
    click(statistics.Command9);
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
    EXPECT_NEAR(shown(statistics.Text24), 3600 * kAlfaPRate, 1e-3);
    ui::unloadForm<Form6>();
  }
}

// A point already dated at the plan's start, as the file stores dates (to
// the hundredth of a day, cut), is the optimum's own point: the user is
// asked whether to replace it, and either way no second point of that date
// appears. The start here is no whole hundredth, which an exact comparison
// of dates would never find again.
TEST_F(Form13ExportTest, ExportOnADateTheSeriesHoldsReplacesThatPointOnlyWithTheUsersYes) {
  const double start = kJ2000 + 4 * kTwentyYears + 0.3047;
  for (const MsgBoxResult answer : {MsgBoxResult::Yes, MsgBoxResult::No}) {
    SCOPED_TRACE(answer == MsgBoxResult::Yes ? "Yes" : "No");
    writeMarsSeries();
    exportOptimum(start, alfaPAt(start));
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
    const double first = filePoints().at(4).numbers.at(4);

    boxes.queueAnswer(answer);
    exportOptimum(start, alfaPAt(start) + 1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Точка №  5  с такой датой уже есть\r\nЗаменить параметры этой точки?\r\n");
    EXPECT_EQ(boxes.last().title, "Celvan7");
    const std::vector<FilePoint> after = filePoints();
    ASSERT_EQ(after.size(), 5u);
    EXPECT_EQ(Main.RecordCount, 5);
    EXPECT_NEAR(after[4].numbers.at(4), answer == MsgBoxResult::Yes ? first + 1e8 : first, 1);
    boxes.clear();
    ui::unloadForm<Form6>();
  }
}

// What the export refuses leaves the series file as it was (or absent) and
// says why, naming the file.
TEST_F(Form13ExportTest, RefusedExportLeavesTheSeriesFileAsItWas) {
  struct Case {
    const char* name;
    std::function<void()> spoil;
    std::string message;
  };
  const std::string read = "Ошибка чтения данных из файла\r\n\\Ser\\Plan1\\Celvan4Nab.txt";
  const Case cases[] = {
      {"no series file", [this] { std::filesystem::remove(path(kSeries)); },
       "Не могу найти файл\r\n\\Ser\\Plan1\\Celvan4Nab.txt"},
      {"more points than the count line", [this] {
         std::vector<Point> points{marsPoint(kJ2000, kJ2000), marsPoint(kJ2000 + kTwentyYears, kJ2000)};
         writeSeries(kSeries, kJ2000, points, true, 1);
       }, read},
      {"points out of date order", [this] {
         std::vector<Point> points{marsPoint(kJ2000 + 3 * kTwentyYears, kJ2000), marsPoint(kJ2000, kJ2000)};
         writeSeries(kSeries, kJ2000, points, true);
       }, read},
      {"a zero level that is no number", [] { form13().Text1[6].setText("3,3,4"); }, read},
      {"a plan number that is no number", [] { form13().Text26.setText("план"); },
       "Введите правильно данные"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeMarsSeries();
    Form13& plan = form13();
    for (int i = 1; i <= 9; ++i) type(plan.Text1[i], "1");
    type(plan.Text26, "1");
    c.spoil();
    const bool existed = std::filesystem::exists(path(kSeries));
    const std::string old = existed ? fileBytes(kSeries) : "";
    Main.SelectedObject = kMars;
    Main.JD0 = kJ2000 + 2 * kTwentyYears + 0.5;
    Main.JDet2 = Main.JD0 + kSpan / 2;
    click(plan.Command7);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, c.message);
    EXPECT_EQ(boxes.last().title, "Celvan7");
    EXPECT_EQ(std::filesystem::exists(path(kSeries)), existed);
    if (existed) {
      EXPECT_EQ(fileBytes(kSeries), old);
    }
    boxes.clear();
    ui::unloadForm<Form6>();
  }
}

// The coefficients of a perturbation plan (zero levels of rows 2..9) become
// those of the chosen perturber of the object, in the shared table and in
// the perturbation window's boxes, whether that window was open or is
// loaded by the transfer (its load reloads the coefficient file, which
// must not undo the transfer). An object without coefficients is refused
// and changes nothing.
TEST_F(Form13ExportTest, PerturbationCoefficientsReachThePerturbationWindow) {
  struct Case {
    const char* name;
    bool perturbationWindowOpen;
    int object;
    bool refused;
  };
  const Case cases[] = {
      {"window open", true, kMars, false},
      {"window not loaded", false, kMars, false},
      {"object 0 is the Earth", false, 0, false},
      {"Jupiter has no coefficients", true, 5, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::unloadForm<Form22>();
    if (c.perturbationWindowOpen) form22().Show();
    const int object = c.object == 0 ? 3 : c.object;
    const double marsBefore = Main.PlanetPerturbationCoefficients(2, 41);
    Form13& plan = form13();
    for (int t = 1; t <= 8; ++t) type(plan.Text1[t + 1], Str(0.125 * t - 0.5));
    click(plan.Option6);  // "№2"
    Main.SelectedObject = c.object;
    click(plan.Command8);
    if (c.refused) {
      ASSERT_EQ(boxes.count(), 1);
      EXPECT_EQ(boxes.last().text, "Загрузите форму 22 (dLp)");
      EXPECT_EQ(Main.PlanetPerturbationCoefficients(2, 41), marsBefore);
      boxes.clear();
      continue;
    }
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
    Form22& perturbations = form22();
    for (int t = 1; t <= 8; ++t) {
      EXPECT_EQ(Main.PlanetPerturbationCoefficients(2, 10 * object + t), 0.125 * t - 0.5);
      EXPECT_EQ(shown(perturbations.coefficientBox(2, object, t)), 0.125 * t - 0.5);
      EXPECT_EQ(shown(perturbations.coefficientBox(1, object, t)),
                Main.PlanetPerturbationCoefficients(1, 10 * object + t));
    }
  }
}

}  // namespace
