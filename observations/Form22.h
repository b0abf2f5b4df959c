#pragma once
// Form22, "Возмущения планет dL": the coefficients of the periodic
// perturbations in longitude of Mercury, Venus, the Earth and Mars by two
// perturbing planets each, eight terms per perturber, and the numbers of
// the perturbers. The boxes go into PlanetPerturbationCoefficients,
// PerturberFirst and PerturberSecond; the coefficients can be saved to and
// loaded from the numbered files "\Dat\dL" & N & ".dat" in millionths of a
// degree. Every load zeroes the boxes, loads file 1 and applies the boxes,
// so the observation and eclipse windows load and unload this window to
// set those coefficients.
//
//   Form22.cpp              design-time captions, handler wiring, layout, accessor
//   Form22Coefficients.cpp  Form_Load, apply, the boxes and the shared table, close
//   Form22File.cpp          loading from and saving to the coefficient files
#include <array>

#include "ui/FormsRuntime.h"

class Form22 : public ui::Form {
 public:
  Form22();

  // Text1(10 q + t) term t (1..8) of planet q (1..4) by the first
  // perturber, Text1(10 q + t + 40) by the second; the other indices exist
  // but are hidden and never read.
  ui::ControlArray<ui::TextBox> Text1{this, 11, 88};
  // Perturbers: Mercury Text4, Text5; Venus Text2, Text3; the Earth Text6,
  // Text7; Mars Text8, Text9.
  ui::TextBox Text2{this};
  ui::TextBox Text3{this};
  ui::TextBox Text4{this};
  ui::TextBox Text5{this};
  ui::TextBox Text6{this};
  ui::TextBox Text7{this};
  ui::TextBox Text8{this};
  ui::TextBox Text9{this};
  ui::TextBox Text10{this};          // number N of the coefficient file
  ui::CommandButton Command1{this};  // "Задать значения коэффициентов (возмущений)"
  ui::CommandButton Command2{this};  // "Закрыть форму"
  ui::CommandButton Command3{this};  // "Загрузить из файла №"
  ui::CommandButton Command4{this};  // "Записать в файл №"

  // Command1_Click: the coefficient and perturber boxes into the shared
  // tables. Every box is read first: one that holds no number is refused
  // with a message and nothing is stored.
  void Command1_Click();
  // Command2_Click: unloads the window; the shared tables stay.
  void Command2_Click();
  // Command3_Click: file N = Text10 into the shared table and the boxes;
  // the perturbers stay. A missing, short or wrong file is refused with a
  // message and changes neither the table nor the boxes.
  void Command3_Click();
  // Command4_Click: the boxes into the shared table and into file N.
  void Command4_Click();
  // ShowPlanetCoefficients: the 64 coefficients of the shared table into
  // the boxes, in full.
  void ShowPlanetCoefficients();
  // ReadPlanetCoefficientBoxes: the 64 boxes into the shared table; a box
  // without a number throws RuntimeError and the table is left unchanged.
  void ReadPlanetCoefficientBoxes();

  // The coefficient box of term t (1..8) of planet q (1..4) by perturber
  // p (1 or 2).
  ui::TextBox& coefficientBox(int p, int q, int t) { return Text1[10 * q + t + 40 * (p - 1)]; }
  // The boxes of the first and the second perturber of planet q (1..4).
  ui::TextBox& perturberBox(int p, int q);

 protected:
  void Form_Load() override;

 private:
  void setCaptions();
  void connectHandlers();
  void layoutControls();
  void layoutPlanet(int q, int row);
};

Form22& form22();
