#pragma once
// Form1, "Параметры объектов и начальные данные": the start-up window.
//
// Its load prepares the whole shared state and loads the default parameters
// and initial data, so that every window opened later finds a complete model.
// The user chooses the bodies, a theory or another source and a date, loads
// the orbital elements and masses ("Загрузить параметры на"), turns them into
// initial data ("Рассчитать по параметрам орбит начальные данные"), sees them
// in the grid and the picture, keeps them in parameter files and opens the
// other windows from here.
//
// The handlers live in files by theme:
//   Form1.cpp               design-time defaults, handler wiring, accessor
//   Form1Layout.cpp         where the controls stand
//   Form1Startup.cpp        Form_Load, Form_Activate, Check2_Click,
//                           Check3_Click, SetObjectColours
//   Form1LoadParameters.cpp Command3_Click and its sources
//   Form1ParameterFile.cpp  Command4_Click and the reader of the file
//   Form1InitialData.cpp    Command12_Click and the Earth-Moon split
//   Form1Grid.cpp           Option2_Click, Option3_Click, Text28_Change,
//                           the date conversions Command17_Click, Command18_Click
//   Form1Picture.cpp        DrawOrbitPicture, HScroll1_Change, the marks
//                           of bodies and of the centre of mass
//   Form1Navigation.cpp     Command1_Click, Command9_Click, the buttons to other windows
//   Form1CentreOfMass.cpp   Command15_Click, Command2_Click, Command16_Click
//   Form1OrbitCheck.cpp     Command13_Click, RunOrbitCheck, Command5_Click,
//                           Command6_Click, Command7_Click and what the check
//                           shows (the check itself: TwoBodyOrbitCheck.h)
//
// Buttons whose windows come with later work ("К наблюдениям", the windows
// marked "*") stand in the window with their captions; whoever builds their
// window connects them in Form1.cpp.
#include "science/twobody/TwoBodyOrbitCheck.h"
#include "ui/FormsRuntime.h"

class Form1 : public ui::Form, private orbitcheck::OrbitCheckEvents {
 public:
  Form1();

  // --- Bodies of the model ---
  // Which objects take part (0..9 ticked at start).
  ui::ControlArray<ui::CheckBox> Check2{this, 0, 10};
  // The body followed by the orbit check; disabled for bodies not taking part.
  ui::ControlArray<ui::OptionButton> Option1{this, 0, 10};
  ui::CheckBox Check3{this};  // "Земля-Луна и Ксена=Луна"
  ui::CheckBox Check4{this};  // "Bary"

  // --- Date and Julian Day ---
  ui::TextBox Text34{this};  // year
  ui::TextBox Text33{this};  // month
  ui::TextBox Text32{this};  // day of the month with its fraction
  ui::TextBox Text24{this};  // Julian Day
  ui::CommandButton Command17{this};  // "G->J"
  ui::CommandButton Command18{this};  // "J->G"

  // --- Source of the parameters ---
  ui::OptionButton Option4{this};  // "New0 (JD)"
  ui::OptionButton Option5{this};  // "JPL0 (J2000)"
  ui::OptionButton Option8{this};  // "Ser0 (J2000)", chosen at start
  ui::OptionButton Option9{this};  // "параметры и данные JPL2 (J2000)"
  ui::OptionButton Option6{this};  // "параметры и данные из файла"
  ui::OptionButton Option7{this};  // "параметры или данные с экрана"
  ui::CommandButton Command3{this};   // "Загрузить параметры на"
  ui::TextBox Text23{this};           // number N of the parameter file
  ui::CommandButton Command4{this};   // "Сохранить данные в файле №"
  ui::TextBox Text25{this};           // "mSol, кг"
  ui::TextBox Text26{this};           // "gamma, н*м^2/кг^2"
  ui::TextBox Text11{this};           // "Lae, км"
  ui::CommandButton Command12{this};  // "Рассчитать по параметрам орбит начальные данные"

  // --- The grid: one column per object 0..10, seven rows ---
  ui::OptionButton Option2{this};  // "параметры орбит объектов", chosen at start
  ui::OptionButton Option3{this};  // "начальные данные"
  ui::Label Label1{this};
  ui::Label Label2{this};
  ui::Label Label3{this};
  ui::Label Label4{this};
  ui::Label Label5{this};
  ui::Label Label6{this};
  ui::Label Label7{this};
  ui::ControlArray<ui::TextBox> Text1{this, 0, 10};
  ui::ControlArray<ui::TextBox> Text2{this, 0, 10};
  ui::ControlArray<ui::TextBox> Text3{this, 0, 10};
  ui::ControlArray<ui::TextBox> Text4{this, 0, 10};
  ui::ControlArray<ui::TextBox> Text5{this, 0, 10};
  ui::ControlArray<ui::TextBox> Text6{this, 0, 10};
  ui::ControlArray<ui::TextBox> Text7{this, 0, 10};
  // Hidden trigger: any write shows the initial data in the grid.
  ui::TextBox Text28{this};

  // --- Picture of the bodies seen from the north ecliptic pole ---
  ui::PictureBox Picture1{this, 340, 374};
  ui::HScrollBar HScroll1{this};
  ui::Label Label10{this};

  // --- Centre-of-mass tools ---
  ui::CommandButton Command15{this};  // "Найти координаты ЦМ системы"
  ui::CommandButton Command2{this};   // "ЦМ системы в начало координат"
  ui::CommandButton Command16{this};  // "Найти по Vpl скорость Солнца Vsol"
  ui::CheckBox Check7{this};          // "ЦМ системы"

  // --- Orbit check of one planet ---
  ui::CommandButton Command13{this};  // "Проверить параметры орбиты и ..."
  ui::CommandButton Command5{this};   // "Остановить"
  ui::CommandButton Command6{this};   // "Продолжить "
  ui::CommandButton Command7{this};   // "сделать NC0 шагов"
  ui::CheckBox Check5{this};          // "при Vsol=const"
  ui::CheckBox Check1{this};          // "траектории"
  ui::TextBox Text29{this};           // NC0, steps per pass
  ui::TextBox Text30{this};           // base step, s
  ui::TextBox Text31{this};           // divisor of the step near perihelion
  ui::TextBox Text10{this};           // half-width of the search windows, degrees
  ui::Label Label13{this};            // reference period
  ui::TextBox Text22{this};
  ui::TextBox Text13{this};
  ui::TextBox Text14{this};
  ui::TextBox Text15{this};
  ui::TextBox Text16{this};
  ui::TextBox Text21{this};
  ui::TextBox Text27{this};
  ui::TextBox Text8{this};
  ui::TextBox Text35{this};
  ui::TextBox Text12{this};
  ui::TextBox Text9{this};
  ui::TextBox Text17{this};
  ui::TextBox Text18{this};
  ui::TextBox Text19{this};
  ui::TextBox Text20{this};
  ui::TextBox Text36{this};
  ui::TextBox Text37{this};
  ui::TextBox Text40{this};

  // --- Other windows and the exit ---
  ui::CommandButton Command1{this};   // "К моделированию"
  ui::CommandButton Command20{this};  // "К наблюдениям"
  ui::CommandButton Command10{this};  // "Скорость системы* "
  ui::CommandButton Command25{this};  // "Bary - Geo*"
  ui::CommandButton Command19{this};  // "ET-UT*"
  ui::CommandButton Command8{this};   // "About*"
  ui::CommandButton Command11{this};  // "Обозначения*"
  ui::CommandButton Command21{this};  // "Планы*"
  ui::CommandButton Command22{this};  // "Координаты*"
  ui::CommandButton Command23{this};  // "Эллипс*"
  ui::CommandButton Command24{this};  // "Аберрация*"
  ui::CommandButton Command26{this};  // "JPL (DE405)*"
  ui::CommandButton Command27{this};  // "2-а тела*"
  ui::CommandButton Command9{this};   // "Выход"

  // --- Handlers ---
  void Check2_Click(int Index);
  void Check3_Click();
  void SetObjectColours();
  void Command3_Click();
  void Command4_Click();
  void Command12_Click();
  void Option2_Click();
  void Option3_Click();
  void ShowElementCaptions();
  void ShowInitialDataCaptions();
  void Text28_Change();
  void Command17_Click();
  void Command18_Click();
  void DrawOrbitPicture();
  void HScroll1_Change();
  void Command1_Click();
  void Command9_Click();
  void Command10_Click();
  void Command20_Click();
  void Command25_Click();
  void Command8_Click();
  void Command11_Click();
  void Command21_Click();
  void Command22_Click();
  void Command23_Click();
  void Command24_Click();
  void Command26_Click();
  void Command27_Click();
  void Command19_Click();
  // Centre-of-mass tools.
  void Command15_Click();
  void Command2_Click();
  void Command16_Click();
  // Orbit check of one planet.
  void Command13_Click();
  void RunOrbitCheck();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();

  // --- Procedures of the window on the shared tables (no trap of their
  // own; a run-time error goes to the caller's trap) ---
  // The Moon's elements (object 11) reduced to one turn and copied into
  // object 10 with its mass.
  void CopyMoonToObject10();
  // The Earth's offset from the Earth-Moon barycentre (slot 13) from the
  // Moon's start data (slot 11), without and with "Bary".
  void SplitEarthMoon();
  void SplitEarthMoonBary();
  // The Earth (object 3) and the Moon (object 10) made heliocentric from the
  // barycentre in object 3; object 3 becomes the Earth alone.
  void AddEarthMoonBarycentre();

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // Design-time captions and start values; handler wiring; layout.
  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  // Steps of "Загрузить параметры на" (Form1LoadParameters.cpp).
  enum class ParameterSource { JPL0, Ser0, DE405, File, Screen, New0 };
  ParameterSource chosenSource() const;
  bool startParameterLoad();
  bool loadDE405Source();
  void loadFromScreen();
  void finishParameterLoad();
  void setMassFromRatio(int object);
  // The parameter file (Form1ParameterFile.cpp).
  void loadParameterFile();
  void readParameterFile();
  void writeParameterFile();
  // Circle of radius 0.04 picture units at the body's current position, as
  // the loaders draw while they read.
  void markLoadedBody(int object);
  // Metres per picture unit that the scroll bar's value stands for.
  double imageScaleFromScrollBar() const;
  // Clears Picture1, sets its scale and draws grid, axes and bodies.
  void redrawOrbitPicture();
  // The grid shows what its option button says (elements or initial data).
  void refreshGrid();
  // Column i of the grid: X, Y, Z (thousands of km) and VX, VY, VZ (m/s).
  void showInitialDataColumn(int i);

  // Marks in Picture1 (Form1Picture.cpp), positions in metres. A body as a
  // circle of radius in picture units in the plan view and in the side view
  // (Z above the axis of the top strip); the centre of mass as a cross two
  // units wide in the plan view.
  void drawInBothViews(const Vector3& position, double radius, int32_t colour);
  void drawCentreOfMassCross(double x, double y, int32_t colour);
  static constexpr double kBodyMarkRadius = 0.06;

  // Centre-of-mass tools (Form1CentreOfMass.cpp).
  void findCentreOfMass();
  void showCentreOfMass();

  // Orbit check (Form1OrbitCheck.cpp).
  void startOrbitCheck();
  bool endOrbitCheckPass();
  void drawCheckedPair();
  void drawCheckedBody(int slot, double radius);
  void showPassResults();
  void showAscendingNode() override;
  void showRevolution() override;

  // Frames that only group the controls on the screen; no handler uses them.
  ui::Frame objectFrame_{this};
  ui::Frame sourceFrame_{this};
  ui::Frame displayFrame_{this};
};

// The accessor: loads Form1 (hidden) on first touch.
Form1& form1();
