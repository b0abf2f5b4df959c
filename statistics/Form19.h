#pragma once
// Form19, "Весовые коэффициенты": the weights window of the optimisation
// window.
//
// It loads the weights of a plan file (the weight in per cent of each
// planet's shift of each orbit parameter in the criterion) into a grid of
// ten planets by six parameters, lets the user edit them and saves them back
// into the plan file. It also views the model shift file of one planet of a
// plan with all its experiments, shows the six shifts of one experiment in
// the grid, lets the user correct them and writes the file back.
//
// The handlers live in files by theme:
//   Form19.cpp           design-time defaults, handler wiring, accessor,
//                        Form_Load, the picture and its scroll bars
//   Form19Layout.cpp     where the controls stand
//   Form19Weights.cpp    Command4_Click, Command5_Click (weights)
//   Form19ShiftView.cpp  Command1_Click, Command2_Click (model shift file)
#include <string>

#include "ui/FormsRuntime.h"

class Form19 : public ui::Form {
 public:
  Form19();

  ui::TextBox Text7{this};   // "план №"
  ui::TextBox Text8{this};   // "эксперимент№"
  ui::TextBox Text10{this};  // "прочитано записей"
  ui::Frame Frame2{this};
  ui::ControlArray<ui::OptionButton> Option9{this, 1, 10};  // the planet of the view

  // The grid: row p = planet 1..10; column s = orbit parameter 1..6 as a
  // pair of a shift box (Text1..Text6) and a weight box (Text11..Text16).
  ui::ControlArray<ui::TextBox> Text1{this, 1, 10};
  ui::ControlArray<ui::TextBox> Text2{this, 1, 10};
  ui::ControlArray<ui::TextBox> Text3{this, 1, 10};
  ui::ControlArray<ui::TextBox> Text4{this, 1, 10};
  ui::ControlArray<ui::TextBox> Text5{this, 1, 10};
  ui::ControlArray<ui::TextBox> Text6{this, 1, 10};
  ui::ControlArray<ui::TextBox> Text11{this, 1, 10};
  ui::ControlArray<ui::TextBox> Text12{this, 1, 10};
  ui::ControlArray<ui::TextBox> Text13{this, 1, 10};
  ui::ControlArray<ui::TextBox> Text14{this, 1, 10};
  ui::ControlArray<ui::TextBox> Text15{this, 1, 10};
  ui::ControlArray<ui::TextBox> Text16{this, 1, 10};

  ui::CommandButton Command4{this};  // "Загрузить  весовые коэффициенты"
  ui::CommandButton Command5{this};  // "Сохранить" the weights
  ui::CommandButton Command1{this};  // "Просмотреть данные моделирования по одной планете"
  ui::CommandButton Command2{this};  // "Сохранить" the viewed file
  ui::PictureBox Picture3{this, 900, 300};
  ui::PictureBox Picture1{this, 900, 300};
  ui::HScrollBar HScroll1{this};
  ui::VScrollBar VScroll1{this};
  ui::CommandButton Command3{this};  // "Закрыть форму"

  // The shift box and the weight box of planet p, parameter s (1..6).
  ui::TextBox& shiftBox(int p, int s) const;
  ui::TextBox& weightBox(int p, int s) const;

  void Command4_Click();
  void Command5_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void HScroll1_Change();
  void VScroll1_Change();
  // Clears Picture1 and sizes it for this window's extents, no grid.
  void DrawWeightsFrame();

 protected:
  void Form_Load() override;

 private:
  // The model shift file last viewed, kept for its write-back.
  struct ShiftView {
    bool made = false;
    int plan = 0;
    int planet = 0;
    int count = 0;  // experiments
    std::string title;
    std::string columns;
  };

  void setDesignDefaults();
  void connectHandlers();
  void layoutControls();
  // Picture extents of this window (set also in the shared PictureHeight and
  // PictureScaleWidth, which other windows' pictures use as well).
  void setPictureExtents(double height, double width);
  void listWeights();
  void readShiftView(int file);
  void writeShiftView(int file);
  int selectedPlanet() const;

  double pictureHeight_ = 0;
  double pictureWidth_ = 0;
  ShiftView view_;
};

// The accessor: loads Form19 (hidden) on first touch.
Form19& form19();
