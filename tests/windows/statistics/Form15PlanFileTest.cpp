// The plan file of the optimisation window: "Сохранить" writes the factor
// boxes as whole millionths cut toward zero and the weights; "2-Загрузить
// параметры плана №" reads them back into the boxes; every failure has its
// message.
#include "tests/windows/statistics/Form15Fixture.h"

namespace {

// Levels typed into the zero-level boxes and the whole millionths the file
// must hold for them (cut toward zero).
struct Level {
  const char* typed;
  long long millionths;
};
constexpr Level kLevels[] = {{"0,000249", 249},         {"-1,2345678", -1234567}, {"12,3456789", 12345678},
                             {"-0,0000005", 0},         {"1047,355", 1047355000}, {"0,29", 290000},
                             {"-408523,71", -408523710000}};

// The first number of a line of whole numbers.
long long firstNumber(const std::string& line) { return std::stoll(line); }

TEST_F(Form15Test, SaveThenLoadGivesBackTheLevelsInWholeMillionths) {
  Form15& form = openOptimisationWindow();
  type(form.Text4, "2");
  for (int i = 1; i <= 7; ++i) {
    type(form.Text11[i], kLevels[i - 1].typed);
    type(form.Text12[i], "0,5");
    type(form.Text14[i], "-0,75");
    type(form.Text15[i], "3");
  }
  click(form.Command12);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  const std::vector<std::string> saved = readLines("Plan2/CelvanPlan2.dat");
  ASSERT_EQ(saved.size(), 20u);
  EXPECT_EQ(saved[0], "Уровни варьирования плана № 2");
  EXPECT_EQ(saved[1], "Orto - для  4  факторов ");
  EXPECT_EQ(saved[9], "весовые коэффициенты смещений параметров орбит планет");
  for (int i = 1; i <= 7; ++i) {
    SCOPED_TRACE(kLevels[i - 1].typed);
    EXPECT_EQ(firstNumber(saved[1 + i]), kLevels[i - 1].millionths);
    EXPECT_NE(saved[1 + i].find(" 500000 "), std::string::npos);
    EXPECT_NE(saved[1 + i].find("-750000 "), std::string::npos);
    EXPECT_NE(saved[1 + i].find(" 3000000 "), std::string::npos);
  }

  for (int i = 1; i <= 7; ++i) type(form.Text11[i], "7");
  click(form.Command14);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.PlanNumber, 2);
  for (int i = 1; i <= 7; ++i) {
    SCOPED_TRACE(kLevels[i - 1].typed);
    EXPECT_DOUBLE_EQ(shown(form.Text11[i]), kLevels[i - 1].millionths / 1e6);
    EXPECT_DOUBLE_EQ(Stat.ZeroLevels[i], kLevels[i - 1].millionths / 1e6);
    EXPECT_DOUBLE_EQ(shown(form.Text12[i]), 0.5);
    EXPECT_DOUBLE_EQ(shown(form.Text14[i]), -0.75);
    EXPECT_DOUBLE_EQ(shown(form.Text15[i]), 3);
  }

  // Saved again as loaded, the file does not change by a digit.
  click(form.Command12);
  EXPECT_EQ(readLines("Plan2/CelvanPlan2.dat"), saved);
}

// A load puts X0 + dX into the natural-value box of a ticked factor and X0
// into that of the others, whatever the plan was created with.
TEST_F(Form15Test, LoadShowsTheNaturalValueOfTickedFactorsOneIntervalUp) {
  std::array<FactorRow, 7> factors = unitFactors();
  factors[0] = {1500000, 250000, -500000, 1375000};  // X1 ticked
  factors[4] = {2000000, 100000, 0, 0};              // X5 not ticked
  writePlanFile(1, factors, uniformWeights("100"));
  Form15& form = openOptimisationWindow();
  click(form.Command14);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_DOUBLE_EQ(shown(form.Text13[1]), 1.75);
  EXPECT_DOUBLE_EQ(shown(form.Text13[5]), 2);
  EXPECT_DOUBLE_EQ(shown(form.Text14[1]), -0.5);
  EXPECT_DOUBLE_EQ(shown(form.Text15[1]), 1.375);
  EXPECT_DOUBLE_EQ(Stat.ShiftWeights(10, 6), 100);
}

// Weights are unscaled numbers: whole and fractional ones read back as
// written, through a load and a save of the window.
TEST_F(Form15Test, WeightsReadBackAsWritten) {
  std::array<WeightRow, 10> weights = uniformWeights("0");
  weights[2][0] = "50";
  weights[1][3] = "12.5";
  weights[9][5] = "0.001";
  writePlanFile(1, unitFactors(), weights);
  Form15& form = openOptimisationWindow();
  click(form.Command14);
  click(form.Command12);
  for (int p = 1; p <= 10; ++p)
    for (int s = 1; s <= 6; ++s) Stat.ShiftWeights(p, s) = -1;
  click(form.Command14);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_DOUBLE_EQ(Stat.ShiftWeights(3, 1), 50);
  EXPECT_DOUBLE_EQ(Stat.ShiftWeights(2, 4), 12.5);
  EXPECT_DOUBLE_EQ(Stat.ShiftWeights(10, 6), 0.001);
  EXPECT_DOUBLE_EQ(Stat.ShiftWeights(1, 1), 0);
}

// Each failure of the plan-file buttons gives its message and keeps what
// was read before it: the factor rows of a file cut short stay read, a
// refused save keeps the levels typed and writes no file.
TEST_F(Form15Test, PlanFileFailuresGiveTheirMessages) {
  Form15& form = openOptimisationWindow();

  type(form.Text4, "первый");
  click(form.Command14);
  EXPECT_EQ(boxes.last().text, "Задайте правильно данные");
  EXPECT_EQ(boxes.last().title, "Celvan7m");

  type(form.Text4, "7");
  click(form.Command14);
  EXPECT_EQ(boxes.last().text, "Не могу найти файл \\Plan7\\CelvanPlan7.dat");
  EXPECT_EQ(boxes.last().title, "Celvan7m");

  // A file cut after three factor rows: those rows are read and kept.
  writeLines("Plan1/CelvanPlan1.dat",
             {"Уровни варьирования плана № 1", "Orto - для  2  факторов ", " 1000000  1  0  0 ", " 2000000  1  0  0 ",
              " 3000000  1  0  0 "});
  type(form.Text4, "1");
  click(form.Command14);
  EXPECT_EQ(boxes.last().text, "Ошибка при чтении данных из файла \\Plan1\\CelvanPlan1.dat");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  EXPECT_DOUBLE_EQ(Stat.ZeroLevels[3], 3);

  type(form.Text4, "9");
  click(form.Command12);
  EXPECT_EQ(boxes.last().text, "Ошибка при записи данных в файл \\Plan9 \\CelvanPlan9.dat\r\n" +
                                   programFile("Plan9/CelvanPlan9.dat").string() + ": нет такого файла или папки");
  EXPECT_EQ(boxes.last().title, "Celvan7m");

  type(form.Text4, "2");
  type(form.Text11[1], "5");
  type(form.Text12[3], "abc");
  click(form.Command12);
  EXPECT_EQ(boxes.last().text, "Задайте правильно номер плана");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  EXPECT_DOUBLE_EQ(Stat.ZeroLevels[1], 5);
  EXPECT_FALSE(std::filesystem::exists(programFile("Plan2/CelvanPlan2.dat")));
  EXPECT_EQ(boxes.count(), 5);
}

}  // namespace
