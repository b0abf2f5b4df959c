#pragma once
// Form11, "Компоненты аберрации": how far the direction in which a target
// (the Sun, a planet or a star) is seen from the Earth differs from its true
// direction when light travels at a finite, optionally reduced speed and the
// Solar System moves. The first button finds the true states of the Earth
// and the target for a date and the light time between them; the second
// makes one light-time iteration in the moving system and splits the
// difference into the aberration of the source, of the receiver and their
// sum, in ecliptic longitude and latitude. A stepping loop repeats both over
// a series of dates.
//
//   Form11.cpp            design-time defaults, handler wiring, accessor
//   Form11Layout.cpp      where the controls stand
//   Form11LightTime.cpp   Form_Load, Form_Activate, Command1_Click (true
//                         states and light time), the stepping loop
//   Form11Aberration.cpp  Command3_Click (source, receiver and total)
//   Form11Picture.cpp     the grid, the orbit circles, the scale bar, the
//                         constructions and plots, clearing and closing
#include <functional>

#include "core/state/Tables.h"
#include "core/state/BodyState.h"
#include "ui/FormsRuntime.h"

class Form11 : public ui::Form {
 public:
  Form11();

  // --- The date, the theory and the mean longitudes ---
  ui::CommandButton Command1{this};  // "Найти параметры Земли и объекта наблюдения "
  ui::CheckBox Check2{this};         // "по теории New0 для"
  ui::TextBox Text23{this}, Text33{this}, Text43{this};  // day, month, year
  ui::CommandButton Command8{this};  // "JD=JD0"
  ui::TextBox Text1{this};           // "GelioL3", degrees
  ui::TextBox Text2{this};           // "GelioLpl", degrees

  // --- True states (thousand km, km/s) ---
  ui::TextBox Text11{this}, Text13{this}, Text15{this};  // X3, Y3, Z3
  ui::TextBox Text17{this}, Text19{this}, Text21{this};  // VX3, VY3, VZ3
  ui::TextBox Text12{this}, Text14{this}, Text16{this};  // Xpl, Ypl, Zpl
  ui::TextBox Text18{this}, Text20{this}, Text22{this};  // VXpl, VYpl, VZpl

  // The target: 0 the Sun, 1..9 the planets, 10 a star typed in.
  ui::ControlArray<ui::CheckBox> Check1{this, 0, 10};
  ui::TextBox Text6{this};  // factor N of the reduced speed of light

  // --- The moving system ---
  ui::CheckBox Check7{this};          // "* cos(B)"
  ui::CommandButton Command3{this};   // one light-time iteration
  ui::TextBox Text3{this}, Text4{this}, Text5{this};  // VXsys, VYsys, VZsys, km/s
  ui::TextBox Text30{this};           // S, thousand km
  ui::TextBox Text31{this};           // light time, s
  ui::TextBox Text24{this}, Text25{this}, Text26{this};  // light-time position
  ui::TextBox Text27{this}, Text28{this}, Text29{this};  // velocity in the moving system

  // --- The stepping loop ---
  ui::CommandButton Command5{this};  // "С шагом"
  ui::TextBox Text9{this};           // step, days
  ui::CommandButton Command9{this};  // "+1шаг"
  ui::CommandButton Command6{this};  // "Stop"
  ui::CommandButton Command7{this};  // "Продолжить"

  // --- Results, degrees: GeoL and GeoB ---
  ui::TextBox Text37{this}, Text47{this};  // "Реальные  L и  B"
  ui::CheckBox Check3{this};               // "Аберрация источника Ais"
  ui::TextBox Text32{this}, Text42{this};
  ui::CheckBox Check4{this};               // "Аберрация приемника Apr"
  ui::TextBox Text34{this}, Text44{this};
  ui::CheckBox Check5{this};               // "Суммарная аберрация As"
  ui::TextBox Text35{this}, Text45{this};
  ui::TextBox Text36{this}, Text46{this};  // "Наблюдаемые  L и  B"

  // --- What the picture shows ---
  ui::Frame Frame2{this};
  ui::OptionButton Option3{this};  // "построения"
  ui::OptionButton Option4{this};  // "развертка"
  ui::OptionButton Option5{this};  // "фазовая плоскость"
  ui::CheckBox Check6{this};       // "+abs"
  ui::Frame Frame1{this};          // "плоскость"
  ui::OptionButton Option1{this};  // "XY"
  ui::OptionButton Option2{this};  // "XZ"
  ui::TextBox Text7{this};         // "MT, лет/см "
  ui::TextBox Text8{this};         // "MAlfa, град/см"
  ui::TextBox Text10{this};        // "сделано итераций"

  ui::PictureBox Picture1{this, 440, 440};
  ui::HScrollBar HScroll1{this};
  ui::Label Label23{this};
  ui::CommandButton Command2{this};  // "Очистить"
  ui::CommandButton Command4{this};  // "Закрыть форму"

  // --- Handlers ---
  // Both return false when the press ended with a message, so that the
  // stepping loop stops there.
  bool Command1_Click();
  bool Command3_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void Command2_Click();
  void Command4_Click();
  void HScroll1_Change();
  void DrawAberrationGrid();
  void DrawAberrationOrbits();

  // Window variables, degrees: the true geocentric longitude and latitude
  // of the target, and the components of the last iteration.
  double GeoL0 = 0, GeoB0 = 0;
  double GeoLis = 0, GeoBis = 0, GeoLpr = 0, GeoBpr = 0;
  double AisL = 0, AisB = 0, AprL = 0, AprB = 0, AsL = 0, AsB = 0;
  // The Earth's heliocentric longitude and latitude of the phase plane,
  // radians (kept apart from the target's true direction).
  double EarthL = 0, EarthB = 0;
  // The window's own start states of objects 0..10 (m, m/s) and mean
  // distances (m): the Earth's and the target's as the first button found
  // them, the others as the model's start data held them then. The model's
  // start data, masses and elements stay as the window found them.
  Table1<double, 10> X0, Y0, Z0, VX0, VY0, VZ0, Rsr;
  // The day step of the stepping loop and the Julian Day of its start, as
  // "С шагом" read them (the model's series keep their own start).
  double StepDays = 0;
  double SeriesStartJD = 0;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  void takeModelStartStates();
  void keepStartState(int object, const BodyState& state);
  bool chooseTarget();
  void placeEarth();
  void placeTarget(int target);
  void placeByTheory(int object, ui::TextBox& meanLongitude);
  void showTrueState(int object, ui::TextBox& x, ui::TextBox& y, ui::TextBox& z,
                     ui::TextBox& vx, ui::TextBox& vy, ui::TextBox& vz);
  void findTrueDirection(int target);
  void runSteppingLoop();
  bool makeSteppingPass();

  // Draws a construction; one that lies too far outside the picture to be
  // drawn (a distant star's places) is left out, so that the results of
  // the press are still found and shown.
  static void drawUnlessFarOutside(const std::function<void()>& draw);
  // The picture's plane: the second drawn coordinate of a slot.
  double planeY(int slot) const;
  double planeY0(int slot) const;
  double planeVY0(int slot) const;
  double planeSled(int slot) const;
  void drawTrueConstructions(int target);
  void drawSourceConstructions(int target, int shade);
  void drawReceiverConstructions(int target, int shade);
  void drawTotalConstructions(int target, int shade);
  void plotAgainstTime();
  void plotPhasePlane();
  void plotComponents(double x, double y, bool polar);
  void drawOrbitMarkers(int target);
};

// The accessor: loads Form11 (hidden) on first touch.
Form11& form11();
