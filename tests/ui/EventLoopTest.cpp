// DoEvents, nested handlers, the error edge of handlers and message boxes.
#include <QCoreApplication>
#include <QTimer>

#include <cfenv>
#include <cmath>
#include <limits>

#include "DemoForm.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/RuntimeError.h"
#include "ui/UserActions.h"

namespace {

// A run loop as the windows write them: one pass, a test of the stop flag,
// then the pending events; it also ends when no window is left.
int runUntilStopped(bool& stopFlag) {
  int passes = 0;
  while (true) {
    ++passes;
    if (stopFlag) break;
    if (DoEvents() == 0) break;
    if (passes > 100000) break;  // a broken DoEvents must not hang the test
  }
  return passes;
}

}  // namespace

TEST_F(FormsTest, AClickDuringARunLoopRunsNestedInsideItAndStopsIt) {
  DemoForm<3>& model = demoForm<3>();
  DemoForm<4>& other = demoForm<4>();
  model.Show();
  other.Show();
  bool stopFlag = false;
  int passes = 0;
  model.alsoOnCommand1 = [&] {
    stopFlag = false;
    passes = runUntilStopped(stopFlag);
    eventLog().push_back("loop ended");
  };
  other.alsoOnCommand1 = [&] {
    eventLog().push_back("stop inside the loop: " + std::to_string(ui::handlerDepth() > 1));
    stopFlag = true;
  };
  QTimer::singleShot(0, [&] { ui::clickAsUser(model.Command1); });
  QTimer::singleShot(20, [&] { ui::clickAsUser(other.Command1); });
  QTimer::singleShot(20, [] { QCoreApplication::exit(0); });
  eventLog().clear();
  QCoreApplication::exec();
  EXPECT_GT(passes, 1);
  EXPECT_EQ(eventLog(), (Log{"Form_Activate (форма 3)", "Command1_Click (форма 3)",
                             "Form_Activate (форма 4)", "Command1_Click (форма 4)",
                             "stop inside the loop: 1", "loop ended"}));
}

TEST_F(FormsTest, DoEventsCountsTheLoadedWindowsSoALoopEndsWithTheLastOne) {
  demoForm<3>().Show();
  demoForm<4>();
  EXPECT_EQ(DoEvents(), 2);
  bool never = false;
  int passes = 0;
  demoForm<3>().alsoOnCommand1 = [&] { passes = runUntilStopped(never); };
  QTimer::singleShot(0, [] { ui::clickAsUser(demoForm<3>().Command1); });
  QTimer::singleShot(10, [] { ui::unloadAllForms(); });
  QTimer::singleShot(30, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
  EXPECT_GT(passes, 1);
  EXPECT_LT(passes, 100000);
  EXPECT_EQ(DoEvents(), 0);
}

TEST_F(FormsTest, AnErrorThatEscapesAUserEventIsShownOnceAndTheProgramGoesOn) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  form.alsoOnCommand1 = [] { throw RuntimeError(ErrorCode::FileNotFound, "File not found"); };
  ui::clickAsUser(form.Command1);
  ASSERT_EQ(boxes.count(), 1);
  EXPECT_EQ(boxes.last().title, "Celvan7");
  EXPECT_EQ(boxes.last().buttons, MsgBoxButtons::Ok);
  EXPECT_EQ(boxes.last().text.rfind("Ошибка выполнения программы", 0), 0u);
  EXPECT_NE(boxes.last().text.find("File not found"), std::string::npos);

  form.alsoOnCommand1 = nullptr;
  ui::clickAsUser(form.Command1);
  EXPECT_EQ(boxes.count(), 1);
  EXPECT_EQ(eventLog().back(), "Command1_Click (форма 3)");
}

TEST_F(FormsTest, ARaisedFloatingPointFlagAtTheEndOfAUserEventIsAnError) {
  struct Case {
    const char* name;
    double (*compute)(double);
    bool isError;
  };
  const Case cases[] = {
      {"division by zero", [](double zero) { return 1.0 / zero; }, true},
      {"overflow", [](double zero) { return std::numeric_limits<double>::max() * (2 + zero); }, true},
      {"square root of a negative", [](double zero) { return std::sqrt(zero - 1); }, true},
      {"ordinary arithmetic", [](double zero) { return (zero + 1) / 3; }, false},
  };
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    boxes.clear();
    volatile double zero = 0.0;
    volatile double result = 0.0;
    form.alsoOnCommand1 = [&] { result = c.compute(zero); };
    ui::clickAsUser(form.Command1);
    EXPECT_EQ(boxes.count(), c.isError ? 1 : 0);
  }
}

TEST_F(FormsTest, ANestedHandlerKeepsTheFloatingPointFlagsOfTheInterruptedLoop) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  form.alsoOnCommand1 = [] {};  // a clean handler run from inside the loop
  std::feclearexcept(FE_ALL_EXCEPT);
  volatile double zero = 0.0;
  volatile double infinite = 1.0 / zero;  // the loop's own pass raised a flag
  (void)infinite;
  QTimer::singleShot(0, [&] { ui::clickAsUser(form.Command1); });
  ui::HandlerDepthScope loopRunning;  // as inside a handler
  for (int pass = 0; pass < 20 && eventLog().back() != "Command1_Click (форма 3)"; ++pass)
    DoEvents();
  EXPECT_EQ(eventLog().back(), "Command1_Click (форма 3)");
  EXPECT_TRUE(std::fetestexcept(FE_DIVBYZERO));
  EXPECT_EQ(boxes.count(), 0);
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST_F(FormsTest, AnErrorOfAChangeHandlerFiredByCodeReachesTheWritersTrap) {
  DemoForm<3>& trigger = demoForm<3>();
  DemoForm<4>& writer = demoForm<4>();
  writer.Show();
  trigger.alsoOnText1 = [] { throw RuntimeError(ErrorCode::TypeMismatch, "Type mismatch"); };
  writer.alsoOnCommand1 = [&] {
    withErrorTrap("Задайте правильно данные", "Celvan7m",
                  [&] { trigger.Text1.setText("12:00:00"); });
    eventLog().push_back("writer goes on");
  };
  ui::clickAsUser(writer.Command1);
  ASSERT_EQ(boxes.count(), 1);  // the trap's message, not a second one at the edge
  EXPECT_EQ(boxes.last().text, "Задайте правильно данные");
  EXPECT_EQ(boxes.last().title, "Celvan7m");
  EXPECT_EQ(eventLog().back(), "writer goes on");
}

TEST_F(FormsTest, AnErrorInALoadHandlerRunByCodeAtTopLevelIsShownOnce) {
  loadHook() = [](int) { throw RuntimeError(ErrorCode::DivisionByZero, "Division by zero"); };
  DemoForm<3>& form = demoForm<3>();
  EXPECT_EQ(boxes.count(), 1);
  EXPECT_TRUE(ui::isFormLoaded<DemoForm<3>>());
  EXPECT_EQ(&form, &demoForm<3>());
}

TEST(MessageBoxRecorder, RecordsEveryBoxAndAnswersQuestionsFromItsQueueThenByDefault) {
  const auto outerAnswer = [](const MessageBoxRequest&) { return MsgBoxResult::Yes; };
  setMessageBoxHandler(outerAnswer);
  {
    ui::MessageBoxRecorder boxes(MsgBoxResult::No);
    boxes.queueAnswer(MsgBoxResult::Yes);
    EXPECT_EQ(MsgBox("Файл существует. Заменить?", MsgBoxButtons::YesNo, "Celvan7"),
              MsgBoxResult::Yes);
    EXPECT_EQ(MsgBox("Не могу найти файл", "Celvan7.0"), MsgBoxResult::Ok);
    EXPECT_EQ(MsgBox("Продолжить?", MsgBoxButtons::YesNo, "Celvan6"), MsgBoxResult::No);
    ASSERT_EQ(boxes.count(), 3);
    EXPECT_EQ(boxes.boxes()[0].buttons, MsgBoxButtons::YesNo);
    EXPECT_EQ(boxes.boxes()[1].text, "Не могу найти файл");
    EXPECT_EQ(boxes.boxes()[1].title, "Celvan7.0");
    EXPECT_EQ(boxes.last().title, "Celvan6");
  }
  // The handler in place before the recorder is back.
  EXPECT_EQ(MsgBox("?", MsgBoxButtons::YesNo, "t"), MsgBoxResult::Yes);
  setMessageBoxHandler(nullptr);
}
