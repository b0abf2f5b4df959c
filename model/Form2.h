#pragma once
// Form2, "Моделирование и имитирование движения планет": the model window.
//
// It holds the options and numbers of a computational experiment, the orbit
// view Picture1 (the plane of the ecliptic with a strip for the side view,
// and the graphs of drifts against time), the overview Picture2, the boxes
// in which a run shows its progress and the elements of the followed body,
// and the buttons that start, stop, continue and step a run. The computing
// is ModelRun's (science/engine); this window reads its controls, refuses bad
// input, shows what the run measures and lets events run between passes.
//
// The handlers live in files by theme:
//   Form2.cpp            design-time defaults, handler wiring, accessor
//   Form2Layout.cpp      where the controls stand
//   Form2Load.cpp        Form_Load, Form_Activate, Text53_Change
//   Form2Start.cpp       Command1_Click "Начать"
//   Form2RunControl.cpp  stop, continue, one pass, navigation, exit
//   Form2Views.cpp       DrawOrbits, DrawOverview, the scale, the pan
//   Form2RunDisplay.cpp  what a run shows (the RunWindow of ModelRun)
#include <cstdint>
#include <string>

#include "science/engine/ModelRun.h"
#include "science/engine/RunWindow.h"
#include "ui/FormsRuntime.h"

class Form2 : public ui::Form, public RunWindow {
 public:
  Form2();

  // --- The views ---
  ui::PictureBox Picture1{this, ui::twipsToPixels(6765), ui::twipsToPixels(7425)};
  ui::PictureBox Picture2{this, ui::twipsToPixels(2670), ui::twipsToPixels(2670)};
  ui::HScrollBar HScroll1{this};  // scale of the orbit view
  ui::Label Label1{this};         // "Масштаб орбит = 300 млн. км/см"

  // --- Kind of run, model, imitator, direction of time ---
  ui::Frame useFrame_{this};        // "использовать"
  ui::OptionButton Option3{this};   // "модель"
  ui::OptionButton Option4{this};   // "имитатор"
  ui::Frame modelFrame_{this};      // "модель"
  ui::OptionButton Option7{this};   // "Классика"
  ui::OptionButton Option8{this};   // "ОТО"
  ui::Frame imitatorFrame_{this};   // "имитатор"
  ui::OptionButton Option5{this};   // "New0"
  ui::OptionButton Option9{this};   // "JPL0"
  ui::OptionButton Option6{this};   // "JPL2"
  ui::Frame timeFrame_{this};       // "время идет"
  ui::OptionButton Option1{this};   // "Вперед"
  ui::OptionButton Option2{this};   // "Назад"

  // --- Numbers of the experiment ---
  ui::CheckBox Check13{this};  // "Vgr=Vsv *"
  ui::TextBox Text35{this};    // speed of gravity in units of the speed of light
  ui::TextBox Text45{this};    // exponent of the distance, "F=G*m*M/R^"
  ui::TextBox Text38{this};    // "Шаг решения, с"
  ui::TextBox Text39{this};    // step divisor near the passages
  ui::TextBox Text37{this};    // "с выводом через" NC0 "шагов"
  ui::CheckBox Check14{this};  // "эксперимент закончить в"
  ui::TextBox Text40{this};    // end year
  ui::CheckBox Check4{this};   // "Найти показатели планеты №"
  ui::TextBox Text13{this};    // the followed object
  ui::TextBox Text17{this};    // "при +/- Alfa, град="
  ui::CheckBox Check17{this};  // "Xsol=0"
  ui::CheckBox Check19{this};  // "Xzem=0"
  ui::CheckBox Check18{this};  // "Хцм=0"
  ui::CheckBox Check12{this};  // "dEsys, dMsys, %"
  ui::CheckBox Check20{this};  // "Записать параметры орбиты в файл"
  ui::TextBox Text8{this};     // experiment number
  ui::CheckBox Check2{this};   // "Записать координаты  X, Y, Z"
  ui::CheckBox Check3{this};   // "Анимация"
  ui::CheckBox Check1{this};   // "Траектории "
  ui::CheckBox Check21{this};  // "текст теста"

  // --- Scales of the graphs ---
  ui::TextBox Text5{this};   // "MdAlfa, сек/см"
  ui::TextBox Text9{this};   // "MT, лет/см"
  ui::TextBox Text21{this};  // "Mx, тыс.км/см "
  ui::TextBox Text36{this};  // "dY, см"

  // --- Progress of a run ---
  ui::TextBox Text44{this};  // year   } "дата"
  ui::TextBox Text43{this};  // month  }
  ui::TextBox Text42{this};  // day    }
  ui::TextBox Text14{this};  // "JD="
  ui::TextBox Text1{this};   // " dTmod, лет"
  ui::TextBox Text50{this};  // "dTreal, час"
  ui::TextBox Text2{this};   // "AlfaEklip, град"
  ui::TextBox Text34{this};  // "К-во оборотов, шт"
  ui::CheckBox Check5{this};  // "X, тыс.км"
  ui::CheckBox Check6{this};  // "Y, тыс.км"
  ui::CheckBox Check7{this};  // "Z, тыс.км"
  ui::TextBox Text11{this};
  ui::TextBox Text12{this};
  ui::TextBox Text30{this};
  ui::TextBox Text19{this};  // energy balance, %
  ui::TextBox Text41{this};  // angular-momentum balance, %

  // --- Elements of the followed orbit: reference, current, drift ---
  ui::TextBox Text3{this}, Text4{this}, Text25{this};    // "AlfaP, град"
  ui::TextBox Text7{this}, Text24{this}, Text23{this};   // "AlfaU, град"
  ui::TextBox Text6{this}, Text22{this}, Text16{this};   // "Betta, град"
  ui::TextBox Text20{this}, Text18{this}, Text29{this};  // "Eks"
  ui::TextBox Text46{this}, Text47{this}, Text10{this};  // "Rsr, тыс.км."
  ui::TextBox Text48{this}, Text49{this}, Text15{this};  // "Period, дни"
  ui::TextBox Text26{this}, Text27{this}, Text28{this};  // "AlfaP пройден": day, month, year
  ui::TextBox Text31{this}, Text32{this}, Text33{this};  // "AlfaU пройден": day, month, year
  ui::CheckBox Check8{this};   // "dAlfaP, сек"
  ui::CheckBox Check9{this};   // "dAlfaU, сек"
  ui::CheckBox Check10{this};  // "dBetta, сек"
  ui::CheckBox Check11{this};  // "dEks"
  ui::CheckBox Check15{this};  // "dRsr,тыс.км"
  ui::CheckBox Check16{this};  // "dPeriod, дни"

  // --- Buttons ---
  ui::CommandButton Command1{this};   // "Начать"
  ui::CommandButton Command4{this};   // "Остановить"
  ui::CommandButton Command5{this};   // "Продолжить"
  ui::CommandButton Command2{this};   // "NC0 шагов"
  ui::CommandButton Command9{this};   // "Дополнительные параметры"
  ui::CommandButton Command7{this};   // "Тест гравитации*"
  ui::CommandButton Command3{this};   // "К статистике"
  ui::CommandButton Command10{this};  // "К плану"
  ui::CommandButton Command8{this};   // "Закрыть форму"
  ui::CommandButton Command6{this};   // "Выход"

  // The trigger of the plan window: any text written into it starts an
  // experiment, nested inside the writer.
  ui::TextBox Text53{this};

  // --- Handlers ---
  void Command1_Click();
  void Command4_Click();
  void Command5_Click();
  void Command2_Click();
  void Command3_Click();
  void Command9_Click();
  void Command7_Click();
  void Command8_Click();
  void closeByTitleBar() override;  // as "Закрыть форму"
  void Command6_Click();
  void Command10_Click();
  void Text53_Change();
  void HScroll1_Change();
  void Picture2_MouseDown(int Button, int Shift, double X, double Y);

  // --- Drawing procedures ---
  void DrawOrbits();
  void DrawOverview();

  // --- RunWindow: what a run shows ---
  RunControls readControls() override;
  void rereadRunParameters() override;
  int letEventsRun() override;
  bool drawsThisPass(bool mustDraw) override;
  void eraseBodyMarkers() override;
  void showHistoryLength() override;
  void showStartEnergy() override;
  void showProgress() override;
  void animateBodies() override;
  void showFollowedCoordinates() override;
  void showCentreOfMass() override;
  void showEnergyBalance() override;
  void showNode(bool ascending) override;
  void showReferencePeriod() override;
  void showFirstPerihelion() override;
  void showPassage() override;
  void showPerihelionCount() override;
  void showGravityTest() override;
  void handOverToPlan() override;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  ModelRun run_;
  // Output passes draw at most about 30 times a second.
  ui::DrawingPace drawingPace_;

  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();
  // Steps of "Начать"; each returns false when the start is refused.
  bool readStartOptions();
  bool readStartNumbers();
  void resetDisplaysAndClocks();
  bool prepareFollowedOrbit();
  bool chooseSourceOfPositions();
  void writeResultFileHeaders();
  bool planRunsByTest() const;
  bool planIsRotatable() const;
  void printRunTitle(const std::string& firstLine);
  // Helpers of the displays
  double graphTime() const;
  void plotCoordinates(double x, double y, double z);
  void drawBodyMarker(int body, double x, double y, double z, double centreX, double centreY, double centreZ,
                      int32_t colour, double overviewX, double overviewY, double overviewRadius);
};

Form2& form2();
