// The plan window over observations: the plan over the ticked orbit
// parameters, the template of the observed object's elements, and the
// plan-experiment file written and read back.
#include <QLabel>
#include <QLayout>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "core/stat/Stat.h"
#include "observations/Form13.h"
#include "windows/observations/Form10Fixture.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180;

class Form13Test : public Form10Test {
 protected:
  // The plan window as the observation window's load leaves it.
  Form13& openPlanWindow() {
    openWindow();
    return form13();
  }

  // Ticks exactly the parameters given.
  static void tickFactors(Form13& plan, const std::vector<int>& factors) {
    for (int i = 1; i <= 9; ++i) setTicked(plan.Check1[i], false);
    for (int i : factors) setTicked(plan.Check1[i], true);
  }

  // Every box of the plan, the observation window's dates and precession
  // rate, and the plan title, as one text to compare.
  static std::string planSnapshot(Form13& plan) {
    std::string text;
    for (int i = 1; i <= 9; ++i)
      text += plan.Text1[i].Text() + "|" + plan.Text2[i].Text() + "|" + plan.Text3[i].Text() + "|" +
              plan.Text4[i].Text() + "\n";
    const Form10& observations = form10();
    return text + plan.Text5.Text() + "|" + plan.Text6.Text() + "|" + plan.Text7.Text() + "|" +
           observations.Text47.Text() + "|" + observations.Text2.Text() + "." + observations.Text3.Text() + "." +
           observations.Text4.Text() + "-" + observations.Text65.Text() + "|" + Main.TextLines[2];
  }
};

// The window opens with the default plan (parameters 2..5, "Orto": a
// central composite plan of 2^4 + 2·4 + 1 runs, which the observation
// window takes as its last experiment) and the template of the Moon, the
// observation window's default object, at its default date.
TEST_F(Form13Test, OpensWithTheDefaultPlanAndTheTemplate) {
  Form13& plan = openPlanWindow();
  EXPECT_EQ(Stat.Nf, 4);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(Stat.FactorIndex[j], j + 1);
  EXPECT_EQ(Stat.RunCount, 16 + 8 + 1);
  EXPECT_EQ(form10().Text27.Text(), "25");
  const char* intervals[] = {"10", "0,0001", "0,01", "0,1", "0,1", "0,001", "0,01", "0,1", "0,1"};
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(plan.Text2[i].Text(), intervals[i - 1]) << i;
    EXPECT_EQ(plan.Text3[i].Text(), "0") << i;
  }
  EXPECT_EQ(plan.Text5.Text() + plan.Text6.Text() + plan.Text7.Text(), "000");
  EXPECT_EQ(form10().Text65.Text(), "2020");
  EXPECT_EQ(plan.Label20.Caption(), "11  (с 1,5.1.2000 по 2020)");
  EXPECT_EQ(Main.TextLines[2], "шаблон файла данных плана эксперимента");
  EXPECT_EQ(Main.PlanNumber, 1);
  EXPECT_EQ(boxes.count(), 0);
}

// Each coded-optimum box has its label "X1opt=" .. "X9opt=" on its row,
// just left of it.
TEST_F(Form13Test, EachCodedOptimumBoxIsLabelledWithItsParameter) {
  Form13& plan = openPlanWindow();
  plan.Show();
  plan.window()->layout()->activate();
  const QList<QLabel*> labels = plan.window()->findChildren<QLabel*>();
  for (int i = 1; i <= 9; ++i) {
    SCOPED_TRACE(i);
    const QString text = QString("X%1opt=").arg(i);
    const auto label = std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == text; });
    ASSERT_NE(label, labels.end());
    const QRect box = plan.Text3[i].widget()->geometry();
    const QRect caption = (*label)->geometry();
    EXPECT_TRUE(caption.center().y() >= box.top() && caption.center().y() <= box.bottom());
    EXPECT_LE(caption.right(), box.left());
    EXPECT_GT(caption.right(), box.left() - 20);
  }
}

// The rates of the Moon's perigee and node, 4069.037111 and -1934.136185
// degrees per Julian century on the equinox of the date, become radians;
// on J2000 the general precession, 5029" per century, comes off both, for
// every object.
TEST_F(Form13Test, TemplateRatesOfThePerigeeAndTheNode) {
  const double precession = 5029.0 / 3600;
  struct Case {
    int object;
    bool j2000;
    double perigeeDegrees, nodeDegrees;
  };
  const Case cases[] = {{11, true, 4069.037111 - precession, -1934.136185 - precession},
                        {11, false, 4069.037111, -1934.136185},
                        {4, true, -precession, -precession},
                        {4, false, 0, 0}};
  Form13& plan = openPlanWindow();
  Form10& observations = form10();
  for (const Case& c : cases) {
    type(observations.Text1, std::to_string(c.object));
    click(c.j2000 ? observations.Option13 : observations.Option14);
    click(plan.Command1);
    EXPECT_NEAR(shown(plan.Text1[8]), c.perigeeDegrees * kDegree, 1e-9) << c.object << c.j2000;
    EXPECT_NEAR(shown(plan.Text1[9]), c.nodeDegrees * kDegree, 1e-9) << c.object << c.j2000;
  }
  EXPECT_EQ(boxes.count(), 0);
}

// Mars at J2000.0 (1,5 January 2000, T = 0): the zero levels are the
// constants of Standish's table of approximate elements (a = 1.52371034
// AU, e = 0.0933941, i = 1.84969142°, ϖ = 336.05637041°, Ω = 49.55953891°,
// L = -4.55343205°, dL/dt = 19140.30268499° per century), in the units and
// to the decimals of the boxes. The model's own elements stay as they were.
TEST_F(Form13Test, TemplateOfMarsHoldsItsElementsAtJ2000) {
  Form13& plan = openPlanWindow();
  const double marsLongitude = Main.AlfaL[4], marsAxis = Main.Rsr[4];
  type(form10().Text1, "4");
  click(plan.Command1);
  const double au = 149597870.7;  // km
  EXPECT_NEAR(shown(plan.Text1[1]), 1.52371034 * au / 1000, 0.001);
  EXPECT_NEAR(shown(plan.Text1[2]), 0.0933941, 1e-9);
  EXPECT_NEAR(shown(plan.Text1[3]), 1.84969142, 1e-9);
  EXPECT_NEAR(shown(plan.Text1[4]), 336.05637041, 1e-9);
  EXPECT_NEAR(shown(plan.Text1[5]), 49.55953891, 1e-9);
  EXPECT_NEAR(shown(plan.Text1[6]), 19140.30268499 * kDegree, 1e-8);
  EXPECT_NEAR(shown(plan.Text1[7]), -4.55343205, 1e-6);
  for (int i = 1; i <= 9; ++i) EXPECT_NEAR(shown(plan.Text4[i]), shown(plan.Text1[i]), 1e-6) << i;
  EXPECT_EQ(Main.AlfaL[4], marsLongitude);
  EXPECT_EQ(Main.Rsr[4], marsAxis);
  EXPECT_EQ(plan.Label20.Caption(), "4  (с 1,5.1.2000 по 2020)");
}

// The factors are the ticked parameters in ascending order; 2 to 6 of them
// make a plan, any other count is refused and the plan in force stays.
TEST_F(Form13Test, CreatingAPlanTakesTwoToSixTickedParameters) {
  Form13& plan = openPlanWindow();
  struct Case {
    std::vector<int> ticked;
    bool roto;
    bool built;
  };
  const Case cases[] = {{{7, 2, 5}, true, true},
                        {{1, 9}, false, true},
                        {{4}, false, false},
                        {{1, 2, 3, 4, 5, 6, 7}, true, false},
                        {{1, 2, 3, 4, 5, 6}, false, true}};
  for (const Case& c : cases) {
    boxes.clear();
    const int factorsBefore = Stat.Nf, runsBefore = Stat.RunCount;
    tickFactors(plan, c.ticked);
    click(c.roto ? plan.Option4 : plan.Option5);
    click(plan.Command4);
    const int k = static_cast<int>(c.ticked.size());
    if (!c.built) {
      ASSERT_EQ(boxes.count(), 1) << k;
      EXPECT_EQ(boxes.last().text, "К-во факторов должно быть от 2 до 6");
      EXPECT_EQ(boxes.last().title, "Celvan7");
      EXPECT_EQ(Stat.Nf, factorsBefore);
      EXPECT_EQ(Stat.RunCount, runsBefore);
      continue;
    }
    EXPECT_EQ(boxes.count(), 0) << k;
    std::vector<int> ascending = c.ticked;
    std::sort(ascending.begin(), ascending.end());
    ASSERT_EQ(Stat.Nf, k);
    for (int j = 1; j <= k; ++j) EXPECT_EQ(Stat.FactorIndex[j], ascending[j - 1]) << k << " " << j;
    EXPECT_EQ(Stat.PlanType, c.roto ? 2 : 1);
    EXPECT_EQ(Stat.RunCount, (1 << k) + 2 * k + Stat.N0);
    EXPECT_EQ(form10().Text27.Text(), std::to_string(Stat.RunCount));
  }
}

// Values typed into the boxes come back from the file as the file keeps
// them: parameter 1 in whole km, the mean longitude's zero level to six
// decimals, the other zero levels to nine, intervals and optima to six; the
// file's name carries the observatory, the object, the observation file
// and the experiment; written again, the plan gives the same file.
TEST_F(Form13Test, PlanExperimentFileRoundTrip) {
  chooseGreenwich(kMars);
  std::filesystem::create_directories(programFile("Obs/Plan2"));
  Form13& plan = form13();
  struct Typed {
    ui::TextBox* box;
    const char* typed;
    const char* readBack;
  };
  const Typed values[] = {{&plan.Text1[1], "227939,3661239", "227939,366"},
                          {&plan.Text2[1], "12,3456", "12,345"},
                          {&plan.Text3[1], "0,1234567", "0,123456"},
                          {&plan.Text4[1], "227950,0009", "227950"},
                          {&plan.Text1[2], "0,0933941234567", "0,093394123"},
                          {&plan.Text2[3], "0,0125", "0,0125"},
                          {&plan.Text3[4], "-1,41421356", "-1,414213"},
                          {&plan.Text4[5], "49,5612345678", "49,561234"},
                          {&plan.Text1[7], "355,123456789", "355,123456"},
                          {&plan.Text1[8], "-33,781421234", "-33,781421234"},
                          {&plan.Text5, "12,5", "12,5"},
                          {&plan.Text7, "-0,25", "-0,25"},
                          {&form10().Text47, "5030,1234567", "5030,123456"}};
  for (const Typed& v : values) type(*v.box, v.typed);
  type(plan.Text26, "2");
  type(plan.Text27, "3");
  click(plan.Command2);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const std::string path = "Obs/Plan2/GREN4_100_3.dat";
  ASSERT_TRUE(programFileExists(path));
  const std::vector<std::string> lines = fileLines(path);
  ASSERT_EQ(lines.size(), 45u + Stat.RunCount);

  for (const Typed& v : values) type(*v.box, "1");
  type(form10().Text2, "7");
  click(plan.Option1);  // "файла"
  click(plan.Command1);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  for (const Typed& v : values) EXPECT_EQ(v.box->Text(), v.readBack) << v.typed;
  EXPECT_EQ(Main.TextLines[2], lines[0]);
  EXPECT_EQ(form10().Text2.Text() + "." + form10().Text4.Text(), "1,5.2003");

  const std::string firstText = planSnapshot(plan);
  click(plan.Command2);
  EXPECT_EQ(fileLines(path), lines);
  click(plan.Command1);
  EXPECT_EQ(planSnapshot(plan), firstText);
  EXPECT_EQ(boxes.count(), 0);
}

// The title is the whole first line, commas and all (an observatory code
// typed with a comma puts one there).
TEST_F(Form13Test, TheTitleIsReadAsOneLine) {
  Form10& observations = openWindow();
  click(observations.Option2);
  type(observations.Text1, "4");
  type(observations.Text59, "A,B");
  click(observations.Option9[7]);  // its observation file is missing: a message
  boxes.clear();
  std::filesystem::create_directories(programFile("Obs/Plan1"));
  Form13& plan = form13();
  click(plan.Command2);
  const std::vector<std::string> lines = fileLines("Obs/Plan1/A,B4_100_1.dat");
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("для A,B в эпохе J2000 по R от "), std::string::npos) << lines[0];
  Main.TextLines[2].clear();
  click(plan.Option1);
  click(plan.Command1);
  EXPECT_EQ(Main.TextLines[2], lines[0]);
  EXPECT_EQ(boxes.count(), 0);
}

// What cannot be read or written is named, an experiment number that names
// no experiment (0, -1, a fraction) is refused, and the plan stays as it was.
TEST_F(Form13Test, RefusedLoadsAndWritesChangeNothing) {
  chooseGreenwich(kMars);
  std::filesystem::create_directories(programFile("Obs/Plan1"));
  Form13& plan = form13();
  click(plan.Command2);  // \Obs\Plan1\GREN4_100_1.dat
  ASSERT_EQ(boxes.count(), 0);
  const std::string whole = fileBytes("Obs/Plan1/GREN4_100_1.dat");
  std::string::size_type end = 0;
  for (int line = 1; line <= 8; ++line) end = whole.find("\r\n", end) + 2;
  writeFileBytes("Obs/Plan1/GREN4_100_2.dat", whole.substr(0, end));  // ends after parameter 4
  type(plan.Text1[3], "1,75");
  const std::string before = planSnapshot(plan);

  struct Case {
    const char* plan;
    const char* experiment;
    bool fromFile;
    bool write;
    std::string message;
  };
  const Case cases[] = {
      {"1", "9", true, false, "Не могу найти файл\r\n\\Obs\\Plan1\\GREN4_100_9.dat"},
      {"1", "2", true, false, "Ошибка чтения данных из файла\r\n\\Obs\\Plan1\\GREN4_100_2.dat"},
      {"x", "1", true, false, "Введите правильно номер плана и опыта"},
      {"1", "", false, true, "Задайте правильно номер плана и опыта"},
      {"1", "0", false, true, "Задайте правильно номер плана и опыта"},
      {"1", "-1", false, true, "Задайте правильно номер плана и опыта"},
      {"1", "1,5", true, false, "Введите правильно номер плана и опыта"},
      {"3", "1", false, true,
       "Ошибка при записи данных в файл\r\n\\Obs\\Plan3\\GREN4_100_1.dat\r\n" +
           programFile("Obs/Plan3/GREN4_100_1.dat").string() + ": нет такого файла или папки"},
  };
  for (const Case& c : cases) {
    boxes.clear();
    type(plan.Text26, c.plan);
    type(plan.Text27, c.experiment);
    click(c.fromFile ? plan.Option1 : plan.Option2);
    click(c.write ? plan.Command2 : plan.Command1);
    ASSERT_EQ(boxes.count(), 1) << c.message;
    EXPECT_EQ(boxes.last().text, c.message);
    EXPECT_EQ(boxes.last().title, "Celvan7");
    EXPECT_EQ(planSnapshot(plan), before) << c.message;
  }
  EXPECT_FALSE(programFileExists("Obs/Plan3"));
  EXPECT_FALSE(programFileExists("Obs/Plan1/GREN4_100_0.dat"));
  EXPECT_FALSE(programFileExists("Obs/Plan1/GREN4_100_-1.dat"));
}

}  // namespace
