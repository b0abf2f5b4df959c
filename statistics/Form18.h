#pragma once
// Form18, "Планы многофакторного планирования": the plan designer.
//
// An independent window for designing second-order plans of experiments and
// trying them out without the motion model. The user chooses one of five
// plan types and two to six factors and creates the plan with the shared
// plan procedures (core/stat/Stat.h); the window prints the coded plan
// matrix, its column sums and the plan constants on its picture. The
// experiments of the plan are computed from a standard quadratic test, from
// one of nine test functions chosen on Form8, or read from the test-plan
// result file of the model window; they become the criterion, to which the
// quadratic regression is fitted; the window draws the regression along each
// factor, finds its stationary point and evaluates it at a typed point. It
// reads and writes the shared plan state and writes no files.
//
// The handlers live in files by theme:
//   Form18.cpp               design-time defaults, handler wiring, accessor
//   Form18Layout.cpp         where the controls stand
//   Form18PlanCreation.cpp   Command14_Click "Создать план" and the plan table
//   Form18Experiments.cpp    Command4_Click, Option8_Click, the test-plan
//                            result file, the criterion
//   Form18TestFunctions.cpp  EvaluateTestFunction
//   Form18Regression.cpp     Command1_Click, Command13_Click, Command5_Click,
//                            Command6_Click, Command9_Click
//   Form18Picture.cpp        PreparePlanPicture, the scroll bars,
//                            Command7_Click, Command3_Click
#include <array>
#include <string>

#include "ui/FormsRuntime.h"

class Form18 : public ui::Form {
 public:
  Form18();

  // --- The plan: type, factors, zero points ---
  ui::Frame Frame5{this};           // "план экспериментов"
  ui::OptionButton Option12{this};  // "ортогональный"
  ui::OptionButton Option13{this};  // "рототабельный", chosen at start
  ui::OptionButton Option14{this};  // "униформрототабельный"
  ui::OptionButton Option15{this};  // "Dоптимал Бокса с N0=0"
  ui::OptionButton Option16{this};  // "композиционный Бокса "
  // "X1=" .. "X6=": the factors of the plan, X1..X4 ticked at start.
  ui::ControlArray<ui::CheckBox> Check3{this, 1, 6};
  ui::TextBox Text8{this};             // "Nf=": the number of ticked factors
  ui::CheckBox Check1{this};           // "Задать N0="
  ui::TextBox Text5{this};             // N0, "<=15"
  ui::CommandButton Command14{this};   // "Создать план"

  // --- Factors: zero level +/- interval, optimum coded and natural ---
  ui::ControlArray<ui::TextBox> Text1{this, 1, 6};
  ui::ControlArray<ui::TextBox> Text2{this, 1, 6};
  ui::ControlArray<ui::TextBox> Text3{this, 1, 6};  // "X1opt=" .. "X6opt="
  ui::ControlArray<ui::TextBox> Text4{this, 1, 6};

  // --- Experiments and criterion ---
  ui::Frame Frame3{this};          // "экспериментальные данные"
  ui::OptionButton Option6{this};  // "ст. теста", chosen at start
  ui::OptionButton Option8{this};  // "доп. тестов"
  ui::OptionButton Option7{this};  // "из файла"
  ui::Frame Frame9{this};           // "критерий оптимизации брать как"
  ui::OptionButton Option18{this};  // "Y", chosen at start
  ui::OptionButton Option19{this};  // "dY= Y - Yopt"
  ui::OptionButton Option20{this};  // "dY^2"
  ui::OptionButton Option21{this};  // "Abs(dY)"
  ui::CheckBox Check4{this};        // "dY/Yopt"
  ui::TextBox Text6{this};          // "Yopt для dY"
  ui::TextBox Text7{this};          // "Ymin, ед"
  ui::TextBox Text20{this};         // "Масштаб, ед/см"

  // --- Buttons ---
  ui::CommandButton Command4{this};   // "Выполнить эксперименты и рассчитать критерий"
  ui::CommandButton Command1{this};   // "Найти коэффициенты уравнения регрессии"
  ui::CommandButton Command13{this};  // "Построить графики по уравнению регрессии при X(i)=X(i)opt"
  ui::CommandButton Command5{this};   // "Оптимизировать параметры"
  ui::CommandButton Command6{this};   // "задать X(i)opt=0"
  ui::CommandButton Command9{this};   // "f (X1...X6)="
  ui::TextBox Text9{this};            // the value at the point
  ui::CommandButton Command7{this};   // "Очистить рисунок"
  ui::CommandButton Command3{this};   // "Закрыть форму"

  // --- The picture: Picture1 panned inside the frame Picture3 ---
  ui::PictureBox Picture3{this, 760, 640};
  ui::PictureBox Picture1{this, 760, 640};
  ui::HScrollBar HScroll1{this};
  ui::VScrollBar VScroll1{this};

  // --- Handlers ---
  void Command14_Click();
  void Command4_Click();
  void Option8_Click();
  void EvaluateTestFunction();
  void Command1_Click();
  void Command13_Click();
  void Command5_Click();
  void Command6_Click();
  void Command9_Click();
  void PreparePlanPicture();
  void HScroll1_Change();
  void VScroll1_Change();
  void Command7_Click();
  void Command3_Click();
  void closeByTitleBar() override;  // as "Закрыть форму"

 private:
  // Where the next column of the plan table stands and its shift; set
  // afresh at every creation.
  double columnPosition_ = 0;
  double columnShift_ = 0;

  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  // Plan creation
  int chosenPlanType() const;
  bool factorsTickedInOrder() const;
  void createPlan();
  void printPlanTable();
  void printPlanConstants();
  void printPlanCounts();
  void printAt(double x, double y, const std::string& text);
  void printNumberAt(double x, double y, double value);

  // Experiments and criterion
  bool computeTestExperiments();
  bool readTestPlanResultFile();
  void turnExperimentsIntoCriterion();
  double criterionDivisor() const;
  double plotHeight(double value) const;

  // Regression and optimum
  void printRegressionCoefficients();
  void plotRegressionAtRuns();
  void drawRegressionCurves();
  void solveForOptimum();

  // Picture
  void placePictureHorizontally();
  void placePictureVertically();
};

// Loads Form18 hidden on first touch.
Form18& form18();
