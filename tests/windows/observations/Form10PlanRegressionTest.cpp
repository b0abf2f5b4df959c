// The plan over the observations after its runs: the regression of the
// runs' criterion on the observation window, its stationary point and the
// moves of the optimum boxes on the plan window, and the response plots.
// The plans are built with the shared plan procedures and their criteria
// computed here from the plans' coded points, as a run over the
// observations would leave them.
#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "core/stat/Stat.h"
#include "windows/observations/Form10Fixture.h"
#include "windows/support/PicturePixels.h"

namespace {

constexpr int kRotatable = 2;

using Point3 = std::array<double, 3>;

// The full quadratic with every coefficient 1, written through the sums
// s = sum x_i and q = sum x_i^2: sum_{i<j} x_i x_j = (s^2 - q) / 2.
double allOnesQuadratic(const Point3& x) {
  const double s = x[0] + x[1] + x[2];
  const double q = x[0] * x[0] + x[1] * x[1] + x[2] * x[2];
  return 1 + s + (s * s - q) / 2 + q;
}

// The coded points of the central-composite rotatable plan of three
// factors (Box and Hunter 1957): the eight corners of the cube (+-1), the
// six star points at +-2^(3/4) on each axis, the centre twice.
std::vector<Point3> rotatableThreeFactorPoints() {
  std::vector<Point3> points;
  for (double a : {1.0, -1.0})
    for (double b : {1.0, -1.0})
      for (double c : {1.0, -1.0}) points.push_back({a, b, c});
  const double arm = std::pow(2.0, 0.75);
  for (int axis = 0; axis < 3; ++axis)
    for (double sign : {1.0, -1.0}) {
      Point3 p{};
      p[axis] = sign * arm;
      points.push_back(p);
    }
  points.push_back({0, 0, 0});
  points.push_back({0, 0, 0});
  return points;
}

// Pixels of printed text (darker than the grey grid) in a rectangle of the
// picture's user scale.
int printedPixels(const ui::PictureBox& picture, double left, double right, double top, double bottom) {
  const QImage& image = picture.image();
  const auto column = [&](double x) { return static_cast<int>((x - picture.ScaleLeft()) * image.width() / picture.ScaleWidth()); };
  const auto row = [&](double y) { return static_cast<int>((y - picture.ScaleTop()) * image.height() / picture.ScaleHeight()); };
  int count = 0;
  for (int y = std::max(0, row(top)); y <= std::min(image.height() - 1, row(bottom)); ++y)
    for (int x = std::max(0, column(left)); x <= std::min(image.width() - 1, column(right)); ++x)
      if (qGray(image.pixel(x, y)) < 128) ++count;
  return count;
}

class Form10PlanTest : public Form10Test {
 protected:
  void SetUp() override {
    Form10Test::SetUp();
    fillDesignColumns();  // as the start-up window's load does
  }

  // The plan state as the plan window's "Создать план" leaves it: a
  // rotatable plan over the given parameters.
  static void buildRotatablePlan(const std::vector<int>& parameters) {
    Stat.PlanType = kRotatable;
    Stat.Nf = static_cast<int16_t>(parameters.size());
    for (std::size_t j = 0; j < parameters.size(); ++j) Stat.FactorIndex[static_cast<int>(j) + 1] = parameters[j];
    SetZeroPointCount();
    BuildPlanMatrix();
    ComputeRotatableCoefficients();
  }
  static Point3 codedPoint(int run) { return {Stat.PlanMatrix(1, run), Stat.PlanMatrix(2, run), Stat.PlanMatrix(3, run)}; }

  // The criterion of every run as the runs over the observations leave it.
  static void runPlan(const std::function<double(const Point3&)>& criterion) {
    for (int r = 1; r <= Stat.RunCount; ++r) Stat.Criterion[r] = criterion(codedPoint(r));
  }

  // The plan window's boxes of a parameter and the plan state read from
  // them, as the observation window asks before a run.
  static void typeLevel(int parameter, const std::string& zero, const std::string& interval) {
    type(form13().Text1[parameter], zero);
    type(form13().Text2[parameter], interval);
  }
  static void readPlanBoxes() { form13().Text16.setText("12:00:00"); }

  // The summary, then the regression.
  static void fitRegression(Form10& form) {
    form.Text52.setText("12:00:00");
    click(form.Command10);
  }
};

// The plan's points are those of the textbook plan, and a criterion that is
// exactly the all-ones quadratic of them is fitted back to every
// coefficient 1 and reproduced at every run.
TEST_F(Form10PlanTest, RegressionOfARotatablePlanRecoversTheAllOnesQuadratic) {
  Form10& form = openWindow();
  buildRotatablePlan({2, 3, 4});
  std::vector<Point3> planPoints, textbook = rotatableThreeFactorPoints();
  for (int r = 1; r <= Stat.RunCount; ++r) planPoints.push_back(codedPoint(r));
  ASSERT_EQ(planPoints.size(), textbook.size());
  std::sort(planPoints.begin(), planPoints.end());
  std::sort(textbook.begin(), textbook.end());
  for (std::size_t i = 0; i < textbook.size(); ++i)
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(planPoints[i][c], textbook[i][c], 1e-12);

  runPlan(allOnesQuadratic);
  fitRegression(form);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
  for (int t = 0; t <= 9; ++t) EXPECT_NEAR(Stat.RegressionCoefficients[t], 1, 1e-9) << "b" << t;
  double largest = 0;
  for (int r = 1; r <= Stat.RunCount; ++r) {
    EXPECT_NEAR(Stat.CriterionCalc[r], Stat.Criterion[r], 1e-9);
    largest = std::max(largest, Stat.Criterion[r]);
  }
  // Each run's computed criterion is a red disc over its measured one, the
  // largest 10 units high.
  for (int r : {1, 9, 16}) {
    SCOPED_TRACE(r);
    EXPECT_GT(picturepixels::pixelsNear(form.Picture4, r / 2.0, 10 * Stat.Criterion[r] / largest, 3, RGB(250, 0, 0)), 0);
  }
}

// A criterion shaped like the root-mean-square deviation of observations
// (of unit scatter) from a theory whose elements are off: least at a point
// inside the plan, not a quadratic. The stationary point of its regression
// lies where a direct scan of the criterion puts its least value, to a
// tenth of an interval; the boxes show it coded and in natural units (the
// mean distance in thousand km), and the other rows keep their texts.
TEST_F(Form10PlanTest, OptimumOfTheRegressionIsWhereAScanFindsTheLeastCriterion) {
  const Point3 truth{0.35, -0.5, 0.2};
  const Point3 weight{0.4, 0.2, 0.3};
  auto deviation = [&](const Point3& x) {
    double sum = 1;
    for (int i = 0; i < 3; ++i) sum += weight[i] * (x[i] - truth[i]) * (x[i] - truth[i]);
    return std::sqrt(sum);
  };
  Form10& form = openWindow();
  typeLevel(1, "227936,637", "10");
  typeLevel(4, "336,04084", "0,1");
  typeLevel(7, "355,45332", "0,01");
  readPlanBoxes();
  buildRotatablePlan({1, 4, 7});
  runPlan(deviation);
  fitRegression(form);
  const std::string optimaOfEks = form13().Text3[2].Text() + "|" + form13().Text4[2].Text();
  click(form13().Command3);
  ASSERT_EQ(boxes.count(), 0) << boxes.last().text;

  Point3 scanned{};
  double least = 1e300;
  const double step = 0.01;
  for (double a = -1.68; a <= 1.68; a += step)
    for (double b = -1.68; b <= 1.68; b += step)
      for (double c = -1.68; c <= 1.68; c += step)
        if (const double y = deviation({a, b, c}); y < least) {
          least = y;
          scanned = {a, b, c};
        }
  const std::array<int, 3> parameter{1, 4, 7};
  const std::array<double, 3> zero{227936.637, 336.04084, 355.45332}, interval{10, 0.1, 0.01};
  for (int j = 0; j < 3; ++j) {
    SCOPED_TRACE(parameter[j]);
    Form13& plan = form13();
    EXPECT_NEAR(Stat.Xopt[j + 1], scanned[j], 0.1);
    EXPECT_NEAR(shown(plan.Text3[parameter[j]]), Stat.Xopt[j + 1], 1e-6);
    EXPECT_NEAR(shown(plan.Text4[parameter[j]]), zero[j] + interval[j] * Stat.Xopt[j + 1], interval[j] * 1e-6);
  }
  EXPECT_EQ(form13().Text3[2].Text() + "|" + form13().Text4[2].Text(), optimaOfEks);
  // The system's equations stand below the first optimum value, which has
  // its row to itself: no text left of it, the value right of it.
  const double below = form.PlanLineBelow;
  EXPECT_EQ(printedPixels(form.Picture4, 0, 11.5, below - 2.05, below - 2.35), 0);
  EXPECT_GT(printedPixels(form.Picture4, 12, 20, below - 2.05, below - 2.35), 0);
  EXPECT_GT(printedPixels(form.Picture4, 0, 11.5, below - 2.6, below - 3.2), 0);

  // "Задать нулевые уровни = X(i)opt" moves the shown optima of the
  // factors into their zero levels; "X(i)opt=0" clears every coded optimum
  // and leaves the natural ones.
  const std::string levelOfEks = form13().Text1[2].Text();
  click(form13().Command5);
  for (int i : parameter) EXPECT_EQ(form13().Text1[i].Text(), form13().Text4[i].Text());
  EXPECT_EQ(form13().Text1[2].Text(), levelOfEks);
  const std::string naturalOfRsr = form13().Text4[1].Text();
  click(form13().Command6);
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(form13().Text3[i].Text(), "0");
  EXPECT_EQ(form13().Text4[1].Text(), naturalOfRsr);
}

// The response plots draw the regression along each factor, the others at
// the coded optima of the plan window, over a panel 4 units wide per
// factor, divided by the scale of the chosen criterion and raised by the
// offset; the all-ones quadratic along factor 2 at 0 and +1 with the
// others at 0 gives 1 and 3. The fit and the plots leave the model's bodies,
// through whose shared coordinates the regression is evaluated, as they were.
TEST_F(Form10PlanTest, ResponsePlotsFollowTheRegressionOnTheScaleOfTheCriterion) {
  struct Case {
    const char* name;
    bool angleCriterion;  // "Abs(dL)" chosen: the scale of "MdAlfa, угл.сек/см"
    const char* distanceScale;
    const char* angleScale;
    double scale;
  };
  const Case cases[] = {{"criterion dR", false, "2", "5", 2}, {"criterion Abs(dL)", true, "2", "5", 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form10& form = openWindow();
    for (int object = 2; object <= 4; ++object) {
      Main.ColorR[object] = static_cast<int16_t>(10 * object);
      Main.ColorG[object] = 150;
      Main.ColorB[object] = static_cast<int16_t>(60 + object);
    }
    buildRotatablePlan({2, 3, 4});
    runPlan(allOnesQuadratic);
    fitRegression(form);
    for (int i : {2, 3, 4}) type(form13().Text3[i], "0");
    if (c.angleCriterion) click(form.Option18);
    type(form.Text49, c.distanceScale);
    type(form.Text20, c.angleScale);
    type(form.Text53, "0,5");
    Main.X[1] = Main.Y[2] = Main.Z[3] = 1.5e11;  // a body of the model
    click(form.Command10);
    click(form.Command12);
    ASSERT_EQ(boxes.count(), 0) << boxes.last().text;
    EXPECT_EQ(Main.X[1], 1.5e11);
    EXPECT_EQ(Main.Y[2], 1.5e11);
    EXPECT_EQ(Main.Z[3], 1.5e11);
    const int32_t factorTwo = RGB(30, 150, 63);
    EXPECT_GT(picturepixels::pixelsNear(form.Picture4, 4 + 16 / 8.0, 1 / c.scale + 0.5, 1, factorTwo), 0);
    EXPECT_GT(picturepixels::pixelsNear(form.Picture4, 4 + 32 / 8.0, 3 / c.scale + 0.5, 1, factorTwo), 0);
    EXPECT_EQ(picturepixels::pixelsNear(form.Picture4, 4 + 32 / 8.0, 3 / c.scale + 2.5, 2, factorTwo), 0);
    form.Command14_Click();
    ui::destroyUnloadedForms();
  }
}

// What the plan steps refuse: no plan of 2..6 factors reaches the fit, the
// solver or the plots, and a box that is no number stops the plots before
// they draw.
TEST_F(Form10PlanTest, PlanStepsRefuseWhatTheyCannotUse) {
  struct Case {
    const char* name;
    int factors;          // Stat.Nf when the step runs
    const char* optimum;  // the coded optimum box of factor 1
    std::function<void(Form10&)> step;
    const char* message;
  };
  const Case cases[] = {
      {"fit without a plan", 0, "0", [](Form10& f) { click(f.Command10); },
       "Ошибка при расчете коэффициентов уравнения регрессии"},
      {"optimum of seven factors", 7, "0", [](Form10&) { click(form13().Command3); },
       "Ошибка при решение системы линейных уравнений"},
      {"plots without a plan", 1, "0", [](Form10& f) { click(f.Command12); }, "Ошибка при построение графиков"},
      {"plots from an optimum that is no number", 3, "x", [](Form10& f) { click(f.Command12); },
       "Ошибка при построение графиков"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form10& form = openWindow();
    buildRotatablePlan({2, 3, 4});
    runPlan(allOnesQuadratic);
    fitRegression(form);
    for (int i : {2, 3, 4}) type(form13().Text3[i], "0");
    type(form13().Text3[2], c.optimum);
    std::array<double, 10> coefficients{};
    for (int t = 0; t <= 9; ++t) coefficients[t] = Stat.RegressionCoefficients[t];
    Stat.Nf = static_cast<int16_t>(c.factors);
    boxes.clear();
    c.step(form);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, c.message);
    EXPECT_EQ(boxes.last().title, "Celvan7");
    for (int t = 0; t <= 9; ++t) EXPECT_EQ(Stat.RegressionCoefficients[t], coefficients[t]);
    boxes.clear();
    form.Command14_Click();
    ui::destroyUnloadedForms();
  }
}

}  // namespace
