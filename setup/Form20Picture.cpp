// The picture of Form20 (grid, axes, scale), the two focus options with
// their schematics and the corrections they offer, the central-mass options,
// the date buttons and the closing of the window.
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "setup/DateBoxes.h"
#include "setup/Form20.h"
#include "setup/Form20Texts.h"

namespace {

// The picture's user coordinates: x -10..10, y -10..12 with y up; the strip
// above y = 10 holds the side view along y = 11.
constexpr double kLeft = -10, kTop = 12, kRight = 10, kBottom = -10;
constexpr double kSideViewAxisY = 11;
// The grid's vertical lines run over -12..12.
constexpr double kGridLineEnd = 12;
// The schematics of the focus lie in the band y = 3..9.
constexpr int kSchemeBottom = 3, kSchemeTop = 9;
constexpr int kLeftSchemeOffset = 0, kRightSchemeOffset = 11;
constexpr double kMetresPerScaleStep = 1e6;  // one step: a thousand km
constexpr double kTextLeft = -9;

int32_t gridColour() { return RGB(200, 200, 200); }
int32_t axisColour() { return RGB(120, 120, 120); }
int32_t black() { return RGB(0, 0, 0); }

// The schematic of an ellipse with the Earth and the Moon on its major axis
// (y = 6), in one of the two areas: the Earth in the focus (left), or the
// barycentre in the focus (right).
struct FocusScheme {
  int areaOffset;     // SchemeOffsetX of its area
  double ellipseX;    // centre of the ellipse
  double earthX;
  double moonX;
  double focusLineX;  // the vertical line through the focus
  double axisLeft, axisRight;
};
constexpr double kSchemeAxisY = 6;
constexpr FocusScheme kEarthInFocus{kLeftSchemeOffset, -5, -6.6, -2, -6.6, -10, -1};
constexpr FocusScheme kBarycentreInFocus{kRightSchemeOffset, 5, 2.7, 8, 3.4, 1, 10};

}  // namespace

void Form20::printLine(double y, const std::string& text) { PictureLines.print(kTextLeft, y, text); }

void Form20::drawCross(double x, double y, int32_t colour) {
  Picture1.Line(x, y - 1, x, y + 1, colour);
  Picture1.Line(x - 1, y, x + 1, y, colour);
}

// ResetMoonPicture: the picture cleared, its user scale set, the grey unit
// grid and the axes of the plan view and of the side view drawn.
void Form20::ResetMoonPicture() {
  Picture1.Cls();
  Picture1.Scale(kLeft, kTop, kRight, kBottom);
  for (int k = -10; k <= 12; ++k) Picture1.Line(kLeft, k, kRight, k, gridColour());
  for (int i = -10; i <= 10; ++i) Picture1.Line(i, -kGridLineEnd, i, kGridLineEnd, gridColour());
  Picture1.Line(kLeft, 0, kRight, 0, axisColour());
  Picture1.Line(0, kTop, 0, kBottom, axisColour());
  Picture1.Line(kLeft, kSideViewAxisY, kRight, kSideViewAxisY, axisColour());
}

// Command4_Click "Очистить рисунок".
void Form20::Command4_Click() { ResetMoonPicture(); }

void Form20::takeScaleFromScrollBar() {
  Label10.setCaption("Масштаб изображения= " + Str(HScroll1.Value()) + " тыс.км/см");
  Main.ImageScale = HScroll1.Value() * kMetresPerScaleStep;
}

// HScroll1_Change: the new scale, the picture cleared (the trails of a check
// go) and the Earth and the Moon of the start data and the centre of mass of
// slot 14 drawn at it.
void Form20::HScroll1_Change() {
  takeScaleFromScrollBar();
  ResetMoonPicture();
  const double s = Main.ImageScale;
  Picture1.Circle(Main.X[3] / s, Main.Y[3] / s, 0.1, RGB(0, 0, 250));
  Picture1.Circle(Main.X[11] / s, Main.Y[11] / s, 0.05, RGB(0, 250, 0));
  drawCross(Main.X[14] / s, Main.Y[14] / s, RGB(250, 0, 0));
}

// ClearSchemeArea: the band of one schematic (x from SchemeOffsetX - 10 to
// SchemeOffsetX - 1, y 3..9) filled with the background's white and its
// grid lines drawn again.
void Form20::ClearSchemeArea() {
  const int left = SchemeOffsetX - 10;
  const int right = SchemeOffsetX - 1;
  Picture1.Line(left, kSchemeTop, right, kSchemeBottom, RGB(255, 255, 255),
                ui::LineShape::FilledBox);
  for (int i = left; i <= right; ++i) Picture1.Line(i, kSchemeBottom, i, kSchemeTop, gridColour());
  for (int k = kSchemeBottom; k <= kSchemeTop; ++k) Picture1.Line(left, k, right, k, gridColour());
}

// Both schematic areas cleared, the other one first, and the schematic of
// one focus drawn: the ellipse, the Earth (blue), the Moon (green), the line
// through the focus and the major axis.
void Form20::drawFocusScheme(bool focusInBarycentre) {
  const FocusScheme& scheme = focusInBarycentre ? kBarycentreInFocus : kEarthInFocus;
  SchemeOffsetX = kLeftSchemeOffset + kRightSchemeOffset - scheme.areaOffset;
  ClearSchemeArea();
  SchemeOffsetX = scheme.areaOffset;
  ClearSchemeArea();
  Picture1.Circle(scheme.ellipseX, kSchemeAxisY, 3, black(), {.aspect = 0.5});
  Picture1.Circle(scheme.earthX, kSchemeAxisY, 0.5, RGB(0, 0, 255));
  Picture1.Circle(scheme.moonX, kSchemeAxisY, 0.25, RGB(0, 255, 0));
  Picture1.Line(scheme.focusLineX, kSchemeBottom, scheme.focusLineX, kSchemeTop, black());
  Picture1.Line(scheme.axisLeft, kSchemeAxisY, scheme.axisRight, kSchemeAxisY, black());
}

// Which corrections the focus offers: with the Earth's centre in the focus
// b (ticked), not c and e; with the barycentre in the focus c and e
// (ticked), not b.
void Form20::offerCorrections(bool focusInBarycentre) {
  Check5.setEnabled(focusInBarycentre);
  Check5.setValue(focusInBarycentre ? 1 : 0);
  Check12.setEnabled(!focusInBarycentre);
  Check12.setValue(focusInBarycentre ? 0 : 1);
  Check9.setEnabled(focusInBarycentre);
  Check9.setValue(focusInBarycentre ? 1 : 0);
}

// Option5_Click "в центре Земли": the central mass of the frame "масса
// Земли" (KodBary 0 for "mz", 1 for "mz+ml"), the corrections of this focus
// and its schematic.
void Form20::Option5_Click() {
  if (Option1.Value()) KodBary = 0;
  if (Option2.Value()) KodBary = 1;
  offerCorrections(false);
  drawFocusScheme(false);
}

// Option6_Click "в барицентре Земля+Луна": the central mass of the frame
// "масса барицентра" (KodBary 1 for "mz+ml", 2 for "mz^3/(mz+ml)^2"), the
// corrections of this focus and its schematic.
void Form20::Option6_Click() {
  if (Option3.Value()) KodBary = 1;
  if (Option4.Value()) KodBary = 2;
  offerCorrections(true);
  drawFocusScheme(true);
}

// The central mass of the Moon's orbit for VelocityFromElements, whatever
// the focus: "mz" 0, "mz+ml" 1 (either frame), "mz^3/(mz+ml)^2" 2.
void Form20::Option1_Click() { KodBary = 0; }
void Form20::Option2_Click() { KodBary = 1; }
void Form20::Option3_Click() { KodBary = 1; }
void Form20::Option4_Click() { KodBary = 2; }

// Command10_Click "G->J": the date of the boxes, carried past the end of its
// month, to its Julian Day in Text31. A box that is no number shows
// "Введите правильно дату" (title "Celvan7.0").
void Form20::Command10_Click() { convertDateToJulianDay(); }

bool Form20::convertDateToJulianDay() {
  const bool read = withErrorTrap(form20text::kBadDate, form20text::kTitle70, [&] {
    showCarriedDateAndJulianDay(Text34, Text33, Text32, Text31);
  });
  return read && Main.DateErrorFlag == 0;
}

// Command11_Click "J->G": the Julian Day of Text31 to the date boxes. A box
// that is no number shows "Введите правильно юлианскую дату" (title
// "Celvan7.0").
void Form20::Command11_Click() {
  withErrorTrap(form20text::kBadJulianDay, form20text::kTitle70,
                [&] { showDateOfJulianDay(Text31, Text34, Text33, Text32); });
}

// Command9_Click "Закрыть форму". A check running in this window ends with
// it.
void Form20::Command9_Click() { Unload(); }
