#pragma once
// Form14, "Эллипс и эксцентр (сравнение)": a body on a Kepler ellipse and a
// body on an eccentric circle (a simple eccentric or an eccentric with an
// equant), both given by series to the second order in the eccentricity,
// compared pass by pass in time: their angles, distances and differences,
// the three constructions in one picture and the differences against time
// in another.
//
//   Form14.cpp            design-time defaults, handler wiring, accessor
//   Form14Layout.cpp      where the controls stand
//   Form14Comparison.cpp  Form_Load, the start, stop, continue and one-pass
//                         buttons, RunComparisonLoop and its series
//   Form14Picture.cpp     DrawComparisonScene, DrawOrbitGrid, DrawTimeGrid,
//                         Command8_Click
#include "ui/FormsRuntime.h"

class Form14 : public ui::Form {
 public:
  Form14();

  // --- Inputs (distances in thousand km, times in days) ---
  ui::TextBox Text1{this};   // "Rsr, тыс.км."
  ui::TextBox Text2{this};   // "Eks1 (эллипс)"
  ui::TextBox Text3{this};   // "Eks2 (эксцентр)"
  ui::TextBox Text4{this};   // "W, рад/год"
  ui::TextBox Text10{this};  // "шаг, дни"
  ui::TextBox Text5{this};   // "Mx, тыс.км./см"
  ui::TextBox Text6{this};   // "МТ, дней/см"
  ui::TextBox Text8{this};   // "MdAlfa, град/см"
  ui::TextBox Text9{this};   // "MdR, тыс.км./см"

  // --- Outputs ---
  ui::TextBox Text11{this};  // "AlfaL1, град"
  ui::TextBox Text12{this};  // "AlfaL2, град"
  ui::TextBox Text14{this};  // "R1, тыс.км."
  ui::TextBox Text15{this};  // "R2, тыс.км."
  ui::CheckBox Check1{this};  // "dAlfa, град"
  ui::TextBox Text13{this};
  ui::CheckBox Check2{this};  // "dR, тыс.км."
  ui::TextBox Text16{this};
  ui::TextBox Text17{this};  // "T, дни"

  ui::Frame Frame1{this};            // "траектория"
  ui::OptionButton Option1{this};    // "простой эксцентр"
  ui::OptionButton Option2{this};    // "эксцентр с эквантом"

  ui::CommandButton Command1{this};   // "Начать расчет"
  ui::CommandButton Command4{this};   // "Остановить"
  ui::CommandButton Command5{this};   // "Продолжить"
  ui::CommandButton Command6{this};   // "Сделать 1 шаг"
  ui::CommandButton Command8{this};   // "Очистить рисунки"
  ui::CommandButton Command14{this};  // "Закрыть форму"

  // The constructions: x from -10 to 14, y from 10 down to -10, the origin
  // at the observer (the focus of the ellipse).
  ui::PictureBox Picture1{this, 480, 400};
  // The differences against time: x from 0 to 16, y from 4 down to -4.
  ui::PictureBox Picture3{this, 480, 240};

  // --- Handlers ---
  void Command1_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command8_Click();
  void Command14_Click();
  void RunComparisonLoop();
  bool DrawComparisonScene();
  void DrawOrbitGrid();
  void DrawTimeGrid();

  // The differences of the last pass: angle (radians) and distance
  // (thousand km), ellipse minus eccentric.
  double DeltaAlfa = 0;
  double DeltaR = 0;
  // The window's own working values, apart from the model's start data: the
  // centres of the constructions (thousand km; 0 the ellipse, 1 the
  // eccentric, 2 the equant, all on the x axis), the angles of the ellipse
  // body (0) and of the eccentric body (1) in radians, and the time step in
  // days.
  double CentreX[3] = {0, 0, 0};
  double CentreY[3] = {0, 0, 0};
  double AlfaL[2] = {0, 0};
  double TimeStep = 0;

 protected:
  void Form_Load() override;

 private:
  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  void readInputs();
  void placeBodies();
  void showPass();
  void plotDifferences();
  bool endPass();
  void eraseLastScene();
  void drawDeferentAndEllipse();
  void drawEccentric();
  void drawSimpleEccentricEpicycle(double circleX, double circleY, double bodyX, double bodyY,
                                   int32_t lineColour, int32_t eccentricColour);
  void drawEquantRay(double pointX, double pointY, int32_t colour);
};

// The accessor: loads Form14 (hidden) on first touch.
Form14& form14();
