// Experiments "из файла": the test-plan result file that the model window
// writes, read by the plan designer; its header made here by the model's own
// writer, the experiment lines appended as the model's run loop appends them.
#include <fstream>

#include "Form18Fixture.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/TextFile.h"
#include "science/engine/ModelRun.h"
#include "science/engine/RunFileIO.h"

namespace {

class Form18ResultFileTest : public Form18Test {
 protected:
  // The file of the current plan (Stat.Nf factors, Stat.RunCount runs) with
  // the given zero levels and intervals; run r's value is y(natural values).
  template <class Response>
  void writeResultFile(const std::vector<double>& zeroLevels, const std::vector<double>& intervals,
                       Response y) {
    for (int i = 1; i <= Stat.Nf; ++i) {
      Stat.ZeroLevels[i] = zeroLevels[i - 1];
      Stat.VariationIntervals[i] = intervals[i - 1];
    }
    Main.RecordFilePath = "\\Dat\\NabPlan" + Str(Stat.Nf) + ".txt";
    ModelRun().writeTestPlanHeader(true);
    for (int r = 1; r <= Stat.RunCount; ++r) {
      std::vector<double> x;
      for (int i = 1; i <= Stat.Nf; ++i) x.push_back(zeroLevels[i - 1] + Stat.PlanMatrix(i, r) * intervals[i - 1]);
      appendToRunFile(Main.RecordFilePath, Main.RecordFileHandle,
                      [&](int file) { PrintZones(file, {r, Fix(Main.MK * y(x))}); });
    }
    // The designer's own levels are still the defaults.
    for (int i = 1; i <= 6; ++i) Stat.ZeroLevels[i] = 0, Stat.VariationIntervals[i] = 1;
  }

  void replaceFile(const std::string& relative, const std::string& bytes) {
    std::ofstream out(programFile(relative), std::ios::binary);
    out << bytes;
  }

  static Form18& designerWithPlan(int type, int k) {
    Form18& form = openDesigner();
    createPlan(form, type, k);
    return form;
  }
};

// A quadratic in natural units with its minimum 7 at X = (2, -1, 0.5):
// Hessian ((2, 0.5, 0), (0.5, 4, 0), (0, 0, 2)) is positive definite.
double bowl(const std::vector<double>& x) {
  const double a = x[0] - 2, b = x[1] + 1, c = x[2] - 0.5;
  return a * a + 2 * b * b + c * c + 0.5 * a * b + 7;
}

TEST_F(Form18ResultFileTest, FileOfTheModelWindowGivesTheExperimentsAndTheirOptimum) {
  Form18& form = designerWithPlan(2, 3);
  const std::vector<double> zeroLevels{1.5, -2, 0.25};
  const std::vector<double> intervals{0.5, 1, 2};
  writeResultFile(zeroLevels, intervals, bowl);
  click(form.Check3[5]);  // a box the file will untick
  click(form.Option7);
  click(form.Command4);

  ASSERT_EQ(boxes.count(), 0);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(form.Check3[i].Value(), i <= 3 ? 1 : 0);
  EXPECT_EQ(form.Text1[1].Text(), "1,5");
  EXPECT_EQ(form.Text1[2].Text(), "-2");
  EXPECT_EQ(form.Text1[3].Text(), "0,25");
  EXPECT_EQ(form.Text2[1].Text(), "0,5");
  EXPECT_EQ(form.Text2[3].Text(), "2");
  EXPECT_EQ(form.Text6.Text(), "0");  // the file's Yopt
  EXPECT_EQ(Stat.LastRun, Stat.RunCount);
  for (int r = 1; r <= Stat.RunCount; ++r) {
    std::vector<double> x;
    for (int i = 1; i <= 3; ++i) x.push_back(zeroLevels[i - 1] + Stat.PlanMatrix(i, r) * intervals[i - 1]);
    EXPECT_NEAR(Stat.Criterion[r], bowl(x), 1e-6);  // written to six decimals
  }

  click(form.Command1);
  click(form.Command5);
  ASSERT_EQ(boxes.count(), 0);
  const double minimum[3] = {2, -1, 0.5};
  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(shown(form.Text4[i]), minimum[i - 1], 1e-5);
    EXPECT_NEAR(shown(form.Text3[i]), (minimum[i - 1] - zeroLevels[i - 1]) / intervals[i - 1], 1e-5);
  }
  // The regression's value at the optimum is the bowl's minimum.
  for (int i = 1; i <= 3; ++i) type(form.Text1[i], form.Text3[i].Text());
  click(form.Command9);
  EXPECT_NEAR(shown(form.Text9), 7, 1e-5);
}

TEST_F(Form18ResultFileTest, FileOfAnotherPlanIsRefusedAndChangesNothing) {
  struct Case {
    const char* name;
    int fileFactors;  // the plan that wrote the file
    int fileType;
  };
  const Case cases[] = {{"4 factors while the plan has 3", 4, 2}, {"3 factors but 15 runs", 3, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form18& form = designerWithPlan(c.fileType, c.fileFactors);
    writeResultFile({5, 5, 5, 5}, {2, 2, 2, 2}, [](const std::vector<double>&) { return 3.0; });
    if (c.fileFactors != 3) std::filesystem::rename(programFile("Dat/NabPlan4.txt"), programFile("Dat/NabPlan3.txt"));
    createPlan(form, 2, 3);  // 16 runs
    for (int r = 1; r <= 91; ++r) Stat.Criterion[r] = -1;
    Stat.Yopt = 42;
    click(form.Option7);
    click(form.Command4);

    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Не верное количество факторов или экспериментов в файле\n\\Dat\\NabPlan3.txt");
    EXPECT_EQ(boxes.last().title, "Celvan7m");
    EXPECT_EQ(form.Text1[1].Text(), "0");
    EXPECT_EQ(form.Text2[1].Text(), "1");
    EXPECT_EQ(Stat.Criterion[1], -1);
    EXPECT_EQ(Stat.Yopt, 42);
    boxes.clear();
    form.Unload();
    ui::destroyUnloadedForms();
  }
}

TEST_F(Form18ResultFileTest, MissingFileIsNamed) {
  Form18& form = designerWithPlan(2, 3);
  click(form.Option7);
  click(form.Command4);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Не могу найти файл\n\\Dat\\NabPlan3.txt");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
}

// A short or malformed file: the read error, and nothing of the file is used.
TEST_F(Form18ResultFileTest, UnreadableFileChangesNothing) {
  struct Case {
    const char* name;
    const char* bytes;
  };
  const std::string header =
      "title\r\n 2             9             0 \r\n 1000000       500000 \r\n 2000000       250000 \r\n   \r\n";
  const std::string shortFile = header + " 1             1000000 \r\n 2             2000000 \r\n";
  const std::string textForNumber = header + " 1             abc \r\n";
  const Case cases[] = {{"runs missing", shortFile.c_str()},
                        {"a text where a number stands", textForNumber.c_str()},
                        {"empty", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form18& form = designerWithPlan(1, 2);  // 9 runs
    replaceFile("Dat/NabPlan2.txt", c.bytes);
    for (int r = 1; r <= 91; ++r) Stat.Criterion[r] = -1;
    click(form.Option7);
    click(form.Command4);

    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Ошибка чтения данных из файла\n\\Dat\\NabPlan2.txt");
    EXPECT_EQ(form.Text1[1].Text(), "0");
    EXPECT_EQ(Stat.ZeroLevels[1], 0);
    EXPECT_EQ(Stat.Criterion[1], -1);
    boxes.clear();
    form.Unload();
    ui::destroyUnloadedForms();
  }
}

// The model's file says Yopt = 0: "Y" and "dY= Y - Yopt" give the same
// criterion, and dividing by Yopt is refused.
TEST_F(Form18ResultFileTest, ZeroYoptOfTheFile) {
  Form18& form = designerWithPlan(2, 2);
  writeResultFile({0, 0}, {1, 1}, [](const std::vector<double>& x) { return 3 + x[0] - x[1] * x[1]; });
  click(form.Option7);
  click(form.Command4);
  const std::vector<double> asY(&Stat.Criterion[1], &Stat.Criterion[1] + Stat.RunCount);
  click(form.Option19);
  click(form.Command4);
  const std::vector<double> asDeviation(&Stat.Criterion[1], &Stat.Criterion[1] + Stat.RunCount);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(asY, asDeviation);

  click(form.Check4);
  click(form.Command4);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().text, "Ошибка при расчетах");
  EXPECT_EQ(form.Text6.Text(), "0");
}

// A negative Yopt divides with its sign: the order of the runs' criterion
// values reverses.
TEST_F(Form18ResultFileTest, NegativeYoptReversesTheOrderOfTheDeviations) {
  Form18& form = designerWithPlan(2, 2);
  writeResultFile({0, 0}, {1, 1}, [](const std::vector<double>& x) { return 10 * x[0] + x[1]; });
  // The file's Yopt as the model writes it is 0; this file says -2.
  const std::filesystem::path path = programFile("Dat/NabPlan2.txt");
  std::ifstream in(path, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  in.close();
  const std::size_t countsStart = bytes.find("\r\n") + 2;
  const std::size_t countsEnd = bytes.find("\r\n", countsStart);
  bytes.replace(countsStart, countsEnd - countsStart, " 2             11            -2000000 ");
  replaceFile("Dat/NabPlan2.txt", bytes);

  click(form.Option7);
  click(form.Option19);
  click(form.Check4);
  click(form.Command4);
  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(form.Text6.Text(), "-2");
  for (int r = 1; r <= Stat.RunCount; ++r) {
    const double y = 10 * Stat.PlanMatrix(1, r) + Stat.PlanMatrix(2, r);
    EXPECT_NEAR(Stat.Criterion[r], (y + 2) / -2, 1e-6);
  }
}

}  // namespace
