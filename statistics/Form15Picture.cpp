// The picture of the optimisation window: its frame and grid, the scroll
// bars that pan it, "Очистить", and the buttons that open other windows or
// close this one.
#include <cmath>

#include "core/state/SharedState.h"
#include "statistics/Form15.h"
#include "statistics/Form19.h"
#include "statistics/Form9.h"
#include "statistics/ScrolledPicture.h"

namespace {

// The picture reaches 2 units below the axis, for the grid labels and the
// legend of the plots.
constexpr double kBelowAxis = 2;
// Rows 0..10 above the axis carry the value scale of the criterion plots.
constexpr int kValueScaleRows = 10;

// Bounds of the grid loops, rounded half to even as whole-number loop
// bounds are.
int gridBound(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

// DrawPlanFrame: cleared, sized 24.91 pixels per unit, user scale (0,
// height) at the top left to (width, -2) at the bottom right; a grey grid
// with the column numbers below the axis and the value scale 0..10 at the
// left; the axis; the vertical scroll position applied again.
void Form15::DrawPlanFrame() {
  const double height = layout_.height;
  const double width = layout_.width;
  Picture1.Cls();
  scrolled::sizeInUnits(Picture1, width, height);
  Picture1.Scale(0, height, width, -kBelowAxis);
  const int32_t gridColour = RGB(200, 200, 200);
  const int top = gridBound(height);
  const int right = gridBound(width);
  for (int y = 0; y <= top - 1; ++y) Picture1.Line(0, y, width, y, gridColour);
  for (int x = 0; x <= right - 1; ++x) {
    Picture1.Line(x, -kBelowAxis, x, height, gridColour);
    scrolled::printAt(Picture1, x, -0.5, x);
  }
  for (int y = 0; y <= kValueScaleRows; ++y) scrolled::printAt(Picture1, 0, y + 0.5, y);
  Picture1.Line(0, 0, width, 0, RGB(100, 100, 100));
  VScroll1_Change();
}

void Form15::HScroll1_Change() { scrolled::panHorizontally(Picture1, Picture3, HScroll1.Value()); }

void Form15::VScroll1_Change() { scrolled::panVertically(Picture1, Picture3, VScroll1.Value()); }

// Command16_Click "Очистить": the frame and grid again, with the extents of
// the last plan; the numbers in memory and in the boxes stay.
void Form15::Command16_Click() { DrawPlanFrame(); }

// Command15_Click "Файлы*": the folder diagram of the program, modeless.
void Form15::Command15_Click() { form9().Show(); }

// Command6_Click "Весовые коэффициенты и данные моделирования *".
void Form15::Command6_Click() { form19().Show(); }

// Command3_Click "Закрыть форму": this window only.
void Form15::Command3_Click() { Unload(); }
