// Every window of the program opens wholly on a 1280 x 800 screen: its
// layout asks for no more than the screen leaves inside a window frame, and
// showing it places it on the screen. And every text box shows its whole
// text: after the window's main action with its defaults (in a program
// folder with the files that ship with the program), no box hides a part
// of a number.
#include <QApplication>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSize>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/Form2.h"
#include "model/Form23.h"
#include "model/Form7.h"
#include "observations/Form10.h"
#include "observations/Form13.h"
#include "observations/Form21.h"
#include "observations/Form22.h"
#include "setup/Form11.h"
#include "setup/Form14.h"
#include "setup/Form20.h"
#include "setup/Form24.h"
#include "setup/Form3.h"
#include "setup/Form4.h"
#include "setup/Form5.h"
#include "statistics/Form15.h"
#include "statistics/Form18.h"
#include "statistics/Form19.h"
#include "statistics/Form6.h"
#include "statistics/Form8.h"
#include "statistics/Form9.h"
#include "tests/windows/setup/Form1Fixture.h"
#include "tools/Form12.h"
#include "tools/Form16.h"
#include "tools/Form17.h"
#include "twobody/Form25.h"
#include "twobody/Form26.h"
#include "ui/Fonts.h"
#include "ui/ScreenPlacement.h"

namespace {

// The screen the windows are made for.
const QSize kScreen(1280, 800);

// A window and its main action, done as a user does it with the window's
// defaults.
struct WindowUse {
  std::function<ui::Form&()> open;
  std::function<void()> mainAction;
};

const std::vector<std::function<ui::Form&()>>& everyWindow() {
  static const std::vector<std::function<ui::Form&()>> windows = {
      []() -> ui::Form& { return form1(); }, []() -> ui::Form& { return form2(); },
      []() -> ui::Form& { return form3(); }, []() -> ui::Form& { return form4(); },
      []() -> ui::Form& { return form5(); }, []() -> ui::Form& { return form6(); },
      []() -> ui::Form& { return form7(); }, []() -> ui::Form& { return form8(); },
      []() -> ui::Form& { return form9(); }, []() -> ui::Form& { return form10(); },
      []() -> ui::Form& { return form11(); },
      []() -> ui::Form& { return form12(); }, []() -> ui::Form& { return form13(); },
      []() -> ui::Form& { return form14(); }, []() -> ui::Form& { return form15(); },
      []() -> ui::Form& { return form16(); }, []() -> ui::Form& { return form17(); },
      []() -> ui::Form& { return form18(); }, []() -> ui::Form& { return form19(); },
      []() -> ui::Form& { return form20(); }, []() -> ui::Form& { return form21(); },
      []() -> ui::Form& { return form22(); }, []() -> ui::Form& { return form23(); },
      []() -> ui::Form& { return form24(); }, []() -> ui::Form& { return form25(); },
      []() -> ui::Form& { return form26(); },
  };
  return windows;
}

class EveryWindow : public Form1Test {
 protected:
  // The program folder as the build lays it, with the files that ship in
  // it and the DE405 excerpt around J2000.
  void layProgramFolder() {
    for (const char* sub : {"NEW", "Ser", "Tab", "Obs", "Arhiv", "Risunki"})
      std::filesystem::create_directories(programFile(sub));
    for (int plan = 0; plan <= 5; ++plan)
      for (const char* folder : {"Ser", "Tab", "Obs"})
        std::filesystem::create_directories(programFile(std::string(folder) + "/Plan" + std::to_string(plan)));
    addPlanFolders(5);
    const std::filesystem::path shipped = std::filesystem::path(CELVAN_FIXTURES_DIR) / ".." / ".." / "data";
    std::filesystem::copy(shipped, folder_, std::filesystem::copy_options::recursive |
                                                 std::filesystem::copy_options::overwrite_existing);
    installDE405Excerpt();
  }
};

// Presses the button; a run that it starts goes on until `done` holds at
// one of its passes (given the passes so far), then it is stopped as a user
// watching it would stop it. No run goes on beyond kMostPasses.
void pressAndStopRun(ui::CommandButton& button, const std::function<bool(int)>& done) {
  constexpr int kMostPasses = 20000;
  int passes = 0;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    ++passes;
    if (passes >= kMostPasses || done(passes)) Main.StopFlag = 1;
  });
  watcher.start(0);
  ui::clickAsUser(button);
  watcher.stop();
}
// A run stopped after some hundred passes; one stopped after its third
// revolution, when every box of the orbit has its measured value.
void pressAndStopRun(ui::CommandButton& button) {
  pressAndStopRun(button, [](int passes) { return passes >= 300; });
}
void pressAndStopAfterThreeRevolutions(ui::CommandButton& button) {
  pressAndStopRun(button, [](int) { return Main.RevolutionCount >= 3; });
}

void press(ui::Control& control) { ui::clickAsUser(control); }

// The width a line box gives its text: its contents less the margins the
// box keeps on both sides and the cursor's place after the text.
double textWidthOf(const QLineEdit& box) {
  QStyleOptionFrame frame;
  frame.initFrom(&box);
  frame.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &box) : 0;
  const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &frame, &box);
  const QMargins margins = box.textMargins();
  constexpr int kInnerMargin = 2;  // the box's own, on each side
  const int cursor = box.style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, &box);
  return contents.width() - margins.left() - margins.right() - 2 * kInnerMargin - 1 - cursor;
}

// The grid that holds the widget, searched from the layout down.
const QGridLayout* gridHolding(const QLayout* layout, const QWidget* widget) {
  if (layout == nullptr) return nullptr;
  if (const auto* grid = qobject_cast<const QGridLayout*>(layout); grid != nullptr && grid->indexOf(widget) >= 0)
    return grid;
  for (int i = 0; i < layout->count(); ++i)
    if (const QGridLayout* found = gridHolding(layout->itemAt(i)->layout(), widget)) return found;
  return nullptr;
}

// The caption in the cell to the left of a box, which names it to the
// reader of a failure.
std::string captionBeside(const QWidget& box) {
  const QGridLayout* grid = gridHolding(box.parentWidget()->layout(), &box);
  if (grid == nullptr) return "";
  int row = 0, column = 0, rows = 0, columns = 0;
  grid->getItemPosition(grid->indexOf(&box), &row, &column, &rows, &columns);
  const QLayoutItem* left = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
  const auto* label = left != nullptr ? qobject_cast<const QLabel*>(left->widget()) : nullptr;
  return label != nullptr ? label->text().toStdString() : "";
}

// The texts of the window's visible line boxes that are wider than the box.
std::vector<std::string> hiddenTexts(const QWidget& window) {
  std::vector<std::string> hidden;
  for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
    if (!box->isVisibleTo(&window)) continue;
    const double needed = std::ceil(QFontMetricsF(box->font()).horizontalAdvance(box->text()));
    const double room = textWidthOf(*box);
    if (needed > room)
      hidden.push_back("\"" + box->text().toStdString() + "\" needs " + std::to_string(static_cast<int>(needed)) +
                       " px, the box after \"" + captionBeside(*box) + "\" gives " +
                       std::to_string(static_cast<int>(room)));
  }
  return hidden;
}

TEST_F(EveryWindow, FitsA1280By800Screen) {
  startProgram();
  for (const auto& open : everyWindow()) {
    ui::Form& form = open();
    SCOPED_TRACE(form.Caption());
    const QWidget& window = *form.window();
    const QSize needed = window.minimumSizeHint().expandedTo(window.minimumSize()).grownBy(ui::kWindowFrame);
    EXPECT_LE(needed.width(), kScreen.width());
    EXPECT_LE(needed.height(), kScreen.height());
  }
}

TEST_F(EveryWindow, ShowsTheWholeTextOfEveryBoxAfterItsMainAction) {
  ui::useProgramFont();
  layProgramFolder();
  startProgram();
  const auto asItOpens = [] {};
  const std::vector<WindowUse> uses = {
      {[]() -> ui::Form& { return form3(); }, asItOpens},
      {[]() -> ui::Form& { return form5(); }, asItOpens},
      {[]() -> ui::Form& { return form8(); }, asItOpens},
      {[]() -> ui::Form& { return form9(); }, asItOpens},
      {[]() -> ui::Form& { return form1(); }, [] { pressAndStopRun(form1().Command13); }},
      {[]() -> ui::Form& { return form2(); }, [] { pressAndStopAfterThreeRevolutions(form2().Command1); }},
      {[]() -> ui::Form& { return form4(); }, [] { press(form4().Command2); }},
      {[]() -> ui::Form& { return form6(); }, [] { press(form6().Command6); press(form6().Command9); }},
      {[]() -> ui::Form& { return form7(); }, [] { press(form7().Command1); press(form7().Command3); }},
      {[]() -> ui::Form& { return form10(); },
       [] {
         Form10& form = form10();
         press(form.Option2);  // "Obs"
         ui::typeAsUser(form.Text1, "4");  // Mars, whose file ships
         press(form.Option9[1]);  // GREN
         pressAndStopRun(form.Command1);
       }},
      {[]() -> ui::Form& { return form11(); }, [] { press(form11().Command1); pressAndStopRun(form11().Command5); }},
      {[]() -> ui::Form& { return form12(); }, [] { press(form12().Command6); press(form12().Command7); }},
      {[]() -> ui::Form& { return form13(); }, [] { press(form13().Command4); }},
      {[]() -> ui::Form& { return form14(); }, [] { pressAndStopRun(form14().Command1); }},
      {[]() -> ui::Form& { return form15(); }, [] { press(form15().Command5); }},
      {[]() -> ui::Form& { return form16(); }, [] { pressAndStopRun(form16().Command1); }},
      {[]() -> ui::Form& { return form17(); }, [] { press(form17().Command1); }},
      {[]() -> ui::Form& { return form18(); },
       [] {
         Form18& form = form18();
         for (ui::CommandButton* step : {&form.Command14, &form.Command4, &form.Command1, &form.Command5}) press(*step);
       }},
      {[]() -> ui::Form& { return form19(); }, [] { press(form19().Command4); }},
      {[]() -> ui::Form& { return form20(); }, [] { press(form20().Command6); pressAndStopAfterThreeRevolutions(form20().Command1); }},
      {[]() -> ui::Form& { return form21(); }, [] { press(form21().Command1); }},
      {[]() -> ui::Form& { return form22(); }, [] { press(form22().Command1); }},
      {[]() -> ui::Form& { return form23(); }, [] { press(form23().Command1); }},
      {[]() -> ui::Form& { return form24(); }, [] { press(form24().Command1); }},
      {[]() -> ui::Form& { return form25(); }, [] { press(form25().Command6); pressAndStopAfterThreeRevolutions(form25().Command1); }},
      {[]() -> ui::Form& { return form26(); }, [] { press(form26().Command1); }},
  };
  for (const WindowUse& use : uses) {
    ui::Form& form = use.open();
    const std::string caption = form.Caption();
    SCOPED_TRACE(caption);
    form.Show();
    use.mainAction();
    QApplication::processEvents();
    for (const std::string& text : hiddenTexts(*form.window())) ADD_FAILURE() << caption << ": " << text;
  }
}

}  // namespace
