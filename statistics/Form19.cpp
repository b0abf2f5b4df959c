// Form19: design-time defaults, the wiring of the handlers, the accessor,
// the load, the picture and its scroll bars, and closing the window.
#include "statistics/Form19.h"

#include <array>

#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "statistics/Form15Texts.h"
#include "statistics/ScrolledPicture.h"

Form19& form19() { return ui::formInstance<Form19>(); }

Form19::Form19() : Form(19, "Весовые коэффициенты      Celvan7m - форма 19") {
  setDesignDefaults();
  connectHandlers();
  layoutControls();
}

ui::TextBox& Form19::shiftBox(int p, int s) const {
  checkIndex(s, 1, 6);
  const std::array<const ui::ControlArray<ui::TextBox>*, 7> columns{nullptr, &Text1, &Text2, &Text3,
                                                                    &Text4,  &Text5, &Text6};
  return (*columns[s])[p];
}

ui::TextBox& Form19::weightBox(int p, int s) const {
  checkIndex(s, 1, 6);
  const std::array<const ui::ControlArray<ui::TextBox>*, 7> columns{nullptr, &Text11, &Text12, &Text13,
                                                                    &Text14, &Text15, &Text16};
  return (*columns[s])[p];
}

void Form19::setDesignDefaults() {
  Text8.setText("1");
  Text10.setText("Text10");
  Frame2.setCaption("");
  for (int p = 1; p <= 10; ++p) Option9[p].setCaption(form15text::kPlanetCaptions[p]);
  Option9[1].setValue(true);
  Command4.setCaption("Загрузить  весовые коэффициенты");
  Command5.setCaption("Сохранить");
  Command1.setCaption("Просмотреть данные моделирования по одной планете");
  Command2.setCaption("Сохранить");
  Command3.setCaption("Закрыть форму");
  scrolled::setUpScrollBars(HScroll1, VScroll1);
  Picture3.embed(Picture1);
}

void Form19::connectHandlers() {
  Command4.onClick([this] { Command4_Click(); });
  Command5.onClick([this] { Command5_Click(); });
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command3.onClick([this] { Command3_Click(); });
  HScroll1.onChange([this] { HScroll1_Change(); });
  HScroll1.onScroll([this] { HScroll1_Change(); });
  VScroll1.onChange([this] { VScroll1_Change(); });
  VScroll1.onScroll([this] { VScroll1_Change(); });
}

// Form_Load: a plan number of 0 becomes 1 (for every window); experiment 1;
// every box of the grid "1".
void Form19::Form_Load() {
  if (Main.PlanNumber == 0) Main.PlanNumber = 1;
  Text7.setText(Str(Main.PlanNumber));
  Text8.setText("1");
  for (int p = 1; p <= 10; ++p)
    for (int s = 1; s <= 6; ++s) {
      shiftBox(p, s).setText("1");
      weightBox(p, s).setText("1");
    }
}

void Form19::setPictureExtents(double height, double width) {
  pictureHeight_ = Main.PictureHeight = height;
  pictureWidth_ = Main.PictureScaleWidth = width;
  DrawWeightsFrame();
}

// DrawWeightsFrame: cleared, sized 24.91 pixels per unit, user scale (0,
// height) at the top left to (width, 0) at the bottom right, both scroll
// positions applied again.
void Form19::DrawWeightsFrame() {
  Picture1.Cls();
  scrolled::sizeInUnits(Picture1, pictureWidth_, pictureHeight_);
  Picture1.Scale(0, pictureHeight_, pictureWidth_, 0);
  HScroll1_Change();
  VScroll1_Change();
}

void Form19::HScroll1_Change() { scrolled::panHorizontally(Picture1, Picture3, HScroll1.Value()); }

void Form19::VScroll1_Change() { scrolled::panVertically(Picture1, Picture3, VScroll1.Value()); }

// Command3_Click "Закрыть форму".
void Form19::Command3_Click() { Unload(); }
