// Tests of the pulsar parameter files: the layout of the stored line (print
// zones of 14 columns, the values with their digits), the round trip of a
// pulsar pair's parameters, the earlier layout of whole millionths, and the
// messages of a missing folder and a wrong number.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Form25Fixture.h"
#include "science/twobody/TwoBody.h"
#include "core/runtime/TextFile.h"
#include "core/state/ModelStartData.h"

namespace {

std::string readWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The third line: the seven values of the boxes as numbers with a decimal
// point, each starting a 14-column print zone, in the units of the boxes
// (the mean distance in metres): the start texts keep m1 = 3,694E-8 solar
// masses, which whole millionths would turn into 0.
TEST_F(Form25Test, SavedLineHoldsTheBoxValuesInPrintZones) {
  Form25& form = openTwoBodyWindow();
  type(form.Text2, "7");
  click(form.Command8);
  ASSERT_EQ(boxes.count(), 0);
  const std::string text = readWhole(folder_ / "Dat" / "Pulsar7.dat");
  const std::size_t third = text.find("\r\n", text.find("\r\n") + 2) + 2;
  const std::string expected = std::string(" 3.694E-08     3.004E-06     0.055         180           0") +
                               "             384400000     60\r\n";
  EXPECT_EQ(text.substr(third), expected);
  EXPECT_EQ(text.substr(0, text.find("\r\n")),
            utf8ToCp1251("m1 / mSol_____m2 / mSol___Eks___AlfaP град___Betta град___Rsr м___P0i сек"));
}

// A binary pulsar's pair (masses and orbit of the Hulse-Taylor pulsar,
// P0 = 0,059029997 s) and the window's start pair saved and loaded back:
// every value reads back as typed; the mean longitude, node and periods
// show 0.
TEST_F(Form25Test, PulsarParametersSurviveTheRoundTrip) {
  Form25& form = openTwoBodyWindow();
  struct Value {
    ui::TextBox Form25::*box;
    const char* typed;
  };
  const std::vector<std::vector<Value>> pairs = {
      {{&Form25::Text4, "1,4398"}, {&Form25::Text5, "1,3886"}, {&Form25::Text7, "0,6171334"},
       {&Form25::Text8, "292,54487"}, {&Form25::Text37, "47,2"}, {&Form25::Text10, "1950,1"},
       {&Form25::Text22, "0,059029997"}},
      {{&Form25::Text4, "3,694E-8"}, {&Form25::Text5, "3,004E-6"}, {&Form25::Text7, "0,055"},
       {&Form25::Text8, "180"}, {&Form25::Text37, "0"}, {&Form25::Text10, "384,4"},
       {&Form25::Text22, "60"}}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair[0].typed);
    for (const Value& v : pair) type(form.*v.box, v.typed);
    type(form.Text2, "1913");
    click(form.Command8);
    for (const Value& v : pair) type(form.*v.box, "99");
    type(form.Text1, "5");
    type(form.Text9, "7");
    click(form.Command7);
    ASSERT_EQ(boxes.count(), 0);
    for (const Value& v : pair) EXPECT_EQ(shown(form.*v.box), CDbl(v.typed)) << v.typed;
    EXPECT_EQ(form.Text1.Text(), "0");
    EXPECT_EQ(form.Text9.Text(), "0");
    EXPECT_EQ(form.Text40.Text(), "0");
    EXPECT_EQ(form.Text13.Text(), "0");
  }
}

// A file of the earlier layout (whole millionths under the title
// "km1= 1000000*m1 ...", the mean distance in whole metres) still loads.
TEST_F(Form25Test, AFileOfTheEarlierLayoutStillLoads) {
  Form25& form = openTwoBodyWindow();
  writeFileBytes("Dat/Pulsar1913.dat",
                 utf8ToCp1251("km1= 1000000*m1 / mSol_____km2= 1000000*m2 / mSol___1000000*Eks___"
                              "1000000*AlfaP град___1000000*Betta град___Rsr м___1000000*P0i сек\r\n"
                              "  \r\n") +
                     " 1439800       1388600       617133        292544870     47200000      "
                     "1950100000    59029\r\n");
  type(form.Text2, "1913");
  click(form.Command7);
  ASSERT_EQ(boxes.count(), 0);
  EXPECT_DOUBLE_EQ(shown(form.Text4), 1.4398);
  EXPECT_DOUBLE_EQ(shown(form.Text5), 1.3886);
  EXPECT_DOUBLE_EQ(shown(form.Text7), 0.617133);
  EXPECT_DOUBLE_EQ(shown(form.Text8), 292.54487);
  EXPECT_DOUBLE_EQ(shown(form.Text37), 47.2);
  EXPECT_DOUBLE_EQ(shown(form.Text10), 1950.1);
  EXPECT_DOUBLE_EQ(shown(form.Text22), 0.059029);
}

// Saving and loading a file leave the model's base step and start data
// alone: the file's numbers go only between the boxes and the file.
TEST_F(Form25Test, TheFileButtonsTouchNothingOfTheModel) {
  Form25& form = openTwoBodyWindow();
  Main.P00 = 3600;
  const ModelStartData model = currentModelStartData();
  type(form.Text2, "1913");
  click(form.Command8);
  click(form.Command7);
  ASSERT_EQ(boxes.count(), 0);
  EXPECT_EQ(Main.P00, 3600);
  EXPECT_TRUE(currentModelStartData() == model);
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
  EXPECT_EQ(boxes.last().text, "Не могу найти файл \\Dat\\Pulsar8.dat\r\n" + programFile("Dat/Pulsar8.dat").string() +
                                   ": нет такого файла или папки");
}

// Form26: its start controls applied, and the 1/P0 display.
TEST_F(Form25Test, OptionsWindowAppliesItsStartControls) {
  Form25& form = openTwoBodyWindow();
  type(form.Text22, "3");
  click(form.Command5);
  Form26& options = form26();
  EXPECT_EQ(options.Text4.Text(), "0,333333");
  click(options.Command1);
  const twobody::TimingOptions& o = form.Timing;
  EXPECT_FALSE(o.pulseRateCurve || o.velocityCurve || o.roemerCurve || o.srDelayCurve ||
               o.grDelayCurve);
  EXPECT_DOUBLE_EQ(o.pulseRateScale, 0.01);
  EXPECT_DOUBLE_EQ(o.velocityScale, 100000);
  EXPECT_DOUBLE_EQ(o.roemerScale, 1);
  EXPECT_DOUBLE_EQ(o.srDelayScale, 0.001);
  EXPECT_DOUBLE_EQ(o.grDelayScale, 0.001);
  EXPECT_DOUBLE_EQ(o.dragWindow, 60);
  EXPECT_EQ(o.dragCoefficient, 0);
  EXPECT_EQ(o.timeDirection, 1);
  EXPECT_EQ(o.velocitySign, 1);
  EXPECT_FALSE(o.delaysFromNode);
  // A new load of the two-body window switches the options off again.
  setTicked(options.Check2, true);
  click(options.Command1);
  EXPECT_TRUE(o.velocityCurve);
  form.Unload();
  const twobody::TimingOptions& fresh = openTwoBodyWindow().Timing;
  EXPECT_FALSE(fresh.velocityCurve);
  EXPECT_EQ(fresh.dragWindow, 0);
}

}  // namespace
