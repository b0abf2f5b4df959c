#pragma once
// Form7, "Тестирование алгоритма учета скорости гравитации": the test bench
// of the retardation of gravity.
//
// The researcher ticks two bodies, places them ("Задать положение 2-х
// планет") on the circles of their mean distances at typed longitudes or
// from the snapshot that the model window's last run left, and then presses
// "Сделать 1 итерацию с заданными условиями движения" once per pass of the
// fixed-point iteration of the retarded interaction: each body acts from
// its trace, the place it had when the gravity now arriving left it, the
// distance from the trace to the other body gives a new delay R / Vgr, and
// the Newton force by the trace (optionally corrected by the bench's law of
// gravity pressure) is shown and drawn. The physics is in Form7Physics.h and
// Form7HistoryTrace.h; the window reads its boxes, calls it and shows.
//
// The handlers live in files by theme:
//   Form7.cpp           design-time defaults, handler wiring, accessor
//   Form7Layout.cpp     where the controls stand
//   Form7Load.cpp       Form_Load, Form_Activate
//   Form7Placement.cpp  Command1_Click "Задать положение 2-х планет"
//   Form7Iteration.cpp  Command3_Click, TraceFromHistory
//   Form7Drawing.cpp    DrawGrid, DrawPair, the iteration picture,
//                       HScroll1_Change, Command4_Click
#include <cstdint>

#include "model/Form7Physics.h"
#include "ui/FormsRuntime.h"
#include "ui/PictureLabels.h"

class Form7 : public ui::Form {
 public:
  Form7();

  // --- The picture: user units −10..10 both ways, y upward ---
  ui::PictureBox Picture1{this, 520, 520};
  // The working of the history and the traces, printed over the window's
  // note at the top: each line clears its place, and replaces the one
  // printed there by an earlier press.
  ui::PrintedLines PictureLines{Picture1};

  // --- Bodies and their traces: X and VX of the bodies (first column) and of
  // their traces (second column), thousands of km and m/s ---
  ui::TextBox Text11{this}, Text24{this}, Text12{this}, Text27{this};  // X1, X2
  ui::TextBox Text13{this}, Text25{this}, Text14{this}, Text28{this};  // Y1, Y2
  ui::TextBox Text15{this}, Text26{this}, Text16{this}, Text29{this};  // Z1, Z2
  ui::TextBox Text17{this}, Text47{this}, Text18{this}, Text48{this};  // VX1, VX2
  ui::TextBox Text19{this}, Text49{this}, Text20{this}, Text50{this};  // VY1, VY2
  ui::TextBox Text21{this}, Text51{this}, Text22{this}, Text52{this};  // VZ1, VZ2
  ui::TextBox Text7{this};  // "L12=L21="
  ui::TextBox Text8{this};  // "T12=T21="
  ui::TextBox Text9{this};  // "F12=F21"
  ui::CheckBox Check3{this};  // "+": the system velocity is added
  ui::TextBox Text3{this};    // "VXsys", km/s
  ui::TextBox Text4{this};    // "VYsys"
  ui::TextBox Text5{this};    // "VZsys"

  // --- One iteration: the calculation of the pair shown ---
  ui::TextBox Text31{this};  // "dAlfaVXi"
  ui::TextBox Text32{this};  // "dAlfaVYi"
  ui::TextBox Text33{this};  // "dBettaVZi"
  ui::TextBox Text34{this};  // "dVi"
  ui::TextBox Text35{this};  // "dAlfaVXk"
  ui::TextBox Text36{this};  // "dAlfaVYk"
  ui::TextBox Text37{this};  // "dBettaVZk"
  ui::TextBox Text38{this};  // "dVk"
  ui::TextBox Text53{this};  // "Alfa i k"
  ui::TextBox Text54{this};  // "Betta i k"
  ui::TextBox Text55{this};  // "L i k"
  ui::TextBox Text59{this};  // "T i k"
  ui::TextBox Text60{this};  // "dVk - dVi"
  ui::TextBox Text61{this};  // "L12/L21"
  ui::TextBox Text30{this};  // "F12/F21"
  ui::TextBox Text41{this};  // "Fs (по следам)"
  ui::TextBox Text42{this};  // "Fsum "
  ui::TextBox Text43{this};  // "FXsum"
  ui::TextBox Text44{this};  // "FYsum"
  ui::TextBox Text45{this};  // "FZsum"
  ui::TextBox Text56{this};  // "FXsum - FXs"
  ui::TextBox Text57{this};  // "FYsum - FYs"
  ui::TextBox Text58{this};  // "FZsum - FZs"
  ui::TextBox Text10{this};  // "сделано итераций"
  ui::CommandButton Command3{this};  // "Сделать 1 итерацию с заданными условиями движения"
  ui::Frame Frame2{this};            // "показать расчет"
  ui::OptionButton Option3{this};    // "F12"
  ui::OptionButton Option4{this};    // "F21"
  ui::Frame Frame1{this};            // "рисовать"
  ui::OptionButton Option1{this};    // "XY"
  ui::OptionButton Option2{this};    // "XZ"

  // --- The pair and the conditions of the test ---
  ui::ControlArray<ui::CheckBox> Check1{this, 0, 9};  // objects 0..9
  ui::TextBox Text1{this};  // "Alfa1", degrees
  ui::TextBox Text2{this};  // "Alfa2", degrees
  ui::CommandButton Command1{this};  // "Задать положение 2-х планет"
  ui::CheckBox Check2{this};  // "+  координаты и скорости с формы 2"
  ui::CheckBox Check4{this};  // "учитывать DX"
  ui::CheckBox Check5{this};  // "учитывать Pgr"
  ui::TextBox Text6{this};    // "Vgr=Vsv*"
  ui::TextBox Text40{this};   // "kPgr1="
  ui::TextBox Text62{this};   // "kPgr2="
  ui::TextBox Text46{this};   // "MV, (км/с)/см"
  ui::TextBox Text23{this};   // "MF, 10^12 Н/см"
  ui::HScrollBar HScroll1{this};  // scale, value / 10 million km per unit
  ui::Label Label23{this};        // the scale
  ui::CommandButton Command4{this};  // "Закрыть форму"

  // --- Handlers ---
  void Command1_Click();
  void Command3_Click();
  void Command4_Click();
  void HScroll1_Change();

  // --- Procedures of the window ---
  void DrawGrid();
  void DrawPair();
  // TraceFromHistory: the trace of body i for the delay PropagationTime(i, k)
  // from the model's position history (Form7HistoryTrace.h), into Xsled,
  // Ysled, Zsled(i); when i is N1 or N2 and the trace lies between two
  // records, the working is printed into the left (N1) or right (N2) half of
  // the picture's top rows (X coordinates only, metres and seconds).
  void TraceFromHistory(int i, int k);

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // The Newton force by the traces of the pair, (N1, N2) and (N2, N1), kept
  // from the pair loops to the calculation boxes of the same press.
  bench::NewtonValues newton12_, newton21_;

  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  // Command1
  bool chooseTestedPair();
  void readScales();
  void printHistoryLength();
  void takeModelSnapshot();
  void placeTypedPair();
  void showBodies();
  void showStartingPair();
  void drawStartingArrows();
  void markHistory(int body, bool side);
  // Command3
  void countIteration();
  void formTraces();
  void showTraces();
  void showSourceVelocities();
  void showCalculation(int i, int k);
  void drawIteration();
  // Drawing helpers
  void showSystemVelocity();
  void printNote();
  int32_t colourOf(int body) const;
  // A position in metres shown in thousands of km, cut to whole metres.
  static void showThousandsOfKm(ui::TextBox& x, ui::TextBox& y, ui::TextBox& z, double xm, double ym, double zm);
  double pictureX(double metres) const;
};

Form7& form7();
