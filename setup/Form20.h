#pragma once
// Form20, "Расчет начальных данных для Луны": the start data of the Earth-
// Moon pair and their check.
//
// The Moon's mean elements come from a theory for a date or from the screen;
// "Задать координаты и скорости Луны и Земли" places the Moon on its ellipse
// about the Earth, applies the barycentre corrections ticked below it and
// keeps the Earth's start data in slot 0 and the Moon's in slot 11 of the
// start tables. "Проверить параметры орбиты Луны" integrates the pair alone
// and measures the Moon's orbit once per revolution, from the Earth's centre
// or from the barycentre, beside the given elements.
//
// The handlers live in files by theme:
//   Form20.cpp             design-time defaults, handler wiring, accessor
//   Form20Layout.cpp       where the controls stand
//   Form20InitialData.cpp  Form_Load, Form_Activate, Command6_Click
//   Form20OrbitCheck.cpp   Command1_Click, RunMoonOrbitCheck, stop, continue
//   Form20Picture.cpp      the picture, the scale, the focus and central-mass
//                          options, the date buttons, closing
#include <cstdint>
#include <string>

#include "core/state/ModelStartData.h"
#include "science/twobody/TwoBodyOrbitCheck.h"
#include "ui/FormsRuntime.h"
#include "ui/PictureLabels.h"

class Form20 : public ui::Form, private orbitcheck::OrbitCheckEvents {
 public:
  Form20();

  // --- Source of the Moon's elements and their date ---
  ui::OptionButton Option7{this};   // "New0 (JD)"
  ui::OptionButton Option10{this};  // "Ser0 (J2000)"
  ui::OptionButton Option9{this};   // "с экрана", chosen at start
  ui::TextBox Text32{this};         // day with its fraction
  ui::TextBox Text33{this};         // month
  ui::TextBox Text34{this};         // year
  ui::TextBox Text31{this};         // "JD ="
  ui::CommandButton Command10{this};  // "G->J"
  ui::CommandButton Command11{this};  // "J->G"
  ui::TextBox Text35{this};         // "ET-UT, сек="

  // --- Given elements; each row: given, "+" deviation, " =" measured ---
  ui::TextBox Text1{this};   // "AlfaL0 ( l ), град"
  ui::TextBox Text7{this};   // "Eks="
  ui::TextBox Text17{this};
  ui::TextBox Text27{this};
  ui::TextBox Text8{this};   // "AlfaP="
  ui::TextBox Text18{this};
  ui::TextBox Text28{this};
  ui::TextBox Text9{this};   // "AlfaU="
  ui::TextBox Text19{this};
  ui::TextBox Text29{this};
  ui::TextBox Text10{this};  // "Rsr =", thousand km
  ui::TextBox Text20{this};
  ui::TextBox Text30{this};
  ui::TextBox Text40{this};  // "Betta="
  ui::TextBox Text38{this};
  ui::TextBox Text39{this};
  ui::TextBox Text37{this};  // "Период, дней=": the reference period
  ui::TextBox Text2{this};
  ui::TextBox Text3{this};
  ui::TextBox Text21{this};  // "ml = mz /"
  ui::TextBox Text24{this};  // "в интервале, град  +/-": dAlfa

  // --- Start data and their corrections ---
  ui::CommandButton Command6{this};  // "Задать координаты и скорости Луны и Земли"
  ui::CheckBox Check11{this};        // a: "+Xz = -Xl * ml / mz"
  ui::CheckBox Check12{this};        // b: "+VXl=VXl / (1+ ml / mz)"
  ui::CheckBox Check5{this};         // c: "++Xl = Xl + Xz"
  ui::CheckBox Check7{this};         // d: "+VXz = -VXl * ml / mz"
  ui::CheckBox Check9{this};         // e: "++VXl = VXl + VXz "
  ui::OptionButton Option5{this};    // focus "в центре Земли", chosen at start
  ui::OptionButton Option6{this};    // focus "в барицентре Земля+Луна"
  ui::OptionButton Option1{this};    // mass of the Earth "mz", chosen at start
  ui::OptionButton Option2{this};    // "mz+ml"
  ui::OptionButton Option3{this};    // mass of the barycentre "mz+ml", chosen at start
  ui::OptionButton Option4{this};    // "mz^3/(mz+ml)^2"

  // --- Orbit check of the Moon ---
  ui::CommandButton Command1{this};  // "Проверить параметры орбиты Луны"
  ui::CommandButton Command2{this};  // "Остановить"
  ui::CommandButton Command3{this};  // "Продолжить"
  ui::TextBox Text44{this};          // "VYsys, км/с"
  ui::CheckBox Check1{this};         // "от ЦМ "
  ui::TextBox Text36{this};          // NC0, steps per pass
  ui::TextBox Text22{this};          // "с шагом, сек": P00
  ui::TextBox Text23{this};          // "/": StepDivisor
  ui::CheckBox Check3{this};         // "траектории"
  ui::CheckBox Check4{this};         // "центр масс системы"
  ui::TextBox Text25{this};          // "T, лет="
  ui::TextBox Text6{this};           // "к-во оборотов"
  ui::TextBox Text41{this};          // "dEsys, %"
  ui::TextBox Text42{this};          // "dMsys, %"
  ui::TextBox Text43{this};          // "dKDsysY, %"
  ui::TextBox Text12{this};          // " VXцм, м/с"
  ui::TextBox Text13{this};          // "VYцм, м/с"

  // --- The picture ---
  ui::PictureBox Picture1{this, 480, 528};
  // The lines of start data and start sums, each replacing the one printed
  // at its place by an earlier press.
  ui::PrintedLines PictureLines{Picture1};
  ui::HScrollBar HScroll1{this};     // thousand km per picture unit
  ui::Label Label10{this};           // "Масштаб изображения= ..."
  ui::CommandButton Command4{this};  // "Очистить рисунок"
  ui::CommandButton Command9{this};  // "Закрыть форму"

  // --- Handlers ---
  void Command6_Click();
  void Command1_Click();
  void RunMoonOrbitCheck();
  void Command2_Click();
  void Command3_Click();
  void Command10_Click();
  void Command11_Click();
  void Command4_Click();
  void HScroll1_Change();
  void Option5_Click();
  void Option6_Click();
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Option4_Click();
  void Command9_Click();

  // Window variables: the Y momentum of the pair at the start of the check
  // and now, kg m/s.
  double KD0sysY = 0;
  double KDsysY = 0;
  // The window's own start data of the Earth-Moon pair as the last
  // "Задать координаты и скорости Луны и Земли" left them (the Earth in
  // slot 0, the Moon in slot 11 of the start tables, the masses and the
  // Moon's elements, kodMoon 1), which the check works with; false until
  // that button has succeeded once, and the check takes the start tables
  // as they are. The model's own start data stay as the window found them.
  ModelStartData PairStartData;
  bool HasPairStartData = false;
  // The central mass of the Moon's orbit chosen in the window: 0 "mz",
  // 1 "mz+ml", 2 "mz^3/(mz+ml)^2"; the Moon's velocity is found with it.
  int16_t KodBary = 0;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // Design-time captions and start values; handler wiring; layout.
  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  // Steps of "Задать координаты и скорости Луны и Земли".
  void takeElementsFromScreen();
  bool takeElementsFromTheory();
  void takeGivenElementsAsReference();
  void applyBarycentreCorrections();
  void drawAndPrintStartData();

  // Steps of the orbit check.
  void startMoonOrbitCheck();
  bool runMoonCheckPass();
  void endMoonCheckPass();
  void showPairBalances();
  void drawPairMarks();
  // A body as a circle in the plan view and in the side view.
  void drawBodyMark(const Vector3& position, double radius, int32_t colour);

  // The check's moments (TwoBodyOrbitCheck.h).
  void stateAdvanced() override;
  void showAscendingNode() override;
  void showRevolution() override;

  // "G->J" on the date boxes; false when the date was refused.
  bool convertDateToJulianDay();
  // The picture cleared with its grid and axes.
  void ResetMoonPicture();
  // The schematic area at SchemeOffsetX cleared, its grid restored.
  void ClearSchemeArea();
  // The check boxes of the corrections b, c, e by the focus.
  void offerCorrections(bool focusInBarycentre);
  // Both schematic areas cleared and the schematic of one focus drawn.
  void drawFocusScheme(bool focusInBarycentre);
  // Metres per picture unit that the scroll bar stands for, and its label.
  void takeScaleFromScrollBar();
  // A cross of one picture unit each way at (x, y).
  void drawCross(double x, double y, int32_t colour);
  // A line of text in the picture at x = -9, its top at y, in place of the
  // one printed there before.
  void printLine(double y, const std::string& text);
  // The pair's start data in the shared tables for the check, when the
  // window has its own.
  void usePairStartData();

  // Horizontal offset of the schematic area that ClearSchemeArea clears.
  int SchemeOffsetX = 0;
  // The object the Moon is measured from: 0 the Earth, 14 the barycentre.
  int16_t CentreObject = 0;
  // The pair started with a Y momentum of its own, whose drift "dKDsysY, %"
  // shows.
  bool showsMomentumDrift_ = false;

  // Frames that only group the controls on the screen; no handler uses them.
  ui::Frame sourceFrame_{this};   // "по выбранной теории или с экрана"
  ui::Frame focusFrame_{this};    // "с фокусом эллипса находящимся в"
  ui::Frame velocityFrame_{this}; // "расчет скоростей по параметрам орбиты вести "
  ui::Frame earthMassFrame_{this};       // "масса Земли"
  ui::Frame barycentreMassFrame_{this};  // "масса барицентра"
};

// The accessor: loads Form20 (hidden) on first touch.
Form20& form20();
