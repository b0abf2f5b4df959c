// Picking a point with the mouse and editing the series: deleting and
// adding points, with the file rewritten whole; the refusals of both edits.
#include <QColor>
#include <QImage>

#include <ostream>

#include "tests/windows/statistics/Form6Fixture.h"

namespace form6test {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr const char* kSeriesFile = "Plan1/Txt1/Celvan1Ras1.txt";

std::vector<Point> pointsAt(const std::vector<double>& days) {
  std::vector<Point> points;
  for (std::size_t i = 0; i < days.size(); ++i) {
    Point p;
    p.dT = days[i];
    p.alfaP = 77 + 0.25 * i;
    p.alfaU = 48 + 0.5 * i;
    p.eks = 0.2056;
    p.rsr = 57.909;
    p.w0 = 26087.9;
    points.push_back(p);
  }
  return points;
}

// The x of a record's time on the plot, MT years per unit.
double xOfDay(double days, double yearsPerUnit) { return days / 365.25 / yearsPerUnit + 1; }

// The numbers of the record lines of a series file (after its five header
// and count lines).
std::vector<std::vector<double>> recordsOf(const std::vector<std::string>& lines) {
  std::vector<std::vector<double>> records;
  for (std::size_t i = 5; i < lines.size(); ++i) records.push_back(numbersOfLine(lines[i]));
  return records;
}

class Form6Points : public Form6Test {
 protected:
  Form6& loadSeries(const std::vector<Point>& points) {
    writeSeries(kSeriesFile, kJ2000, points);
    Form6& form = openStatistics();
    click(form.Command6);
    EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
    return form;
  }
};

// The nearest record by time: with records at 0, 10 and 30 days, times 4.9,
// 5.1, 19.9 and 20.1 days pick 1, 2, 2 and 3; a time on a midpoint keeps the
// pick before.
TEST_F(Form6Points, PressPicksTheRecordNearestInTime) {
  Form6& form = loadSeries(pointsAt({0, 10, 30}));
  const struct {
    double days;
    int picked;
  } rows[] = {{4.9, 1}, {5.1, 2}, {19.9, 2}, {20.1, 3}, {5, 3}, {-100, 1}, {20, 1}, {1000, 3}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.days);
    form.Picture1_MouseDown(2, 0, xOfDay(row.days, 15), 1);
    EXPECT_EQ(form.Text16.Text(), Str(row.picked));
  }
}

// A press of the left button makes the point the start of the fit range and
// dates the add row; the right button makes it the end; a red line marks it.
TEST_F(Form6Points, LeftAndRightButtonsSetTheEndsOfTheFitRange) {
  std::vector<Point> points = pointsAt({0, 3652.5, 7305});
  points[1].alfaP = 78.5;
  Form6& form = loadSeries(points);
  const double x = xOfDay(3652.5, 15);
  ui::pressMouseAsUser(form.Picture1, x, 1, 1);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(form.Text15.Text(), "2");
  EXPECT_EQ(form.Text17.Text(), "78,5");
  // JD 2455197.5: 2010 January 1.0.
  EXPECT_EQ(form.Text9.Text(), "2010");
  EXPECT_EQ(form.Text8.Text(), "1");
  EXPECT_EQ(form.Text6.Text(), "1");
  EXPECT_EQ(form.Text34.Text(), "2010");
  EXPECT_EQ(form.Text32.Text(), "1");
  EXPECT_EQ(form.Text38.Text(), "2010");
  // The red line of the pick, at the point's pixel column (within the
  // rounding of a half pixel), between two grid lines.
  const QImage& image = form.Picture1.image();
  const int column = static_cast<int>(std::lround(x * 24.9)), row = image.height() / 2 + 8;
  bool red = false;
  for (int c = column - 1; c <= column + 1; ++c) red = red || QColor(image.pixel(c, row)) == QColor(255, 0, 0);
  EXPECT_TRUE(red);

  ui::pressMouseAsUser(form.Picture1, xOfDay(7305, 15), 1, 2);
  EXPECT_EQ(form.Text16.Text(), "3");
  EXPECT_EQ(form.Text22.Text(), "2020");
  EXPECT_EQ(form.Text15.Text(), "2");
}

// Deleting point 1 of records at 0, 10 and 30 days leaves two records at 0
// and 20 days: T0 moves 10 days later, in memory and in the count line.
TEST_F(Form6Points, DeletingTheFirstPointMovesTheStartOfTheSeries) {
  Form6& form = loadSeries(pointsAt({0, 10, 30}));
  type(form.Text5, "1");
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.RecordCount, 2);
  EXPECT_EQ(Main.SeriesStartJD, kJ2000 + 10);
  EXPECT_EQ(Main.dT[2], 20);
  const std::vector<std::string> lines = fileLines(kSeriesFile);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(numbersOfLine(lines[4]), (std::vector<double>{2, 245155500}));
  EXPECT_EQ(recordsOf(lines)[1][1], 2000) << "20 days";
}

// The rewrite keeps every stored number: a series of times and values that
// binary arithmetic cannot hold exactly (0,29 days is 28,999999999999996
// hundredths) loses nothing but the deleted record; the records are
// renumbered, and the header is the file's own whatever the shared text
// lines hold meanwhile.
TEST_F(Form6Points, DeletingAPointRewritesEveryOtherNumberUnchanged) {
  std::vector<Point> points;
  for (int k = 1; k <= 99; ++k) {
    Point p;
    p.dT = k / 100.0;
    p.alfaP = 77 + k / 100.0;
    p.alfaU = -48 - k * 0.07;
    p.betta = k * 0.0123456789;
    p.eks = 0.2056 + k * 1e-8;
    p.rsr = 57.9 + k * 0.29;
    p.w0 = 26087.9 + k * 0.57;
    points.push_back(p);
  }
  Form6& form = loadSeries(points);
  const std::vector<std::vector<double>> before = recordsOf(fileLines(kSeriesFile));
  Main.TextLines[3] = "другой текст";
  type(form.Text5, "3");
  click(form.Command1);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;

  const std::vector<std::string> lines = fileLines(kSeriesFile);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(lines[i], kSeriesHeader[i]);
  EXPECT_EQ(numbersOfLine(lines[4]), (std::vector<double>{98, 245154500}));
  const std::vector<std::vector<double>> after = recordsOf(lines);
  ASSERT_EQ(after.size(), 98u);
  for (std::size_t i = 0; i < after.size(); ++i) {
    const std::vector<double>& was = before[i < 2 ? i : i + 1];
    SCOPED_TRACE(i);
    EXPECT_EQ(after[i][0], static_cast<double>(i + 1));
    EXPECT_EQ(std::vector<double>(after[i].begin() + 1, after[i].end()),
              std::vector<double>(was.begin() + 1, was.end()));
  }
}

// The deleted point is framed with dashes in the next listing.
TEST_F(Form6Points, DeletedPointIsFramedInTheNextListing) {
  Form6& form = loadSeries(pointsAt({0, 10, 20, 30, 40, 50, 60}));
  type(form.Text5, "5");
  click(form.Command1);
  click(form.Check2);
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_NE(Main.ScratchText2.find("\r\n---------------------\r\n  5   IG= 2000    dT= 0000050,00"), std::string::npos);
  EXPECT_NE(Main.ScratchText2.find("dU11  = 00,000000\r\n---------------------\r\n  6   IG="), std::string::npos);
}

// A point dated before the first record becomes record 1 and the new start
// of the series; it has the weight 1 and zeros in every column but the
// chosen one, so an 8-field file gets zeros in all six element fields when
// AlfaL0 is chosen.
TEST_F(Form6Points, PointBeforeTheFirstRecordBecomesTheStart) {
  Form6& form = loadSeries(pointsAt({0, 3652.5}));
  click(form.Option4[7]);  // AlfaL0
  type(form.Text32, "1,5");
  type(form.Text33, "1");
  type(form.Text34, "1990");  // JD 2447893.0: 3652 days before J2000 (1992 and 1996 are leap years)
  type(form.Text30, "123,5");
  type(form.Text38, "1995");
  click(form.Command2);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.RecordCount, 3);
  EXPECT_EQ(Main.SeriesStartJD, 2447893.0);
  EXPECT_EQ(Main.dT[1], 0);
  EXPECT_EQ(Main.dT[2], 3652);
  EXPECT_EQ(Main.dT[3], 3652 + 3652.5);
  EXPECT_EQ(Main.ddT[1], 5 * 365.25);
  EXPECT_EQ(Main.SampleValues(sample::kAlfaL0, 1), 123.5);
  EXPECT_EQ(Main.SampleValues(sample::kVes, 1), 1);
  EXPECT_EQ(Main.SampleValues(sample::kAlfaP, 1), 0);
  EXPECT_EQ(Main.SampleValues(sample::kAlfaP, 2), 77);

  const std::vector<std::string> lines = fileLines(kSeriesFile);
  EXPECT_EQ(numbersOfLine(lines[4]), (std::vector<double>{3, 244789300}));
  const std::vector<std::vector<double>> records = recordsOf(lines);
  EXPECT_EQ(records[0], (std::vector<double>{1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(records[1][1], 365200);
  EXPECT_EQ(records[1][2], 7700000000);
}

// A point of the date of a record: on "Yes" only the chosen column and the
// interval of that record change; on "No" nothing changes.
TEST_F(Form6Points, PointOfAnExistingDateReplacesItsParameterOnYes) {
  Form6& form = loadSeries(pointsAt({0, 3652.5, 7305}));
  const std::string before = fileBytes(kSeriesFile);
  // JD 2455197.5 is the date of record 2.
  type(form.Text32, "1");
  type(form.Text33, "1");
  type(form.Text34, "2010");
  type(form.Text30, "80,125");
  boxes.queueAnswer(MsgBoxResult::No);
  click(form.Command2);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Точка № 2 с такой датой уже есть\r\nЗаменить отмеченный параметр в этой точке?\r\n");
  EXPECT_EQ(boxes.last().buttons, MsgBoxButtons::YesNo);
  EXPECT_EQ(fileBytes(kSeriesFile), before);
  EXPECT_EQ(Main.RecordCount, 3);

  boxes.queueAnswer(MsgBoxResult::Yes);
  click(form.Command2);
  EXPECT_EQ(Main.RecordCount, 3);
  EXPECT_EQ(Main.SampleValues(sample::kAlfaP, 2), 80.125);
  EXPECT_EQ(Main.ddT[2], (1630 - 2010) * 365.25);
  const std::vector<std::vector<double>> records = recordsOf(fileLines(kSeriesFile));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1][2], 8012500000);
  EXPECT_EQ(records[1][3], 4850000000) << "the other columns stay";
  EXPECT_EQ(records[2][2], 7750000000);
}

// The file keeps dates to the hundredth of a day: a typed date in the
// hundredth of a record's date is that record's date (the question about
// it, and "No" leaves the file as it was); one in the next hundredth is a
// new point.
TEST_F(Form6Points, DateWithinTheStoredHundredthIsTheRecordsDate) {
  const struct {
    const char* day;
    int questions;
    int records;
  } cases[] = {{"1,0004", 1, 3}, {"1,0099", 1, 3}, {"1,0104", 0, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.day);
    boxes.clear();
    Form6& form = loadSeries(pointsAt({0, 3652.5, 7305}));  // record 2 on JD 2455197.5, 2010 January 1.0
    const std::string before = fileBytes(kSeriesFile);
    type(form.Text32, c.day);
    type(form.Text33, "1");
    type(form.Text34, "2010");
    type(form.Text30, "80,125");
    boxes.queueAnswer(MsgBoxResult::No);
    click(form.Command2);
    ASSERT_EQ(boxes.count(), c.questions);
    EXPECT_EQ(Main.RecordCount, c.records);
    if (c.questions == 1) {
      EXPECT_EQ(boxes.last().text, "Точка № 2 с такой датой уже есть\r\nЗаменить отмеченный параметр в этой точке?\r\n");
      EXPECT_EQ(fileBytes(kSeriesFile), before);
    }
  }
}

struct Guard {
  const char* name;
  bool observed;
  int planet;
  int parameter;  // option of "по параметру"
  bool correction;
  bool refused;
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const Guard& c, std::ostream* out) { *out << c.name; }

class Form6EditGuard : public Form6Test, public ::testing::WithParamInterface<Guard> {};

// Both edits refuse a sample whose load changed fields that go into the
// file; otherwise they work.
TEST_P(Form6EditGuard, EditsRefuseASampleChangedByItsLoad) {
  const Guard& guard = GetParam();
  const std::string file = std::string(guard.observed ? "Ser/Plan1/Celvan" : "Plan1/Txt" + Str(guard.planet) + "/Celvan") +
                           Str(guard.planet) + (guard.observed ? "Nab.txt" : "Ras1.txt");
  writeSeries(file, kJ2000, pointsAt({0, 10, 20, 30}), guard.observed);
  Form6& form = openStatistics();
  if (guard.observed) {
    click(form.Option7);
    click(form.Option17);
  }
  click(form.Option3[guard.planet]);
  click(form.Option4[guard.parameter]);
  if (guard.correction) click(form.Check10);
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const std::string before = fileBytes(file);

  click(form.Command1);
  type(form.Text34, "2001");
  click(form.Command2);
  if (guard.refused) {
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.boxes()[0].text,
              "УДАЛИТЬ ТОЧКУ можно только если при загрузке\r\n          не был отмечен параметр AlfaL0\r\n"
              "         а для Луны еще и AlfaP или AlfaU\r\n     или W* и один из чекбоксов dP11 или dU11");
    EXPECT_EQ(boxes.boxes()[1].text.rfind("ДОБАВИТЬ ТОЧКУ можно только если при загрузке\r\n", 0), 0u);
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_EQ(Main.RecordCount, 4);
  } else {
    EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
    EXPECT_EQ(Main.RecordCount, 4) << "one deleted, one added";
    EXPECT_NE(fileBytes(file), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, Form6EditGuard,
                         ::testing::Values(Guard{"ObservedMoonNode", true, 11, 2, false, true},
                                           Guard{"ObservedEarthNode", true, 3, 2, false, false},
                                           Guard{"ObservedMeanLongitude", true, 3, 7, false, true},
                                           Guard{"ObservedMotionWithCorrection", true, 3, 6, true, true},
                                           Guard{"ModelMoonMotionWithCorrection", false, 11, 6, true, true},
                                           Guard{"ModelMoonNode", false, 11, 2, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form6Test, EditsWithoutALoadedSeriesAreRefused) {
  Form6& form = openStatistics();
  click(form.Command1);
  click(form.Command2);
  ASSERT_EQ(boxes.count(), 2);
  EXPECT_EQ(boxes.boxes()[0].text, "У Вас не загружены первичные данные");
  EXPECT_EQ(boxes.boxes()[1].text, "У Вас не загружены первичные данные");
  EXPECT_EQ(boxes.last().title, "Celvan7");
}

// A point number outside 1..N deletes nothing.
TEST_F(Form6Points, PointNumberOutsideTheSampleDeletesNothing) {
  Form6& form = loadSeries(pointsAt({0, 10, 20}));
  const std::string before = fileBytes(kSeriesFile);
  for (const char* number : {"0", "4", "-1"}) {
    SCOPED_TRACE(number);
    boxes.clear();
    type(form.Text5, number);
    click(form.Command1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Ошибка вычислений");
    EXPECT_EQ(Main.RecordCount, 3);
    EXPECT_EQ(fileBytes(kSeriesFile), before);
  }
}

}  // namespace
}  // namespace form6test
