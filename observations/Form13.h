#pragma once
// Form13, "План эксперименов (наблюдения)": the plan window of the
// observation window. It holds, per orbit parameter of the observed object
// (rows 1..9: semi-major axis in thousand km, eccentricity, inclination,
// perihelion, node in degrees, mean motion in radians per century, mean
// longitude at the start in degrees, the Moon's perigee and node motions in
// radians per century), the zero level, the interval of variation and the
// optimum of a plan over the observations, the velocity of the Solar System
// and the perturbation-plan switch. The boxes are the master copy: the
// observation window writes the trigger Text16 before every run, and
// ReadPlanBoxes copies the boxes into the plan state.
//
// The plan's own values that are not plan arrays (the velocity of the Solar
// System, the precession rate, the perturbation-plan switch and its
// perturber) stay here, so that the model's system velocity and force model
// are not touched: the observation window hands them to the reduction in
// its choices.
//
//   Form13.cpp          captions, defaults, handler wiring, layout, accessor
//   Form13Boxes.cpp     Form_Load, ReadPlanBoxes, ShowPlanBoxes, Text16_Change
//   Form13Plan.cpp      "Создать план", "Загрузить параметры плана из" (template)
//   Form13PlanFile.cpp  the plan-experiment file: its path, reading, writing
//   Form13Optimum.cpp   Command3_Click, Command5_Click, Command6_Click
//   Form13Export.cpp    Form_Activate, Command7_Click, Command8_Click
#include <string>

#include "ui/FormsRuntime.h"

class Form13 : public ui::Form {
 public:
  Form13();

  ui::Label Label1{this};  // "нулевые уровни, интервалы варьирования и оптимальные параметры орбиты"
  ui::ControlArray<ui::CheckBox> Check1{this, 1, 9};  // parameter i is a plan factor
  ui::ControlArray<ui::TextBox> Text1{this, 1, 9};    // zero level
  ui::ControlArray<ui::TextBox> Text2{this, 1, 9};    // "+/-" interval
  ui::ControlArray<ui::TextBox> Text3{this, 1, 9};    // coded optimum
  ui::ControlArray<ui::TextBox> Text4{this, 1, 9};    // natural optimum
  ui::TextBox Text5{this};           // "VXsys", km/s
  ui::TextBox Text6{this};           // "VYsys"
  ui::TextBox Text7{this};           // "VZsys"
  ui::Frame Frame1{this};            // plan type
  ui::OptionButton Option5{this};    // "Orto"
  ui::OptionButton Option4{this};    // "Roto"
  ui::CommandButton Command4{this};  // "Создать план"
  ui::Label Label20{this};           // "план"
  ui::TextBox Text26{this};          // "План №"
  ui::TextBox Text27{this};          // "Опыт №"
  ui::Frame Frame2{this};            // source of the plan parameters
  ui::OptionButton Option2{this};    // "шаблона"
  ui::OptionButton Option1{this};    // "файла"
  ui::CommandButton Command1{this};  // "Загрузить параметры плана из"
  ui::CommandButton Command2{this};  // "Записать план опыта в файл"
  ui::CheckBox Check2{this};         // "план возмущений от планет №1 или №2"
  ui::Frame Frame3{this};            // "от планеты"
  ui::OptionButton Option3{this};    // "№1"
  ui::OptionButton Option6{this};    // "№2"
  ui::Label Label37{this};           // "X2...X9 = ..."
  ui::TextBox Text16{this};          // trigger, hidden
  ui::CommandButton Command3{this};  // "Оптимизировать отмеченные параметры"
  ui::CommandButton Command5{this};  // "Задать нулевые уровни = X(i)opt"
  ui::CommandButton Command6{this};  // "X(i)opt=0"
  ui::CommandButton Command7{this};  // "Добавить оптимальные параметры в файл"
  ui::CommandButton Command8{this};  // "возмущения на форму 22"

  // Text16_Change: written by the observation window before a run.
  void Text16_Change();
  // ReadPlanBoxes: the boxes into the plan state: ZeroLevels,
  // VariationIntervals, Xopt, XoptNatural of parameters 1..9 (row 1 in
  // metres), the velocity in m/s, the precession rate from the observation
  // window's "Прецессия, сек", the perturbation-plan switch and the
  // planned perturber. Every box is read first: one that holds no number
  // shows "Задайте правильно данные для плана", changes nothing and
  // returns false.
  bool ReadPlanBoxes();
  // ShowPlanBoxes: the plan state into the boxes: row 1 in thousand km cut
  // to whole km, the zero levels of rows 2..9 cut to nine decimals, the
  // optima to six, the intervals and the velocity (km/s) in full; the
  // precession rate, cut to six decimals, into the observation window's
  // "Прецессия, сек".
  void ShowPlanBoxes();
  // Command4_Click "Создать план": the plan of the chosen type ("Orto",
  // "Roto") over the ticked parameters, in ascending order; its run count
  // into the observation window's last experiment. Fewer than 2 or more
  // than 6 ticked parameters are refused and the previous plan stays.
  void Command4_Click();
  // Command1_Click "Загрузить параметры плана из": the zero levels and
  // intervals from the template of the observed object's theory at the
  // observation window's date, or from the plan-experiment file; the boxes,
  // the observation window's dates and the caption of the plan follow.
  void Command1_Click();
  // Command2_Click "Записать план опыта в файл": the boxes into the plan
  // state, then the plan-experiment file written whole.
  void Command2_Click();

  // The plan-experiment file of a plan, an experiment and the object, as
  // the classic path below the program folder: "\" & SourceKind & "\Plan"
  // & plan & "\" & TheoryName & object, "_" & the observation file number
  // when "Obs" is chosen, "_" & experiment & ".dat".
  std::string planExperimentPath(int plan, int experiment, int object) const;

  // The optimum of the fitted regression (Form13Optimum.cpp): solved and
  // printed on the observation window's result picture, moved into the
  // zero levels, cleared.
  void Command3_Click();
  void Command5_Click();
  void Command6_Click();
  // The export of the zero levels (Form13Export.cpp): one dated point of the
  // observed series of the plan, shown on the statistics window; the
  // perturbation coefficients into the perturbation window.
  void Command7_Click();
  void Command8_Click();

  // The plan's values beside the plan arrays, as ReadPlanBoxes last read
  // them: the velocity of the Solar System (m/s), the precession rate (arc
  // seconds per Julian century) and the perturbation-plan switch (0 or 1).
  double VXsys = 0, VYsys = 0, VZsys = 0;
  double PrecessionRate = 5029;
  int PerturbationPlan = 0;
  // The perturbing planet (1 or 2) whose eight coefficients a plan over the
  // perturbations varies.
  int PlannedPerturber = 1;
  // False after ReadPlanBoxes refused a box: the observation window then
  // starts no run on a plan that is not the one the boxes show.
  bool PlanBoxesRead = true;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void setCaptions();
  void layoutControls();
  // The plan, experiment and object numbers as typed; false after the
  // message when one is no number, the experiment no whole number from 1,
  // the object a fraction, or (with "Obs") the observation file's number
  // none that can name the plan-experiment file.
  bool readExperimentNumbers(const char* refusal, int& plan, int& experiment);
  // The template of the observed object at the observation window's date.
  void loadTemplate();
  // The plan-experiment file read whole; false after the message.
  bool loadPlanExperimentFile(int plan, int experiment);
  void writePlanExperimentFile(int file, int plan, int experiment) const;
  void showPlanCaption();
};

Form13& form13();
