#pragma once
// Form12, "Преобразователь координат": the coordinate converter. It finds
// the position of the Sun, a planet, the Earth or the Moon for a date and an
// observer by the theory JPL0 (or takes a position typed on the screen),
// keeps it as one vector in its internal frame (heliocentric, ecliptic and
// equinox of the date, metres) and shows it in any frame of equinox (J2000
// or the date), plane (ecliptic, equator, horizon) and origin (the Sun, the
// Earth's centre, the observer). Its angle tool reads an angle typed in
// hours, degrees or radians into the angle register and shows it back in any
// unit; its date tools turn the universal-time date into a Julian Day and
// back, with the observer's local mean time and the time of a time zone.
//
// The angle register is Main.DecimalDate (degrees), the sign register
// Main.StepReductionState (+1 or -1). The saved vectors are Main.X0, Y0, Z0
// of 0 (Sun), 3 (Earth's centre), 10 (Moon) and the chosen body; slots 12,
// 13, 16, 22, 23, 26 of Main.X, Y, Z hold the observer and the Earth for
// the date (Form12Frames.cpp).
//
//   Form12.cpp        design-time defaults, handler wiring, accessor, load
//                     and activation
//   Form12Layout.cpp  where the controls stand
//   Form12Angles.cpp  Command4_Click "Считать угол ", Command5_Click
//                     "Преобразовать угол", Command12_Click, Command13_Click
//   Form12Dates.cpp   Command10_Click "G->J", Command11_Click "J->G"
//   Form12Frames.cpp  the context of a date and an observer,
//                     InternalToSelectedFrame, SelectedFrameToInternal,
//                     Command7_Click "Преобразовать координаты",
//                     Command1_Click (converted into source boxes)
//   Form12Picture.cpp DrawConverterGrid, the drawing steps, DrawSightLines,
//                     HScroll1_Change
//   Form12Source.cpp  Command6_Click "Задать координаты", Command2_Click
//                     "Задать координаты для JD = JD + "
#include "tools/Form12Shared.h"
#include "ui/FormsRuntime.h"

class Form12 : public ui::Form {
 public:
  Form12();

  // --- The body: 0 Sun, 1..9 Mercury..Pluto, 3 the Earth's centre, 10 the
  // Moon, 11 "с экрана" (typed) ---
  ui::Frame bodyFrame{this};
  ui::ControlArray<ui::OptionButton> Option1{this, 0, 11};

  // --- The frame: equinox, plane, origin, form of typed input ---
  ui::Frame equinoxFrame{this};     // "к равноденствию эпохи"
  ui::OptionButton Option17{this};  // "J2000"
  ui::OptionButton Option16{this};  // "эпоха даты JD"
  ui::Frame planeFrame{this};       // "плоскость"
  ui::OptionButton Option8{this};   // "эклиптики"
  ui::OptionButton Option9{this};   // "экватора"
  ui::OptionButton Option10{this};  // "горизонта"
  ui::Frame originFrame{this};      // "система координат"
  ui::OptionButton Option18{this};  // "гелиоцентрическая"
  ui::OptionButton Option19{this};  // "геоцентрическая"
  ui::OptionButton Option20{this};  // "топоцентрическая"
  ui::Frame formFrame{this};
  ui::OptionButton Option2{this};  // "полярные"
  ui::OptionButton Option3{this};  // "декартовы"

  // --- Source coordinates: X, Y, Z and R in thousands of km, L, B degrees ---
  ui::TextBox Text1{this}, Text2{this}, Text3{this};
  ui::TextBox Text11{this};  // "L(RA или A), град"
  ui::TextBox Text12{this};  // "B(Dec или H), град"
  ui::TextBox Text13{this};  // "R,тыс. км."

  // --- Converted coordinates ---
  ui::TextBox Text4{this}, Text5{this}, Text6{this};
  ui::TextBox Text14{this}, Text15{this}, Text16{this};
  ui::TextBox Text25{this};  // "TAU, град"
  ui::TextBox Text24{this};  // "LMST, час"
  ui::TextBox Text26{this};  // "GMST, час"
  ui::TextBox Text23{this};  // "ET- UT, мин"

  ui::CommandButton Command6{this};  // "Задать координаты"
  ui::CommandButton Command2{this};  // "Задать координаты для JD = JD + "
  ui::TextBox Text29{this};          // the day step
  ui::CommandButton Command7{this};  // "Преобразовать координаты"
  ui::CommandButton Command1{this};  // "Показать преобразованные координаты в окошках исходных данных"

  // --- Angle tool, frame "преобразование углов" ---
  ui::OptionButton Option4{this};  // "часы-минуты-секунды"
  ui::OptionButton Option5{this};  // "градусы-минуты-секунды"
  ui::OptionButton Option6{this};  // "градусы"
  ui::OptionButton Option7{this};  // "радианы"
  ui::TextBox Text7{this}, Text8{this}, Text9{this};     // hours, minutes, seconds
  ui::TextBox Text17{this}, Text18{this}, Text19{this};  // degrees, minutes, seconds
  ui::TextBox Text10{this};                              // degrees
  ui::TextBox Text20{this};                              // radians
  ui::OptionButton Option11{this};                       // "+"
  ui::OptionButton Option21{this};                       // "--"
  ui::CommandButton Command4{this};                      // "Считать угол "
  ui::CommandButton Command5{this};                      // "Преобразовать угол"
  ui::CommandButton Command12{this};                     // "Задать долготу в град."
  ui::CommandButton Command13{this};                     // "Задать широту в град."

  // --- Observer and date ---
  ui::TextBox Text21{this};  // "ObsL, град", east positive
  ui::TextBox Text22{this};  // "ObsB, град"
  ui::TextBox Text32{this};  // day of the month with its fraction, universal time
  ui::TextBox Text33{this};  // month
  ui::TextBox Text34{this};  // year
  ui::TextBox Text31{this};  // "JD ="
  ui::CommandButton Command10{this};  // "G->J"
  ui::CommandButton Command11{this};  // "J->G"
  ui::TextBox Text30{this};  // local mean time
  ui::TextBox Text27{this};  // zone time
  ui::TextBox Text28{this};  // time zone, hours

  ui::CommandButton Command9{this};  // "Закрыть форму"

  // --- Picture: plan view on the ecliptic and side view above it ---
  ui::PictureBox Picture1{this, ui::twipsToPixels(6150), ui::twipsToPixels(7995)};
  ui::HScrollBar HScroll1{this};  // the scale, 1..10000, ×1e8 m per unit
  ui::Label Label10{this};        // "масштаб изображения = "
  ui::CheckBox Check3{this};      // "с очисткой экрана"

  // --- Handlers ---
  void Command4_Click();
  void Command5_Click();
  void Command12_Click();
  void Command13_Click();
  void Command10_Click();
  void Command11_Click();
  void Command9_Click();
  void Command6_Click();
  void Command2_Click();
  void Command7_Click();
  void Command1_Click();
  void HScroll1_Change();

  // The picture (Form12Picture.cpp).
  void DrawConverterGrid();
  void DrawSightLines();

  // The chosen body's vector from the internal frame into the frame of the
  // options (Form12Frames.cpp).
  void InternalToSelectedFrame();
  // The typed coordinates of the body "с экрана" from the frame of the
  // options into the internal frame, saved.
  void SelectedFrameToInternal();

  // The internal-frame places the converter found or was given, kept by
  // the window itself.
  Form12Places Saved;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();

  // Steps of the date tools (Form12Dates.cpp).
  void readObserver();
  void showLocalTimes(double julianDay);

  // Steps of the frame conversions (Form12Frames.cpp).
  void prepareContext();
  bool horizonWithoutObserver() const;
  int originObject() const;
  double epochOfPlane() const;
  void showPolarFromOrigin(int body, ui::TextBox& longitude, ui::TextBox& latitude,
                           ui::TextBox& distance);
  void readTypedCoordinates(int body);

  // Steps of the picture (Form12Picture.cpp).
  void preparePicture();
  void drawScene();
  void takeScaleFromScrollBar();

  // Steps of "Задать координаты" (Form12Source.cpp).
  void placeEarthAndMoon();
  void placeChosenBody(int body);

  // The parts of the angle last read or shown.
  double angleDegrees_ = 0;
  double angleHours_ = 0;
  double angleMinutes_ = 0;
  double angleSeconds_ = 0;

  ui::Frame angleFrame_{this};  // "преобразование углов"
  ui::Frame signFrame_{this};   // the sign options, a group of their own
};

// The accessor: loads Form12 (hidden) on first touch.
Form12& form12();
