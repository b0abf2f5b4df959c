// The drawing surface of the statistics window: the frame of a plot or a
// listing, the two scroll bars that pan Picture1 under Picture3, saving the
// picture as a bitmap, and the buttons that open or close windows.
#include <cmath>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/ProgramFolder.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "statistics/Form15.h"
#include "statistics/Form6.h"
#include "statistics/Form6Texts.h"
#include "statistics/Form9.h"
#include "statistics/ScrolledPicture.h"

namespace {

// Pixels per picture unit of Picture1 (a unit is what the labels call a
// centimetre).
constexpr double kPixelsPerUnit = 24.9;
// The most pixels a picture may hold (some 200 MB of image).
constexpr double kMostPicturePixels = 50e6;

const int32_t kGridGrey = RGB(200, 200, 200);
const int32_t kDeviationZeroGrey = RGB(150, 150, 150);

int pixelsOf(double units) { return static_cast<int>(std::lround(units * kPixelsPerUnit)); }

}  // namespace

bool Form6::samplePictureFits() const {
  const double width = Main.PictureScaleWidth * kPixelsPerUnit, height = Main.PictureHeight * kPixelsPerUnit;
  return !(width * height > kMostPicturePixels);
}

// DrawSampleFrame: Picture1 cleared and sized to PictureScaleWidth x
// PictureHeight units, x from 0 at the left, y from 0 at the bottom. A plot
// gets the grey unit grid with the time axis along y = 1 (numbers counting
// MT from the series start at x = 1), the value axis on the left (counting
// MP above Ymin at y = 1), the deviation axis on the right (0 on y = 5) and
// opens at its bottom; a listing gets nothing and opens at its top.
void Form6::DrawSampleFrame() {
  const double width = Main.PictureScaleWidth, height = Main.PictureHeight;
  if (!(width > 0 && height > 0)) throw RuntimeError(ErrorCode::InvalidCall, "picture without extent");
  Picture1.Cls();
  Picture1.setSizePixels(pixelsOf(width), pixelsOf(height));
  Picture1.Scale(0, height, width, 0);
  VScroll1.setValue(0);
  if (Check2.Value() != 1) {
    const int columns = CInt(width), rows = CInt(height);
    for (int i = 0; i <= columns; ++i) Picture1.Line(i + 1, 1, i + 1, height, kGridGrey);
    for (int k = 0; k <= rows; ++k) Picture1.Line(1, k, width - 1, k, kGridGrey);
    for (int i = 0; i <= columns; ++i) scrolled::printAt(Picture1, i - 0.25, 1, static_cast<double>(i - 1));
    for (int k = 0; k <= rows; ++k) {
      scrolled::printAt(Picture1, 0.5, k + 0.5, static_cast<double>(k - 1));
      scrolled::printAt(Picture1, width - 1, k + 0.5, static_cast<double>(k - 5));
    }
    Picture1.Line(0, 5, width, 5, kDeviationZeroGrey);
    VScroll1.setValue(100);
    scrolled::printAt(Picture1, 0.1, height, "Alfa");
    scrolled::printAt(Picture1, width - 2, height, "dAlfa");
  }
  VScroll1_Change();
  HScroll1_Change();
}

// HScroll1_Change: at 0 the picture's left edge at the frame's left edge, at
// 100 its right edge at the frame's right edge.
void Form6::HScroll1_Change() { scrolled::panHorizontally(Picture1, Picture3, HScroll1.Value()); }

// VScroll1_Change: at 0 the picture's top at the frame's top, at 100 its
// bottom 4 pixels above the frame's bottom.
void Form6::VScroll1_Change() { scrolled::panVertically(Picture1, Picture3, VScroll1.Value()); }

// Command7_Click "Сохранить график как": the whole picture, whatever part
// of it is in view, as "\Risunki\" & name & ".bmp"; an existing file is
// replaced, the folder is not created. A name with a path separator or
// ".." would write elsewhere: it is refused with the save's message.
void Form6::Command7_Click() {
  Main.ScratchText = programPath("\\Risunki\\" + Text26.Text() + ".bmp");
  withErrorTrap(form6text::kBitmapError, form6text::kTitle, [&] {
    if (!isPlainFileName(Text26.Text()))
      throw RuntimeError(ErrorCode::PathFileAccessError, "a picture name may not lead out of \"Risunki\"");
    SavePicture(Picture1, Main.ScratchText);
  });
}

// Command3_Click "Закрыть форму": this window alone.
void Form6::Command3_Click() { Unload(); }

// Command15_Click "Файлы*": the diagram of the program's folders.
void Form6::Command15_Click() { form9().Show(); }

// Command16_Click "К плану": the optimisation window.
void Form6::Command16_Click() { form15().Show(); }
