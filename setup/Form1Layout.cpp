// Where the controls of Form1 stand: the grid of the bodies across the top;
// below it the loading of parameters on the left, the picture in the middle,
// the orbit check and the centre-of-mass tools on the right; the buttons of
// the other windows along the bottom. Readable at 1280 x 800.
#include <QGridLayout>
#include <QWidget>

#include <array>
#include <utility>

#include "setup/Form1.h"
#include "ui/Fonts.h"

namespace {

// Width of a grid column, pixels: the longest values (coordinates of the
// outer planets in thousands of km with six decimals) fit in it.
constexpr int kGridColumnWidth = 98;
constexpr int kNumberBoxWidth = 90;
constexpr int kShortBoxWidth = 50;
// The results of the orbit check: a longitude in full (15 digits) fits.
constexpr int kResultBoxWidth = 121;
// The grid's numbers in a condensed face small enough that a coordinate in
// full (a sign, eight digits, a comma and eight more) fits its column, and
// eleven columns fit the width of the window.
constexpr double kGridPoints = 7.5;
// Room between a caption and its box.
constexpr int kCaptionGap = 8;

// A fixed caption and a box beside it, in two cells of a row.
}  // namespace

void Form1::layoutControls() {
  QGridLayout& form = grid();
  form.setContentsMargins(4, 4, 4, 4);
  form.setVerticalSpacing(4);

  // --- The bodies: inclusion, followed body, the seven rows of the grid ---
  ui::place(form, objectFrame_, 0, 0, 1, 3);
  QGridLayout& bodies = objectFrame_.grid();
  bodies.setVerticalSpacing(2);
  ui::placeRow(bodies, Check2, 0, 1);
  ui::placeRow(bodies, Option1, 1, 1);
  const std::array<ui::Label*, 7> rowCaptions{&Label1, &Label2, &Label3, &Label4,
                                              &Label5, &Label6, &Label7};
  const std::array<ui::ControlArray<ui::TextBox>*, 7> rows{&Text1, &Text2, &Text3, &Text4,
                                                           &Text5, &Text6, &Text7};
  for (int row = 0; row < 7; ++row) {
    ui::place(bodies, *rowCaptions[row], row + 2, 0);
    ui::placeRow(bodies, *rows[row], row + 2, 1);
    ui::setWidthPixels(*rows[row], kGridColumnWidth);
    for (int i = 0; i <= 10; ++i) ui::useCondensedFont((*rows[row])[i], kGridPoints);
  }
  ui::place(bodies, Text28, 9, 0);

  // --- Loading of parameters, the date, the file, the constants ---
  QGridLayout& load = ui::addGrid(form, 1, 0);
  load.setHorizontalSpacing(kCaptionGap);
  ui::place(load, sourceFrame_, 0, 0, 1, 4);
  QGridLayout& sources = sourceFrame_.grid();
  ui::place(sources, Option8, 0, 0);
  ui::place(sources, Option5, 1, 0);
  ui::place(sources, Option4, 2, 0);
  ui::place(sources, Option9, 0, 1);
  ui::place(sources, Option6, 1, 1);
  ui::place(sources, Option7, 2, 1);

  ui::place(load, Command3, 1, 0, 1, 4);
  QGridLayout& date = ui::addGrid(load, 2, 0, 1, 4);
  ui::placeCaptioned(date, "год", Text34, 0, 0, kShortBoxWidth);
  ui::placeCaptioned(date, "месяц", Text33, 0, 2, kShortBoxWidth / 2 + 10);
  ui::placeCaptioned(date, "день", Text32, 0, 4, kShortBoxWidth + 10);
  QGridLayout& julian = ui::addGrid(load, 3, 0, 1, 4);
  ui::placeCaptioned(julian, "JD", Text24, 0, 0, kNumberBoxWidth + 20);
  ui::place(julian, Command17, 0, 2);
  ui::place(julian, Command18, 0, 3);
  QGridLayout& file = ui::addGrid(load, 4, 0, 1, 4);
  ui::place(file, Command4, 0, 0);
  ui::place(file, Text23, 0, 1);
  ui::setWidthPixels(Text23, kShortBoxWidth);
  QGridLayout& moon = ui::addGrid(load, 5, 0, 1, 4);
  ui::place(moon, Check3, 0, 0);
  ui::place(moon, Check4, 0, 1);
  ui::placeCaptioned(load, "mSol, кг", Text25, 6, 0, 2 * kNumberBoxWidth);
  ui::placeCaptioned(load, "gamma, н*м^2/кг^2", Text26, 7, 0, 2 * kNumberBoxWidth);
  ui::placeCaptioned(load, "Lae, км", Text11, 8, 0, 2 * kNumberBoxWidth);
  ui::place(load, Command12, 9, 0, 1, 4);
  ui::place(load, displayFrame_, 10, 0, 1, 4);
  ui::place(displayFrame_.grid(), Option2, 0, 0);
  ui::place(displayFrame_.grid(), Option3, 0, 1);
  load.setRowStretch(11, 1);

  // --- The picture with its scale ---
  QGridLayout& picture = ui::addGrid(form, 1, 1);
  ui::place(picture, Picture1, 0, 0);
  ui::place(picture, HScroll1, 1, 0);
  ui::place(picture, Label10, 2, 0);
  picture.setRowStretch(3, 1);

  // --- Orbit check of one planet and the centre-of-mass tools ---
  QGridLayout& check = ui::addGrid(form, 1, 2);
  check.setVerticalSpacing(2);
  check.setHorizontalSpacing(kCaptionGap / 2);
  ui::place(check, Command13, 0, 0, 1, 4);
  QGridLayout& run = ui::addGrid(check, 1, 0, 1, 4);
  ui::place(run, Command5, 0, 0);
  ui::place(run, Command6, 0, 1);
  ui::place(run, Command7, 0, 2);
  // The steps in a grid of their own, so that their long captions do not
  // narrow the boxes of the results.
  QGridLayout& steps = ui::addGrid(check, 2, 0, 2, 4);
  steps.setHorizontalSpacing(kCaptionGap);
  ui::placeCaptioned(steps, "NC0, шагов", Text29, 0, 0, kNumberBoxWidth);
  ui::placeCaptioned(steps, "Шаг решения уравнений, с", Text30, 0, 2, kNumberBoxWidth);
  ui::placeCaptioned(steps, "+/-dAlfa, град", Text10, 1, 0, kNumberBoxWidth);
  ui::placeCaptioned(steps, "/", Text31, 1, 2, kNumberBoxWidth);
  QGridLayout& options = ui::addGrid(check, 4, 0, 1, 4);
  ui::place(options, Check5, 0, 0);
  ui::place(options, Check1, 0, 1);
  ui::place(options, Check7, 0, 2);
  // The results, two to a row.
  const std::array<std::pair<const char*, ui::TextBox*>, 18> results{{
      {"Период обращения T", &Text13}, {"Эксцентриситет Eks", &Text14},
      {"Rsr=(Lmax+Lmin)/2", &Text16},  {"Vsr=(Vmax+Vmin)/2", &Text15},
      {"Lmax ", &Text17},              {"Lmin ", &Text18},
      {"Vmax", &Text19},               {"Vmin", &Text20},
      {"Перигелий AlfaP", &Text21},    {"+/-, сек", &Text8},
      {"Восход. узел AlfaU", &Text35}, {"+/- ,сек", &Text12},
      {"Угол наклона Betta", &Text36}, {"Wsr = Vsr / Rsr", &Text27},
      {"Alfa", &Text37},               {"dT, лет", &Text40},
      {"dEsys, %", &Text9},            {"2*pi*R0sr/V0sr=", &Text22},
  }};
  constexpr int kFirstResultRow = 5;
  for (std::size_t i = 0; i < results.size(); ++i)
    ui::placeCaptioned(check, results[i].first, *results[i].second,
                       kFirstResultRow + static_cast<int>(i) / 2, 2 * (static_cast<int>(i) % 2),
                       kResultBoxWidth);
  ui::place(check, Label13, 14, 0, 1, 4);
  QGridLayout& centre = ui::addGrid(check, 15, 0, 1, 4);
  ui::place(centre, Command15, 0, 0);
  ui::place(centre, Command2, 0, 1);
  ui::place(centre, Command16, 1, 0, 1, 2);
  check.setRowStretch(16, 1);

  // --- The other windows and the exit ---
  QGridLayout& windows = ui::addGrid(form, 2, 0, 1, 3);
  const std::array<ui::CommandButton*, 14> buttons{
      &Command1,  &Command20, &Command10, &Command25, &Command19, &Command8,  &Command11,
      &Command21, &Command22, &Command23, &Command24, &Command26, &Command27, &Command9};
  constexpr int kButtonsPerRow = 7;
  for (std::size_t i = 0; i < buttons.size(); ++i)
    ui::place(windows, *buttons[i], static_cast<int>(i) / kButtonsPerRow,
              static_cast<int>(i) % kButtonsPerRow);
}
