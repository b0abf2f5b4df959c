#pragma once
// Form25, "Задача двух тел": two bodies m1 (slot 11) and m2 (slot 0), such
// as a binary pulsar and its companion, integrated with their own
// right-hand side Diffur11 (science/twobody/TwoBody.h), m1's orbit measured
// at each periastron passage, the energy and angular momentum of the pair
// followed, the pulsar timing quantities drawn on the graph, the drifts of
// the orbit over an interval with the finite speed of gravity, and the
// pair's parameters kept in the files "\Dat\Pulsar<N>.dat".
//
// The handlers live in files by theme:
//   Form25.cpp              design-time defaults, handler wiring, accessor
//   Form25Layout.cpp        where the controls stand
//   Form25InitialState.cpp  Form_Load, Form_Activate, Command6_Click, the
//                           pictures, the scale, clearing, closing
//   Form25Run.cpp           Command1_Click, RunTwoBody, stop, continue
//   Form25Timing.cpp        pulsar timing quantities of the run
//   Form25Interval.cpp      "начать", "закончить" and the "+0" re-take
//   Form25Files.cpp         "Загрузить из файла", "Сохранить в файле"
#include <cstdint>
#include <string>

#include "core/state/ModelStartData.h"
#include "science/twobody/TwoBody.h"
#include "ui/FormsRuntime.h"

class Form25 : public ui::Form {
 public:
  Form25();

  // --- Initial data ---
  ui::CommandButton Command6{this};  // "Задать координаты и скорости m1 и m2"
  ui::CheckBox Check14{this};        // "по параметрам орбиты ... Ser0 ... для №"
  ui::TextBox Text12{this};          // object number for Check14
  ui::TextBox Text4{this};           // "m1 / Msol"
  ui::TextBox Text5{this};           // "m2 / Msol"
  ui::TextBox Text1{this};           // "AlfaL1, град"
  ui::Label Label5{this};
  ui::Label Label8{this};
  ui::CommandButton Command7{this};  // "Загрузить из файла"
  ui::CommandButton Command8{this};  // "Сохранить в файле"
  ui::TextBox Text2{this};           // file number
  ui::CommandButton Command5{this};  // "Дополнительные  параметры"
  ui::TextBox Text21{this};          // "Vgr = Vsv *"
  ui::TextBox Text22{this};          // "с шагом, сек": P00
  ui::TextBox Text23{this};          // " /": StepDivisor
  ui::CommandButton Command1{this};  // "Проверить параметры орбиты m1"
  ui::CheckBox Check1{this};         // "от ЦМ"
  ui::CheckBox Check10{this};        // "+0"
  ui::TextBox Text36{this};          // NC0
  ui::TextBox Text24{this};          // dAlfa

  // --- Elements of m1: given, change, measured ---
  ui::TextBox Text7{this};   // "Eks1 ="
  ui::TextBox Text17{this};
  ui::TextBox Text27{this};
  ui::TextBox Text8{this};   // "AlfaP1, град"
  ui::TextBox Text18{this};
  ui::TextBox Text28{this};
  ui::TextBox Text9{this};   // "AlfaU1, град"
  ui::TextBox Text19{this};
  ui::TextBox Text29{this};
  ui::TextBox Text10{this};  // "R1, тыс.км."
  ui::TextBox Text20{this};
  ui::TextBox Text30{this};
  ui::TextBox Text37{this};  // "Betta1 ,град"
  ui::TextBox Text38{this};
  ui::TextBox Text39{this};
  ui::TextBox Text40{this};  // "P1, дни"
  ui::TextBox Text33{this};
  ui::TextBox Text34{this};
  ui::TextBox Text13{this};  // " P1, сек"
  ui::TextBox Text14{this};
  ui::TextBox Text15{this};
  ui::CheckBox Check5{this};  // "dEks1  /"
  ui::TextBox Text43{this};
  ui::CheckBox Check6{this};  // "dAlfaP1 /"
  ui::TextBox Text44{this};
  ui::CheckBox Check7{this};  // "dR1  /"
  ui::TextBox Text45{this};
  ui::CheckBox Check8{this};  // "dP1  /"
  ui::TextBox Text46{this};
  ui::TextBox Text16{this};   // "V1, м/с ="

  // --- Lower part ---
  ui::TextBox Text31{this};  // "VXsys, км/с"
  ui::TextBox Text32{this};  // "VYsys, км/с"
  ui::Frame Frame1{this};    // "показывать положения"
  ui::OptionButton Option1{this};  // "m1 от ЦМ"
  ui::OptionButton Option2{this};  // "m1 от 0"
  ui::OptionButton Option6{this};  // " m1 от m2"
  ui::OptionButton Option7{this};  // "m1 и m2 от ЦМ"
  ui::OptionButton Option8{this};  // "m1 и m2 от 0"
  ui::CheckBox Check3{this};       // "+ траектории"
  ui::CheckBox Check4{this};       // "+ ЦМ системы"
  ui::Label Label10{this};         // scale
  ui::HScrollBar HScroll1{this};
  ui::TextBox Text11{this};        // "F21 (справочно) ="
  ui::Frame Frame4{this};          // "расчет с учетом Vgr"
  ui::OptionButton Option9{this};  // "начать"
  ui::OptionButton Option10{this}; // "закончить"
  ui::TextBox Text3{this};         // "Ft1, н"
  ui::Frame Frame2{this};          // "возникающую при этом силу Ft определять"
  ui::OptionButton Option3{this};  // "численно"
  ui::OptionButton Option4{this};  // "аналитически"
  ui::OptionButton Option5{this};  // "с экрана"
  ui::CheckBox Check9{this};       // "Ft1 определять по V2"
  ui::CheckBox Check2{this};       // "+ Ft2"
  ui::TextBox Text35{this};        // "к-во оборотов m1"
  ui::TextBox Text25{this};        // "прошло лет"
  ui::TextBox Text41{this};        // "dEsys, %"
  ui::TextBox Text42{this};        // "dMsys, %"
  ui::TextBox Text6{this};         // "MT, дни /см"
  ui::CommandButton Command4{this};  // "Очистить рисунки"
  ui::CommandButton Command2{this};  // "Остановить"
  ui::CommandButton Command3{this};  // "Продолжить"
  ui::CommandButton Command9{this};  // "Закрыть форму"
  ui::PictureBox Picture1{this, 380, 380};
  ui::PictureBox Picture2{this, 380, 140};

  // --- Handlers ---
  void Command6_Click();
  void Command4_Click();
  void Command5_Click();
  void Command9_Click();
  void HScroll1_Change();
  void Command1_Click();
  void RunTwoBody();
  void Command2_Click();
  void Command3_Click();
  void Option9_Click();
  void Option10_Click();
  void Command7_Click();
  void Command8_Click();

  // The pair as the last "Задать координаты и скорости m1 и m2" left it:
  // the masses, m1's elements and the start states of m2 (slot 0) and m1
  // (slot 11), which the runs work with; false until that button has
  // succeeded once, and a run takes the start tables as they are. The
  // model's own start data stay as the window found them.
  ModelStartData PairStartData;
  bool HasPairStartData = false;
  // The mass slots of m1 and m2 in PairStartData (SelectedObject and
  // SecondObject as the button left them).
  int32_t M1MassSlot = 11;
  int32_t M2MassSlot = 13;

  // The options the right-hand side reads (from the window's controls) and
  // those of the options window Form26, which it applies here.
  twobody::ForceOptions Forces;
  twobody::TimingOptions Timing;

  // Run variables of the window.
  int16_t OrbitCentre = 0;
  double IntervalStartTime = 0;
  double DragWindowHigh = 0;
  double DragWindowLow = 0;
  double dTv = 0;
  double dTm = 0;
  double DelayOriginTime = 0;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // The pair's start data in the shared tables for a run, when the window
  // has its own.
  void usePairStartData();
  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  // The options that the right-hand side reads, from the controls.
  void refreshForceOptions();
  // The empty graph of Picture2 and the empty orbit picture.
  void DrawGraphFrame();
  void drawOrbitGrid();
  void takeScaleFromScrollBar();
  // Marks of the bodies and of the centre of mass at the current places.
  void drawBodyMarks(double xM2, double yM2, double xM1, double yM1, int32_t m2Colour,
                     int32_t m1Colour);
  void drawCross(double x, double y, double halfLength, int32_t colour);
  void printAt(ui::PictureBox& picture, double x, double y, const std::string& text);

  // Steps of "Задать координаты и скорости m1 и m2".
  void takeElementsFromSer0();
  void takeElementsFromScreen();
  void placePairAndSaveStart();
  void printStartState();

  // Steps of the run.
  void setUpRun();
  bool runPass();
  void advancePair();
  void takeRevolutionEvent();
  void takeAscendingNode(double longitude);
  void controlStepNearPeriastron(double longitude);
  void measureAtPeriastron(double longitude);
  void drawDriftCurves();
  void showOutput();
  void drawOrbitPicture();

  // Pulsar timing quantities of the run.
  void startTiming();
  void updateTimingPerPass();
  void takeDelayOrigin();
  void printDelays(bool fromNode);
  void printExtremes();
  void rearmTimingExtremes();
  void drawTimingCurves();
  void drawPulseRate();

  // "+0" and the interval marks.
  void retakeReference();
  void markTimeOnGraph();
  void reportDrifts();
  void setFiniteVgrFlag();

  // Parameter files.
  bool savePulsarFile();
  bool loadPulsarFile();
  std::string pulsarFileName() const;
};

// The accessor: loads Form25 (hidden) on first touch.
Form25& form25();
