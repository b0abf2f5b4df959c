#pragma once
// Form15, "Оптимизация скорости гравитации": the optimisation window.
//
// It builds a second-order experiment plan over two to six of seven factors
// (the velocity of the Solar System along X, Y, Z, the speed of gravity,
// the first coefficient of the gravity-pressure law and two mass ratios),
// keeps the levels, optima and weights in the plan file, has every
// experiment of the plan run on the model window, scores each run against
// the observed secular shifts of the planetary orbits, fits a quadratic
// regression over the plan and solves for its optimum. Its buttons are
// numbered in the order of work. Everything it prints and draws goes to the
// scrolled picture Picture1.
//
// The handlers live in files by theme:
//   Form15.cpp              design-time defaults, handler wiring, accessor
//   Form15Layout.cpp        where the controls stand
//   Form15Plan.cpp          Form_Load, Command5_Click (plan and plan table)
//   Form15PlanFile.cpp      Command14_Click, Command12_Click (plan file)
//   Form15Criterion.cpp     Command4_Click (observed shifts), Command10_Click
//   Form15Regression.cpp    Command1_Click, Command7_Click, Command9_Click,
//                           Command13_Click
//   Form15PlanRuns.cpp      Command8_Click, StartNextExperiment, Text3_Change
//   Form15Picture.cpp       DrawPlanFrame, the scroll bars, Command16_Click,
//                           Command15_Click, Command6_Click, Command3_Click
#include <string>

#include <vector>

#include "ui/FormsRuntime.h"

class Form15 : public ui::Form {
 public:
  Form15();

  // --- The seven factors: chosen, zero level, interval, natural value now,
  // optimum coded and natural ---
  ui::ControlArray<ui::CheckBox> Check3{this, 1, 7};
  ui::ControlArray<ui::TextBox> Text11{this, 1, 7};  // X0(i)
  ui::ControlArray<ui::TextBox> Text12{this, 1, 7};  // dX(i)
  ui::ControlArray<ui::TextBox> Text13{this, 1, 7};  // natural value
  ui::ControlArray<ui::TextBox> Text14{this, 1, 7};  // Xopt coded
  ui::ControlArray<ui::TextBox> Text15{this, 1, 7};  // Xopt natural

  // --- 1: the plan ---
  ui::Frame Frame1{this};
  ui::OptionButton Option1{this};  // "Orto"
  ui::OptionButton Option2{this};  // "Roto"
  ui::CommandButton Command5{this};   // "1-Создать план"
  // --- 2: the plan file ---
  ui::CommandButton Command14{this};  // "2-Загрузить параметры плана №"
  ui::TextBox Text4{this};            // plan number
  ui::CommandButton Command12{this};  // "Сохранить"
  // --- 3: observed shifts ---
  ui::Frame Frame5{this};
  ui::OptionButton Option9{this};   // "New"
  ui::OptionButton Option11{this};  // "JPL"
  ui::OptionButton Option12{this};  // "Ser"
  ui::CommandButton Command4{this};   // "3-Загрузить наблюдаемые вековые смещения ..."
  // --- 4-1: runs on the model window ---
  ui::CommandButton Command8{this};   // "4-1-Выполнить на математической модели ..."
  ui::TextBox Text5{this};            // first experiment
  ui::TextBox Text6{this};            // last experiment ("по №")
  ui::CheckBox Check5{this};          // "kPgr2=0"
  // The trigger: the model window writes it at the end of a plan run.
  ui::TextBox Text3{this, ui::TextBoxStyle::MultiLine};
  ui::CommandButton Command6{this};   // "Весовые коэффициенты и данные моделирования *"
  // --- 4-2: the criterion ---
  ui::Frame Frame3{this};
  ui::OptionButton Option5{this};  // "теста"
  ui::OptionButton Option6{this};  // "модели"
  ui::Frame Frame2{this};                               // "для модели критерий по"
  ui::ControlArray<ui::CheckBox> Check2{this, 1, 6};    // orbit parameters
  ui::Frame Frame4{this};                               // "и использовать планеты"
  ui::ControlArray<ui::CheckBox> Check1{this, 1, 10};   // planets
  ui::Frame Frame9{this};                               // "критерий брать как"
  ui::OptionButton Option18{this};  // "Y"
  ui::OptionButton Option19{this};  // "dY"
  ui::OptionButton Option20{this};  // "dY^2"
  ui::OptionButton Option21{this};  // "Abs(dY)"
  ui::CommandButton Command10{this};  // "4-2- Рассчитать критерий оптимизации по данным"
  ui::TextBox Text1{this};            // "Ymin"
  ui::TextBox Text2{this};            // "М, ед/см"
  // --- 5 to 8: regression, optimum, new zero levels, graphs ---
  ui::CommandButton Command1{this};   // "5- Найти коэффициенты уравнения регрессии"
  ui::CommandButton Command7{this};   // "6- Оптимизировать параметры"
  ui::CommandButton Command9{this};   // "7- задать X0(i) = X(i)opt"
  ui::CheckBox Check4{this};          // "+X(i)=X(i)opt"
  ui::CommandButton Command13{this};  // "8- Построить графики"
  // --- The picture ---
  ui::PictureBox Picture3{this, 540, 640};
  ui::PictureBox Picture1{this, 540, 640};
  ui::HScrollBar HScroll1{this};
  ui::VScrollBar VScroll1{this};
  ui::CommandButton Command16{this};  // "Очистить"
  ui::CommandButton Command15{this};  // "Файлы*"
  ui::CommandButton Command3{this};   // "Закрыть форму"

  // --- Handlers ---
  void Command5_Click();
  void Command14_Click();
  void Command12_Click();
  void Command4_Click();
  void Command10_Click();
  void Command1_Click();
  void Command7_Click();
  void Command9_Click();
  void Command13_Click();
  void Command8_Click();
  void Text3_Change();
  void Command6_Click();
  void Command16_Click();
  void Command15_Click();
  void Command3_Click();
  void HScroll1_Change();
  void VScroll1_Change();

  // Starts the experiment whose number is in Text5 on the model window, or
  // ends the sequence when it is beyond the last one.
  void StartNextExperiment();
  // Clears Picture1, sizes it for the plan's extents and draws the grid and
  // the axis.
  void DrawPlanFrame();

 protected:
  void Form_Load() override;

 private:
  // Where the plan table and its neighbours stand on Picture1, as the last
  // plan created on this window left them. The window keeps its own copy:
  // the same shared extents serve the pictures of other windows.
  struct PictureLayout {
    double height = 0;       // PictureHeight
    double width = 0;        // PictureScaleWidth
    double lineBelow = 0;    // PrintLineY: the row below the last experiment
    double columnRight = 0;  // PrintColumnX: the first column right of the levels
  };

  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  // Plan creation (Form15Plan.cpp).
  void printPlanTable();
  // y of experiment e's row in the plan table.
  double experimentRow(int e) const;
  // The plan file (Form15PlanFile.cpp).
  void showLoadedPlan();
  void printLoadedPlan();
  // The criterion (Form15Criterion.cpp).
  void readObservedShifts(int file);
  void computeTestCriterion();
  void computeModelCriterion();
  bool readModelShifts();
  double modelCriterionOf(int e) const;
  void plotCriterion();
  // Regression and optimum (Form15Regression.cpp).
  void fitRegression();
  void solveOptimum();
  void drawGraphs();
  // Plan runs (Form15PlanRuns.cpp).
  bool prepareSequence();
  bool refuseMeaninglessFactors();
  void presetModelWindow();
  void setFactorsOfExperiment();

  PictureLayout layout_;
  // Observed shifts have been loaded on this window ("3-...") since its load.
  bool observedShiftsLoaded_ = false;
  // A sequence started by "4-1-..." is going on: only its runs' ends start
  // a next experiment.
  bool sequenceRunning_ = false;
  // The factors that the last "6- Оптимизировать параметры" gave an
  // optimum, which "7- задать X0(i) = X(i)opt" makes their zero levels.
  std::vector<int> optimumFactors_;
};

// The accessor: loads Form15 (hidden) on first touch.
Form15& form15();
