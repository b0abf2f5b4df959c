#pragma once
// Form4, "Скорости Солнечной системы": the absolute velocity of the Solar
// System composed from up to five tabulated relative velocities, each a
// speed and two direction angles, shown as components and as vectors; and
// the system velocity VXsys, VYsys, VZsys that every model run adds to the
// start velocities of the bodies.
//
//   Form4.cpp           design-time defaults, handler wiring, accessor
//   Form4Layout.cpp     where the controls stand
//   Form4Velocities.cpp Form_Load, Form_Activate, DrawVelocityGrid, the
//                       decomposition and sum (Command2_Click), the system
//                       velocity (Command1_Click), Command3_Click, Command4_Click
#include <array>
#include <cstdint>

#include "ui/FormsRuntime.h"

class Form4 : public ui::Form {
 public:
  Form4();

  // --- Five relative velocities: speed (km/s), Alfa and Betta (degrees),
  // sign, and the three components found ---
  ui::CheckBox Check1{this};  // "Vsol относительно местной группы звезд MGZ (красные линии)"
  ui::TextBox Text4{this}, Text5{this}, Text6{this};
  ui::Frame Frame1{this};
  ui::OptionButton Option1{this}, Option2{this};  // "+", "--"
  ui::TextBox Text7{this}, Text8{this}, Text9{this};

  ui::CheckBox Check2{this};  // "MGZ относительно центра нашей галактики CG (алые линии)"
  ui::TextBox Text10{this}, Text11{this}, Text12{this};
  ui::Frame Frame2{this};
  ui::OptionButton Option3{this}, Option4{this};
  ui::TextBox Text13{this}, Text14{this}, Text15{this};

  ui::CheckBox Check3{this};  // "CG относительно местной группы галактик MGG (синие линии)"
  ui::TextBox Text16{this}, Text17{this}, Text18{this};
  ui::Frame Frame3{this};
  ui::OptionButton Option5{this}, Option6{this};
  ui::TextBox Text19{this}, Text20{this}, Text21{this};

  ui::CheckBox Check4{this};  // "MGG относительно реликтового излучения (голубые линии)"
  ui::TextBox Text22{this}, Text23{this}, Text24{this};
  ui::Frame Frame4{this};
  ui::OptionButton Option7{this}, Option8{this};
  ui::TextBox Text25{this}, Text26{this}, Text27{this};

  ui::CheckBox Check5{this};  // "CG относительно реликтового излучения (зеленые линии)"
  ui::TextBox Text28{this}, Text29{this}, Text30{this};
  ui::Frame Frame5{this};
  ui::OptionButton Option9{this}, Option10{this};
  ui::TextBox Text31{this}, Text32{this}, Text33{this};

  // --- The sum, the drawing scale and the system velocity (km/s) ---
  ui::TextBox Text34{this}, Text35{this}, Text36{this};  // VXsum, VYsum, VZsum
  ui::TextBox Text37{this};                              // "MV, (км/с)/см"
  ui::TextBox Text1{this}, Text2{this}, Text3{this};     // VXsys, VYsys, VZsys

  // The vectors: the plane XY about (0, -5) below, the plane XZ about (0, 5)
  // above, in a user scale of -10..10 both ways.
  ui::PictureBox Picture1{this, 480, 480};

  ui::CommandButton Command2{this};  // "Разложить по осям отмеченные скорости и просуммировать"
  ui::CommandButton Command1{this};  // "Задать скорость системе"
  ui::CommandButton Command4{this};  // "Очистить рисунок"
  ui::CommandButton Command3{this};  // "Закрыть форму"

  // --- Handlers ---
  void DrawVelocityGrid();
  void Command2_Click();
  void Command1_Click();
  void Command3_Click();
  void Command4_Click();

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // The controls of one relative velocity and the colour of its lines.
  struct VelocityRow {
    ui::CheckBox& ticked;
    ui::TextBox &speed, &alfa, &betta;
    ui::Frame& signs;
    ui::OptionButton &plus, &minus;
    ui::TextBox &vx, &vy, &vz;
    int32_t colour;
  };
  std::array<VelocityRow, 5> velocityRows();

  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();
};

// The accessor: loads Form4 (hidden) on first touch.
Form4& form4();
