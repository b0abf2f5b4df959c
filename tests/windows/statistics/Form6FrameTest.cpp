// The drawing surface of the statistics window: the frame of a plot at 24.9
// pixels a unit with y upward, the points of a sample where their time and
// value put them, the scroll bars, the bitmap, and the buttons that open and
// close windows.
#include <QColor>
#include <QImage>

#include "model/Form2.h"
#include "statistics/Form15.h"
#include "statistics/Form9.h"
#include "tests/windows/statistics/Form6Fixture.h"

namespace form6test {
namespace {

// The pixel nearest to (x, y) in user units of a picture of width x height
// units.
QPoint pixelOf(const QImage& image, double width, double height, double x, double y) {
  return {static_cast<int>(std::lround(x * image.width() / width)),
          static_cast<int>(std::lround((height - y) * image.height() / height))};
}

QColor colourAt(const QImage& image, QPoint at) { return QColor(image.pixel(at)); }

// Centre of the pixels of one colour within a few pixels around `near`, or
// (-1, -1) when there are none.
QPointF centreOfColour(const QImage& image, QPoint near, QColor colour) {
  double sumX = 0, sumY = 0;
  int count = 0;
  for (int y = near.y() - 4; y <= near.y() + 4; ++y)
    for (int x = near.x() - 4; x <= near.x() + 4; ++x)
      if (image.valid(x, y) && QColor(image.pixel(x, y)) == colour) {
        sumX += x;
        sumY += y;
        ++count;
      }
  return count == 0 ? QPointF(-1, -1) : QPointF(sumX / count, sumY / count);
}

const QColor kGrid(200, 200, 200), kDeviationZero(150, 150, 150), kWhite(255, 255, 255);

// A plot frame of 10.4 x 6.5 units: 259 x 162 pixels; grey lines at every
// whole x from 1 and every whole y; the deviation zero darker on y = 5; the
// bottom in view.
TEST_F(Form6Test, PlotFrameHasItsGridOnTheUnitsOfThePicture) {
  Form6& form = openStatistics();
  Main.PictureScaleWidth = 10.4;
  Main.PictureHeight = 6.5;
  form.DrawSampleFrame();
  const QImage& image = form.Picture1.image();
  ASSERT_EQ(image.width(), 259);
  ASSERT_EQ(image.height(), 162);
  auto at = [&](double x, double y) { return colourAt(image, pixelOf(image, 10.4, 6.5, x, y)); };
  for (int x = 1; x <= 10; ++x) EXPECT_EQ(at(x, 3.3), kGrid) << "vertical line " << x;
  for (int y = 1; y <= 6; ++y)
    if (y != 5) {
      EXPECT_EQ(at(4.5, y), kGrid) << "horizontal line " << y;
    }
  EXPECT_EQ(at(4.5, 5), kDeviationZero);
  EXPECT_EQ(at(0.5, 5), kDeviationZero) << "the deviation zero runs across the whole width";
  EXPECT_EQ(at(0.5, 3.3), kWhite) << "no vertical line left of x = 1";
  EXPECT_EQ(at(4.5, 3.5), kWhite);
  EXPECT_EQ(form.VScroll1.Value(), 100);
  EXPECT_EQ(form.Picture1.topPixels(), 302 - 162 - 4);
}

// A listing gets a clear picture, opened at its top.
TEST_F(Form6Test, ListingFrameIsClearAndOpensAtItsTop) {
  Form6& form = openStatistics();
  click(form.Check2);
  Main.PictureScaleWidth = 52;
  Main.PictureHeight = 30;
  form.DrawSampleFrame();
  const QImage& image = form.Picture1.image();
  EXPECT_EQ(image.width(), 1295);
  for (int y = 0; y < image.height(); y += 37)
    for (int x = 0; x < image.width(); x += 41) ASSERT_EQ(QColor(image.pixel(x, y)), kWhite);
  EXPECT_EQ(form.VScroll1.Value(), 0);
  EXPECT_EQ(form.Picture1.topPixels(), 0);
}

// The bars pan the picture under its frame of 780 x 302 pixels: left =
// (picture width - frame width) x (-value) / 100, top = (frame height -
// picture height - 4) x value / 100.
TEST_F(Form6Test, ScrollBarsPanThePictureUnderItsFrame) {
  Form6& form = openStatistics();
  click(form.Check2);
  Main.PictureScaleWidth = 52;
  Main.PictureHeight = 40;  // 1295 x 996 pixels
  form.DrawSampleFrame();
  ui::dragAsUser(form.VScroll1, 50);
  EXPECT_EQ(form.Picture1.topPixels(), (302 - 996 - 4) / 2);
  ui::dragAsUser(form.HScroll1, 100);
  EXPECT_EQ(form.Picture1.leftPixels(), -(1295 - 780));
  ui::stepAsUser(form.HScroll1, -50);
  EXPECT_EQ(form.Picture1.leftPixels(), static_cast<int>(std::lround(-(1295 - 780) * 0.5)));
}

// Each record of the plot sits at the middle of its interval, (dT + ddT / 2)
// / 365.25 / MT + 1 across, (value - Ymin) / MP + 1 up, in the colour of its
// colour number.
TEST_F(Form6Test, SamplePointsStandWhereTheirTimeAndValuePutThem) {
  std::vector<Point> points(4);
  const double days[4] = {0, 3000, 9000, 15000}, values[4] = {77.2, 77.9, 77.5, 78.3};
  for (int i = 0; i < 4; ++i) {
    points[i].dT = days[i];
    points[i].ddT = 2000;
    points[i].ves = 1;
    points[i].alfaP = values[i];
  }
  writeSeries("Ser/Plan1/Celvan1Nab.txt", 2451545.0, points, true);
  Form6& form = openStatistics();
  click(form.Option7);
  click(form.Option17);
  type(form.Text1, "5");   // MT
  type(form.Text2, "0,2");  // MP
  type(form.Text31, "3");
  click(form.Command6);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const double width = (15000 + 2000) / 365.25 / 5 + 2, height = std::trunc(78.3 / 0.2 - 77.2 / 0.2) + 3;
  EXPECT_DOUBLE_EQ(Main.PictureScaleWidth, width);
  EXPECT_EQ(Main.PictureHeight, height);
  const QImage& image = form.Picture1.image();
  const QColor colour(Main.ColorR[3], Main.ColorG[3], Main.ColorB[3]);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const double x = (days[i] + 1000) / 365.25 / 5 + 1, y = (values[i] - 77.2) / 0.2 + 1;
    const QPointF expected(x * image.width() / width, (height - y) * image.height() / height);
    const QPointF drawn = centreOfColour(image, expected.toPoint(), colour);
    EXPECT_NEAR(drawn.x(), expected.x(), 1.0);
    EXPECT_NEAR(drawn.y(), expected.y(), 1.0);
  }
}

// "Сохранить график как": the whole picture, whatever part of it is in view,
// as "\Risunki\" & name & ".bmp", replaced by the next save; without the
// folder the message and no file.
TEST_F(Form6Test, BitmapHoldsTheWholePicture) {
  Form6& form = openStatistics();
  Main.PictureScaleWidth = 40;
  Main.PictureHeight = 20;
  form.DrawSampleFrame();
  ui::dragAsUser(form.HScroll1, 60);
  click(form.Command7);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  QImage saved(QString::fromStdString(path("Risunki/Celvan1.bmp").string()), "BMP");
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.size(), form.Picture1.image().size());
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), form.Picture1.image().convertToFormat(QImage::Format_RGB32));

  Main.PictureScaleWidth = 10;
  form.DrawSampleFrame();
  click(form.Command7);
  EXPECT_EQ(QImage(QString::fromStdString(path("Risunki/Celvan1.bmp").string()), "BMP").width(), 249);

  std::filesystem::remove_all(path("Risunki"));
  type(form.Text26, "Другой");
  click(form.Command7);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка записи файла");
  EXPECT_EQ(boxes.last().title, "Celvan7");
}

// A picture name with a path separator or ".." is refused with the save's
// message: no picture is written outside "Risunki".
TEST_F(Form6Test, BitmapNameLeadingOutOfItsFolderIsRefused) {
  Form6& form = openStatistics();
  for (const char* name : {"../outside", "Sub/inner", "..\\outside", ".."}) {
    SCOPED_TRACE(name);
    boxes.clear();
    type(form.Text26, name);
    click(form.Command7);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text.rfind("Ошибка записи файла", 0), 0u) << boxes.last().text;
  }
  EXPECT_FALSE(std::filesystem::exists(path("outside.bmp")));
  EXPECT_FALSE(std::filesystem::exists(path("Risunki/...bmp")));
  EXPECT_TRUE(std::filesystem::is_empty(path("Risunki")));
}

TEST_F(Form6Test, ButtonsOpenAndCloseTheirWindows) {
  click(form1().Command1);  // "К моделированию"
  click(form2().Command3);  // "К статистике"
  ASSERT_TRUE(ui::isFormLoaded<Form6>());
  Form6& form = form6();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.Caption(), "Статистическая обработка параметров орбит             Celvan7m  - форма 6");

  click(form.Command15);  // "Файлы*"
  ASSERT_TRUE(ui::isFormLoaded<Form9>());
  EXPECT_TRUE(form9().Visible());
  EXPECT_EQ(form9().Caption(), "Файловая система программы      Celvan7m   -  форма 9");
  click(form9().Command1);  // "Закрыть форму"
  EXPECT_FALSE(ui::isFormLoaded<Form9>());

  click(form.Command16);  // "К плану"
  ASSERT_TRUE(ui::isFormLoaded<Form15>());
  EXPECT_TRUE(form15().Visible());

  click(form.Command3);  // "Закрыть форму"
  EXPECT_FALSE(ui::isFormLoaded<Form6>());
  EXPECT_TRUE(ui::isFormLoaded<Form15>());
}

// Opening the window: nothing is loaded, and its dates are in the calendar
// of mode 0 with days from 0 h.
TEST_F(Form6Test, OpeningHoldsNoSampleAndSetsTheCalendar) {
  Main.FileState = 10;
  Main.MsgBoxAnswer = 1;
  Main.CalendarMode = 2;
  Main.DayStartHour = 12;
  openStatistics();
  EXPECT_EQ(Main.FileState, sample::kNoSample);
  EXPECT_EQ(Main.MsgBoxAnswer, 0);
  EXPECT_EQ(Main.PrintLineY, 5);
  EXPECT_EQ(Main.CalendarMode, 0);
  EXPECT_EQ(Main.DayStartHour, 0);
}

}  // namespace
}  // namespace form6test
