// Load, activation, showing and unloading of windows.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "DemoForm.h"
#include "ui/UserActions.h"

TEST_F(FormsTest, FirstTouchLoadsTheWindowHiddenAndRunsItsLoadHandlerOnce) {
  EXPECT_FALSE(ui::isFormLoaded<DemoForm<3>>());
  EXPECT_EQ(demoForm<3>().Text1.Text(), "0,001");
  demoForm<3>().Check2[4].Value();
  EXPECT_TRUE(ui::isFormLoaded<DemoForm<3>>());
  EXPECT_FALSE(demoForm<3>().Visible());
  EXPECT_EQ(ui::loadedFormCount(), 1);
  // The design-time writes of the constructor fired no handler; a hidden
  // load does not activate.
  EXPECT_EQ(eventLog(), Log{"Form_Load (форма 3)"});
}

TEST_F(FormsTest, CodeTouchingTheWindowDuringItsLoadGetsTheSameInstance) {
  DemoForm<3>* seenDuringLoad = nullptr;
  loadHook() = [&](int number) {
    seenDuringLoad = &demoForm<3>();
    demoForm<3>().Text1.setText("в загрузке");  // Change fires already in Form_Load
  };
  DemoForm<3>& loaded = demoForm<3>();
  EXPECT_EQ(seenDuringLoad, &loaded);
  EXPECT_EQ(ui::loadedFormCount(), 1);
  EXPECT_EQ(eventLog(), (Log{"Form_Load (форма 3)", "Text1_Change в загрузке (форма 3)"}));
}

TEST_F(FormsTest, UnloadLosesTheStateAndTheNextTouchLoadsDesignDefaultsAfresh) {
  demoForm<3>().Text1.setText("42");
  demoForm<3>().Check2[10].setValue(1);
  demoForm<3>().Option1[0].setValue(true);
  demoForm<3>().HScroll1.setValue(5);
  demoForm<3>().Unload();
  EXPECT_FALSE(ui::isFormLoaded<DemoForm<3>>());
  EXPECT_EQ(ui::loadedFormCount(), 0);

  eventLog().clear();
  DemoForm<3>& fresh = demoForm<3>();
  EXPECT_EQ(eventLog(), Log{"Form_Load (форма 3)"});
  EXPECT_EQ(fresh.Text1.Text(), "0,001");
  EXPECT_EQ(fresh.Check2[10].Value(), 0);
  EXPECT_TRUE(fresh.Option1[2].Value());
  EXPECT_FALSE(fresh.Option1[0].Value());
  EXPECT_EQ(fresh.HScroll1.Value(), 3000);
}

TEST_F(FormsTest, UnloadOfAWindowThatIsNotLoadedDoesNothing) {
  ui::unloadForm<DemoForm<5>>();
  EXPECT_FALSE(ui::isFormLoaded<DemoForm<5>>());
  EXPECT_TRUE(eventLog().empty());  // its load handler did not run
  demoForm<5>();
  ui::unloadForm<DemoForm<5>>();
  demoForm<5>().Unload();  // loads it again, then unloads
  EXPECT_EQ(ui::loadedFormCount(), 0);
}

TEST_F(FormsTest, ShowLoadsThenActivatesAndAnActiveWindowIsNotActivatedTwice) {
  demoForm<3>().Show();
  EXPECT_TRUE(demoForm<3>().Visible());
  demoForm<3>().Show();
  EXPECT_EQ(eventLog(), (Log{"Form_Load (форма 3)", "Form_Activate (форма 3)"}));
  EXPECT_EQ(ui::activeForm(), &demoForm<3>());
}

TEST_F(FormsTest, AClickOnAnInactiveWindowActivatesItBeforeTheClickIsHandled) {
  demoForm<3>().Show();
  demoForm<4>().Show();  // 4 is now the active window
  eventLog().clear();

  ui::clickAsUser(demoForm<3>().Command1);
  ui::clickAsUser(demoForm<3>().Command1);
  ui::clickAsUser(demoForm<4>().Check2[2]);
  EXPECT_EQ(eventLog(), (Log{"Form_Activate (форма 3)", "Command1_Click (форма 3)",
                             "Command1_Click (форма 3)", "Form_Activate (форма 4)",
                             "Check2_Click 2 (форма 4)"}));
}

TEST_F(FormsTest, ActivationByTheWindowSystemRunsTheActivationHandler) {
  demoForm<3>().Show();
  demoForm<4>().Show();
  QCoreApplication::processEvents();  // the window system's own reports of the two shows
  eventLog().clear();

  ui::activateAsUser(demoForm<3>());
  EXPECT_EQ(eventLog(), Log{"Form_Activate (форма 3)"});
  ui::activateAsUser(demoForm<3>());
  EXPECT_EQ(eventLog().size(), 1u);
}

TEST_F(FormsTest, HidingTheActiveWindowLetsItBeActivatedAgainWhenShown) {
  demoForm<3>().Show();
  demoForm<3>().Hide();
  EXPECT_FALSE(demoForm<3>().Visible());
  EXPECT_EQ(ui::activeForm(), nullptr);
  demoForm<3>().Show();
  EXPECT_EQ(eventLog(), (Log{"Form_Load (форма 3)", "Form_Activate (форма 3)",
                             "Form_Activate (форма 3)"}));
}

TEST_F(FormsTest, LoadedWindowsAreListedAndUnloadedInNumberOrder) {
  demoForm<7>();
  demoForm<2>();
  demoForm<5>();
  std::vector<int> numbers;
  for (ui::Form* form : ui::loadedForms()) numbers.push_back(form->Number());
  EXPECT_EQ(numbers, (std::vector<int>{2, 5, 7}));
  ui::unloadAllForms();
  EXPECT_EQ(ui::loadedFormCount(), 0);
}

TEST_F(FormsTest, ClosingByTheTitleBarUnloads) {
  demoForm<3>().Show();
  demoForm<3>().Text1.setText("7");
  ui::closeAsUser(demoForm<3>());
  EXPECT_FALSE(ui::isFormLoaded<DemoForm<3>>());
  EXPECT_EQ(demoForm<3>().Text1.Text(), "0,001");
}

TEST_F(FormsTest, AHandlerMayUnloadItsOwnWindowAndGoOnWithoutTheWindowFreedUnderIt) {
  DemoForm<3>& old = demoForm<3>();
  // The window's top-level widget goes with the window: while it lives, so
  // does the window.
  const QPointer<QWidget> oldWindow = old.window();
  bool aliveAfterUnload = false;
  old.alsoOnCommand1 = [&old, &oldWindow, &aliveAfterUnload] {
    old.Unload();
    ui::destroyUnloadedForms();  // refused: a handler is running
    DoEvents();                  // the event loop's own attempt is refused as well
    aliveAfterUnload = !oldWindow.isNull();
    old.Text1.setText("после выгрузки");  // the unloaded window's handlers stay silent
    old.Caption();
  };
  ui::clickAsUser(old.Command1);
  EXPECT_TRUE(aliveAfterUnload);
  EXPECT_EQ(eventLog(), (Log{"Form_Load (форма 3)", "Form_Activate (форма 3)",
                             "Command1_Click (форма 3)"}));
  EXPECT_EQ(boxes.count(), 0);
  // Once no handler runs, the unloaded window is freed, and the next touch
  // loads a fresh one with its design-time texts.
  ui::destroyUnloadedForms();
  EXPECT_TRUE(oldWindow.isNull());
  EXPECT_EQ(demoForm<3>().Text1.Text(), "0,001");
  EXPECT_EQ(eventLog().back(), "Form_Load (форма 3)");
}

// The process ends when no loaded window is on the screen any more: a
// handler may hide its window and show another, but once the last shown
// window is closed the hidden ones are unloaded with it and the event loop
// returns.
TEST_F(FormsTest, TheProcessEndsWhenTheLastShownWindowGoesHiddenOnesDoNotKeepItAlive) {
  ui::endProcessWithLastForm(true);
  demoForm<3>().Show();
  demoForm<4>();  // loaded, hidden
  demoForm<3>().alsoOnCommand1 = [] {
    demoForm<3>().Hide();
    demoForm<5>().Show();
  };
  bool timedOut = false;
  QTimer::singleShot(0, [] { ui::clickAsUser(demoForm<3>().Command1); });
  QTimer::singleShot(50, [] {
    eventLog().push_back("loaded after the hand-over: " + std::to_string(ui::loadedFormCount()));
    ui::closeAsUser(demoForm<5>());
  });
  QTimer::singleShot(5000, [&] {
    timedOut = true;
    QCoreApplication::exit(1);
  });
  EXPECT_EQ(QApplication::exec(), 0);
  ui::endProcessWithLastForm(false);
  EXPECT_FALSE(timedOut);
  EXPECT_EQ(eventLog().back(), "loaded after the hand-over: 3");
  EXPECT_EQ(ui::loadedFormCount(), 0);
}
