// Tests of the pulsar parameter files: the layout of the stored line (print
// zones of 14 columns, whole millionths), the round trip of a pulsar pair's
// parameters, and the messages of a missing folder and a wrong number.
#include <fstream>
#include <sstream>
#include <string>

#include "Form25Fixture.h"
#include "core/runtime/TextFile.h"

namespace {

std::string readWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The third line: seven whole numbers, each starting a 14-column print zone.
TEST_F(Form25Test, SavedLineHoldsWholeMillionthsInPrintZones) {
  Form25& form = openTwoBodyWindow();
  type(form.Text2, "7");
  click(form.Command8);
  ASSERT_EQ(boxes.count(), 0);
  const std::string text = readWhole(folder_ / "Dat" / "Pulsar7.dat");
  const std::size_t third = text.find("\r\n", text.find("\r\n") + 2) + 2;
  // The start texts: 3,694E-8 and 3,004E-6 solar masses are 0 and 3
  // millionths; 0,055; 180°; 0°; 384 400 000 m; 60 s.
  const std::string expected = std::string("0             3             55000         180000000     ") +
                               "0             384400000     60000000\r\n";
  EXPECT_EQ(text.substr(third), expected);
  EXPECT_EQ(text.substr(0, text.find("\r\n")),
            utf8ToCp1251("km1= 1000000*m1 / mSol_____km2= 1000000*m2 / mSol___1000000*Eks___1000000*AlfaP "
            "град___1000000*Betta град___Rsr м___1000000*P0i сек"));
}

// A binary pulsar's pair (masses and orbit of the Hulse-Taylor pulsar,
// P0 = 0,059029997 s) saved and loaded back: every value keeps its six
// decimals; the mean longitude, node and periods show 0.
TEST_F(Form25Test, PulsarParametersSurviveTheRoundTrip) {
  Form25& form = openTwoBodyWindow();
  const struct {
    ui::TextBox Form25::*box;
    const char* typed;
    double loaded;
  } values[] = {{&Form25::Text4, "1,4398", 1.4398},   {&Form25::Text5, "1,3886", 1.3886},
                {&Form25::Text7, "0,6171334", 0.617133}, {&Form25::Text8, "292,54487", 292.54487},
                {&Form25::Text37, "47,2", 47.2},      {&Form25::Text10, "1950,1", 1950.1},
                {&Form25::Text22, "0,059029997", 0.059029}};
  for (const auto& v : values) type(form.*v.box, v.typed);
  type(form.Text2, "1913");
  click(form.Command8);
  for (const auto& v : values) type(form.*v.box, "99");
  type(form.Text1, "5");
  type(form.Text9, "7");
  click(form.Command7);
  ASSERT_EQ(boxes.count(), 0);
  for (const auto& v : values) {
    SCOPED_TRACE(v.typed);
    EXPECT_NEAR(shown(form.*v.box), v.loaded, 1.5e-6);
  }
  EXPECT_EQ(form.Text1.Text(), "0");
  EXPECT_EQ(form.Text9.Text(), "0");
  EXPECT_EQ(form.Text40.Text(), "0");
  EXPECT_EQ(form.Text13.Text(), "0");
}

TEST_F(Form25Test, FileMessagesNameTheFileOrTheNumber) {
  Form25& form = openTwoBodyWindow();
  const struct {
    const char* number;
    bool save;
    const char* message;
  } cases[] = {
      {"x", true, "Задайте номер файла"},
      {"x", false, "Задайте правильно данные"},
      {"5", false, "Не могу найти файл \\Dat\\Pulsar5.dat"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    type(form.Text2, c.number);
    click(c.save ? form.Command8 : form.Command7);
    ASSERT_GE(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, c.message);
    EXPECT_EQ(boxes.last().title, "Celvan7m");
  }
  std::filesystem::remove_all(folder_ / "Dat");
  type(form.Text2, "8");
  click(form.Command8);
  EXPECT_EQ(boxes.last().text, "Не могу найти файл \\Dat\\Pulsar8.dat");
}

// Form26: its start controls applied, and the 1/P0 display.
TEST_F(Form25Test, OptionsWindowAppliesItsStartControls) {
  Form25& form = openTwoBodyWindow();
  type(form.Text22, "3");
  click(form.Command5);
  Form26& options = form26();
  EXPECT_EQ(options.Text4.Text(), "0,333333");
  click(options.Command1);
  EXPECT_EQ(Main.N1 + Main.N2 + Main.LongScratch + Main.LastStateIndex + Main.GrDelayCurveFlag, 0);
  EXPECT_DOUBLE_EQ(Main.Z[27], 0.01);
  EXPECT_DOUBLE_EQ(Main.Z[28], 100000);
  EXPECT_DOUBLE_EQ(Main.Z[29], 1);
  EXPECT_DOUBLE_EQ(Main.Z[30], 0.001);
  EXPECT_DOUBLE_EQ(Main.Z[31], 0.001);
  EXPECT_DOUBLE_EQ(Main.DragWindow, 60);
  EXPECT_EQ(Main.kPgr2, 0);
  EXPECT_EQ(Main.TimeDirection, 1);
  EXPECT_EQ(Main.ForceModel, 1);
  EXPECT_EQ(Main.VsolConstFlag, 0);
  // A new load of the two-body window switches the options off again.
  setTicked(options.Check2, true);
  click(options.Command1);
  EXPECT_EQ(Main.N2, 1);
  form.Unload();
  openTwoBodyWindow();
  EXPECT_EQ(Main.N2, 0);
  EXPECT_EQ(Main.DragWindow, 0);
}

}  // namespace
