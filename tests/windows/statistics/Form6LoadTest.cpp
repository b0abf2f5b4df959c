// Loading an orbit-parameter series on the statistics window: the four
// sources and their files, the units of the sample, the boxes and dates it
// fills, the reduction of angles, the Moon's corrections, the listing, the
// limit of 32000 records and the refusals of malformed files.
#include <ostream>

#include "tests/windows/statistics/Form6Fixture.h"

namespace form6test {
namespace {

// Three records a year apart from J2000.0 (JD 2451545.0 = 2000 January 1.5,
// Meeus, Astronomical Algorithms, ch. 7), with element values of Mercury.
std::vector<Point> threeRecords() {
  Point a;
  a.alfaP = 77.45645;
  a.alfaU = 48.33167;
  a.betta = 7.00487;
  a.eks = 0.20563069;
  a.rsr = 57.90917;
  a.w0 = 26087.90314;
  Point b = a, c = a;
  b.dT = 365.25;
  b.alfaP = 77.4580;
  c.dT = 730.5;
  c.alfaP = 77.4596;
  return {a, b, c};
}

TEST_F(Form6Test, DefaultChoicesLoadTheModelSeriesOfMercuryInTheUnitsOfTheWriter) {
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0, threeRecords());
  Form6& form = openStatistics();
  click(form.Command6);

  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.FilePath2, "\\Plan1\\Txt1\\Celvan1Ras1.txt");
  EXPECT_EQ(Main.FileState, sample::kModelSeries);
  EXPECT_EQ(Main.RecordCount, 3);
  EXPECT_EQ(Main.SeriesStartJD, 2451545.0);
  EXPECT_EQ(Main.SelectedObject, 1);
  EXPECT_EQ(Main.SampleParameter, sample::kAlfaP);
  EXPECT_EQ(Main.ImitatorFolder, "\\JPL");
  EXPECT_DOUBLE_EQ(Main.dT[2], 365.25);
  EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kAlfaP, 1), 77.45645);
  EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kEks, 1), 0.20563069);
  EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kRsr, 1), 57.90917);
  EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kW0, 1), 26087.90314);
  // An 8-field record has no interval, no AlfaL0 and the weight MK / 1e8.
  EXPECT_EQ(Main.ddT[1], 0);
  EXPECT_EQ(Main.SampleValues(sample::kAlfaL0, 1), 0);
  EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kVes, 3), 0.01);
  EXPECT_EQ(Main.TextLines[3], kSeriesHeader[0] + "\r\n" + kSeriesHeader[1] + "\r\n" + kSeriesHeader[2] + "\r\n" +
                                   kSeriesHeader[3]);

  EXPECT_EQ(form.Text3.Text(), "3");
  EXPECT_EQ(form.Text15.Text(), "1");
  EXPECT_EQ(form.Text16.Text(), "3");
  EXPECT_EQ(form.Text17.Text(), "77,45645");
  EXPECT_EQ(form.Text18.Text(), "77,4596");
  EXPECT_EQ(form.Text9.Text(), "2000");
  EXPECT_EQ(form.Text8.Text(), "1");
  EXPECT_EQ(form.Text6.Text(), "1,5");
  // 730.5 days after 2000 January 1.5 (a leap year of 366 days): JD
  // 2452275.5, 2002 January 1.0.
  EXPECT_EQ(form.Text22.Text(), "2002");
  EXPECT_EQ(form.Text21.Text(), "1");
  EXPECT_EQ(form.Text20.Text(), "1");
  EXPECT_DOUBLE_EQ(Main.Ymin, 77.45645);
  EXPECT_DOUBLE_EQ(Main.Ymax, 77.4596);
}

struct Source {
  const char* name;
  void (*choose)(Form6&);
  const char* file;
  int16_t kind;
  bool observed;
  const char* folder;
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const Source& c, std::ostream* out) { *out << c.name; }

class Form6Source : public Form6Test, public ::testing::WithParamInterface<Source> {};

// Each source reads its own file in its own record variant.
TEST_P(Form6Source, LoadsItsFileInItsRecordVariant) {
  const Source& source = GetParam();
  std::vector<Point> points = threeRecords();
  points[1].ddT = 12.5;
  points[1].ves = 0.75;
  points[1].alfaL0 = 252.250906;
  writeSeries(source.file, 2451545.0, points, source.observed);
  Form6& form = openStatistics();
  click(form.Option3[3]);
  source.choose(form);
  click(form.Command6);

  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.FileState, source.kind);
  EXPECT_EQ(Main.ImitatorFolder, source.folder);
  EXPECT_EQ(Main.RecordCount, 3);
  EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kW0, 2), 26087.90314);
  if (source.observed) {
    EXPECT_DOUBLE_EQ(Main.ddT[2], 12.5);
    EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kVes, 2), 0.75);
    EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kAlfaL0, 2), 252.250906);
  } else {
    EXPECT_EQ(Main.ddT[2], 0);
    EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kVes, 2), 0.01);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, Form6Source,
    ::testing::Values(
        Source{"Model", [](Form6& f) { f.Text10.setText("7"); }, "Plan1/Txt3/Celvan3Ras7.txt", sample::kModelSeries,
               false, "\\JPL"},
        Source{"ImitatorNew",
               [](Form6& f) {
                 ui::clickAsUser(f.Option7);
                 ui::clickAsUser(f.Option13);
               },
               "NEW/Celvan3Nab.txt", sample::kImitatorSeries, false, "\\NEW"},
        Source{"ImitatorJpl", [](Form6& f) { ui::clickAsUser(f.Option7); }, "JPL/Celvan3Nab.txt",
               sample::kImitatorSeries, false, "\\JPL"},
        Source{"ObservedSer",
               [](Form6& f) {
                 ui::clickAsUser(f.Option7);
                 ui::clickAsUser(f.Option17);
               },
               "Ser/Plan1/Celvan3Nab.txt", sample::kObservedSeries, true, "\\Ser\\Plan1"}),
    [](const auto& info) { return std::string(info.param.name); });

// "Fix(Alfa)" brings the chosen angle into one turn as it is read: positive
// angles into [0, 360), negative ones into (0, 360]; other columns stay.
TEST_F(Form6Test, FixAlfaReducesOnlyTheChosenAngle) {
  std::vector<Point> points(5);
  const double read[5] = {-10, 725, -360, 0, -720};
  const double reduced[5] = {350, 5, 360, 0, 360};
  for (int i = 0; i < 5; ++i) {
    points[i].dT = 10.0 * i;
    points[i].alfaP = read[i];
    points[i].alfaU = read[i];
  }
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0, points);
  Form6& form = openStatistics();
  type(form.Text2, "100");
  click(form.Check1);
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(read[i]);
    EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kAlfaP, i + 1), reduced[i]);
    EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kAlfaU, i + 1), read[i]);
  }
}

// An observed series of the Moon: the intervals of its angles do not count
// (its ddT is cleared), and W* takes dU11 when both corrections are ticked.
TEST_F(Form6Test, MoonSeriesClearsIntervalsOfItsAnglesAndTakesItsCorrections) {
  std::vector<Point> points = threeRecords();
  for (Point& p : points) {
    p.ddT = 27.3;
    p.dP11 = 0.125;
    p.dU11 = -0.25;
  }
  writeSeries("Ser/Plan1/Celvan11Nab.txt", 2451545.0, points, true);
  Form6& form = openStatistics();
  click(form.Option7);
  click(form.Option17);
  click(form.Option3[11]);
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(Main.ddT[i], 0);

  click(form.Option4[6]);
  click(form.Check10);
  click(form.Check11);
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_DOUBLE_EQ(Main.ddT[2], 27.3) << "W* keeps the intervals";
  for (int i = 1; i <= 3; ++i) EXPECT_DOUBLE_EQ(Main.SampleValues(sample::kW0, i), -0.25);
}

// The listing: a line per record with its number (two blanks before 1..9),
// the year of its date and every column through its mask, decimal comma.
TEST_F(Form6Test, ListingShowsEveryRecordThroughItsMasks) {
  std::vector<Point> points(12);
  for (int i = 0; i < 12; ++i) {
    points[i].dT = 365.25 * i;
    points[i].alfaP = 77.5 + i;
  }
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0, points);
  Form6& form = openStatistics();
  click(form.Check2);
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;

  EXPECT_EQ(Main.ScratchText2.find(Main.TextLines[3] + "\r\n12         2451545\r\n"), 0u);
  EXPECT_NE(Main.ScratchText2.find("\r\n  1   IG= 2000    dT= 0000000,00    ddT= 000000,00    Ves= 0,0100    "
                                   "AlfaP  = 000077,50    AlfaU  = 000000,00    Betta  = 00,00000    "
                                   "Eks  = 0,000000000    Rsr  = 0000,0000000    W0  = 0000,00000    "
                                   "AlfaL0  = 0000000,000    dP11  = 00,000000    dU11  = 00,000000\r\n"),
            std::string::npos);
  EXPECT_NE(Main.ScratchText2.find("\r\n  9   IG= 2008    dT= 0002922,00"), std::string::npos);
  EXPECT_NE(Main.ScratchText2.find("\r\n10   IG= 2008    dT= 0003287,25"), std::string::npos);
  // 4017.75 days after 2000 January 1.5 is 2011 January 1.25, 3287.25 days
  // after it 2008 December 31.75 (2000, 2004 and 2008 have 366 days).
  EXPECT_NE(Main.ScratchText2.find("\r\n12   IG= 2011"), std::string::npos);
  EXPECT_EQ(Main.PictureHeight, 26);
  EXPECT_EQ(Main.PictureScaleWidth, 52);
}

// A file of exactly 32000 records loads; one more record brings the message
// and nothing is drawn or filled in.
TEST_F(Form6Test, ThirtyTwoThousandRecordsLoadAndOneMoreIsRefused) {
  std::vector<Point> points(32000);
  for (std::size_t i = 0; i < points.size(); ++i) points[i].dT = 0.01 * i;
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0, points);
  Form6& form = openStatistics();
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(form.Text3.Text(), "32000");

  points.emplace_back();
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0, points);
  type(form.Text3, "25");
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text,
            "У Вас в файле 32001 записей. Это больше допустимых\r\n32000 записей. Надо переделать эксперимент "
            "увеличив NC0\r\nт.е. количество шагов для вывода данных в файл");
  EXPECT_EQ(boxes.last().title, "Celvan7");
  EXPECT_EQ(Main.RecordCount, 32001) << "the sample holds the whole file";
  EXPECT_EQ(form.Text3.Text(), "25") << "nothing is filled in";
}

// The count line is a capacity: fewer records read to the end of the file.
TEST_F(Form6Test, CountLineIsACapacity) {
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0, threeRecords(), false, 10);
  Form6& form = openStatistics();
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.RecordCount, 3);
}

struct Malformed {
  const char* name;
  std::string bytes;
};
// Printed by its name in the test output, not as the bytes of the struct.
void PrintTo(const Malformed& c, std::ostream* out) { *out << c.name; }

class Form6MalformedFile : public Form6Test, public ::testing::WithParamInterface<Malformed> {};

// A file that cannot be read as a series gives the read message with its
// path; what the window held as a sample is then no sample to edit.
TEST_P(Form6MalformedFile, GivesTheReadMessageAndHoldsNoSampleToEdit) {
  writeFileBytes("Plan1/Txt1/Celvan1Ras1.txt", GetParam().bytes);
  Form6& form = openStatistics();
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка чтения данных из файла\r\n\\Plan1\\Txt1\\Celvan1Ras1.txt");
  EXPECT_EQ(boxes.last().title, "Celvan7");
  EXPECT_EQ(Main.FileState, sample::kNoSample);

  click(form.Command1);  // "Удалить точку №"
  EXPECT_EQ(boxes.last().text, "У Вас не загружены первичные данные");
  EXPECT_EQ(fileBytes("Plan1/Txt1/Celvan1Ras1.txt"), GetParam().bytes) << "the file stays as it was";
}

const std::string kHeaderBytes = "a\r\nb\r\nc\r\nd\r\n";
const std::string kRecord = " 3  0  100  200  300  400  500  600 \r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, Form6MalformedFile,
    ::testing::Values(Malformed{"MoreRecordsThanTheCountLine", kHeaderBytes + " 1  245154500 \r\n" + kRecord + kRecord},
                      Malformed{"NotANumber", kHeaderBytes + " 2  245154500 \r\n" + kRecord +
                                                  " 4  0  1x0  200  300  400  500  600 \r\n"},
                      Malformed{"ShortRecord", kHeaderBytes + " 2  245154500 \r\n 3  0  100 \r\n"},
                      Malformed{"ShortHeader", "a\r\nb\r\n"},
                      Malformed{"NoRecords", kHeaderBytes + " 2  245154500 \r\n"},
                      Malformed{"NegativeCount", kHeaderBytes + "-2  245154500 \r\n" + kRecord},
                      Malformed{"CountBeyondALong", kHeaderBytes + " 1E+30  245154500 \r\n" + kRecord},
                      // Times no date can carry: a span of 10^10 days, one of
                      // 9.2·10^18 days (past the largest 64-bit day count), a
                      // start beyond any calendar.
                      Malformed{"SpanOfTenBillionDays",
                                kHeaderBytes + " 2  245154500 \r\n" + kRecord + " 4  1000000000000  1  2  3  4  5  6 \r\n"},
                      Malformed{"SpanBeyondA64BitDayCount",
                                kHeaderBytes + " 2  245154500 \r\n" + kRecord + " 4  9.2E+20  1  2  3  4  5  6 \r\n"},
                      Malformed{"StartBeyondAnyCalendar", kHeaderBytes + " 1  1E+30 \r\n" + kRecord}),
    [](const auto& info) { return std::string(info.param.name); });

// A file that cannot be opened: the message names it, and the sample held
// before stays with its file, kind, body and column.
TEST_F(Form6Test, MissingFileKeepsThePreviousSampleWithItsFile) {
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0, threeRecords());
  Form6& form = openStatistics();
  click(form.Command6);
  click(form.Option3[4]);
  click(form.Option4[5]);
  click(form.Option7);
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Не могу найти файл\r\n\\JPL\\Celvan4Nab.txt");
  EXPECT_EQ(Main.FilePath2, "\\Plan1\\Txt1\\Celvan1Ras1.txt");
  EXPECT_EQ(Main.FileState, sample::kModelSeries);
  EXPECT_EQ(Main.SelectedObject, 1);
  EXPECT_EQ(Main.SampleParameter, sample::kAlfaP);
  EXPECT_EQ(Main.RecordCount, 3);
}

TEST_F(Form6Test, BoxThatIsNoNumberRefusesTheLoadBeforeAnythingChanges) {
  Form6& form = openStatistics();
  Main.MT = 7;
  type(form.Text1, "abc");
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Задайте правильно данные");
  EXPECT_EQ(Main.MT, 7);
}

// A picture of 3000 square units or more is drawn only on the user's word:
// "No" leaves the picture and the boxes as they were, the sample loaded.
TEST_F(Form6Test, LargePictureIsDrawnOnlyOnTheUsersWord) {
  std::vector<Point> points = threeRecords();
  points[2].alfaP = 377.4596;  // 300 degrees at 0,1 a unit: 3000 units high
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0, points);
  Form6& form = openStatistics();
  boxes.queueAnswer(MsgBoxResult::No);
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Вы действительно хотите\r\nтакой большой график.\r\nЕсли Да, то придется подождать");
  EXPECT_EQ(boxes.last().buttons, MsgBoxButtons::YesNo);
  EXPECT_EQ(Main.MsgBoxAnswer, 7);
  EXPECT_EQ(Main.RecordCount, 3);
  EXPECT_EQ(form.Text3.Text(), "25");
  EXPECT_EQ(form.Picture1.widthPixels(), 249);

  boxes.queueAnswer(MsgBoxResult::Yes);
  click(form.Command6);
  EXPECT_EQ(Main.MsgBoxAnswer, 6);
  EXPECT_EQ(form.Text3.Text(), "3");
  EXPECT_EQ(form.Picture1.heightPixels(), static_cast<int>(std::lround(Main.PictureHeight * 24.9)));
}

// "Ser" in the group of imitators sets the group size to 1 whatever was
// loaded.
TEST_F(Form6Test, SerSetsTheGroupSizeToOne) {
  writeSeries("Plan1/Txt1/Celvan1Ras1.txt", 2451545.0, threeRecords());
  Form6& form = openStatistics();
  click(form.Option17);
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(form.Text4.Text(), "1");
}

}  // namespace
}  // namespace form6test
