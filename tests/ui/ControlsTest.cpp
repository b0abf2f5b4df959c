// Text boxes, check boxes, option groups, scroll bars and control arrays.
#include <QCoreApplication>
#include <QWheelEvent>

#include "DemoForm.h"
#include "core/runtime/RuntimeError.h"
#include "ui/UserActions.h"
#include "ui/WheelScrolling.h"

TEST_F(FormsTest, AWriteByCodeFiresChangeInsideTheWriterEveryTimeEvenWithTheSameText) {
  DemoForm<3>& form = demoForm<3>();
  eventLog().clear();
  bool writerRunning = false;
  form.alsoOnText1 = [&] { eventLog().push_back(writerRunning ? "inside writer" : "after writer"); };
  writerRunning = true;
  form.Text1.setText("12:00:01");
  form.Text1.setText("12:00:01");  // a second trigger within one clock tick
  writerRunning = false;
  EXPECT_EQ(eventLog(), (Log{"Text1_Change 12:00:01 (форма 3)", "inside writer",
                             "Text1_Change 12:00:01 (форма 3)", "inside writer"}));
}

TEST_F(FormsTest, TypingFiresChangeAndALockedBoxRefusesTheUser) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  eventLog().clear();
  ui::typeAsUser(form.Text1, "0,5");
  EXPECT_EQ(form.Text1.Text(), "0,5");
  EXPECT_EQ(eventLog(), Log{"Text1_Change 0,5 (форма 3)"});

  form.Text1.setLocked(true);
  ui::typeAsUser(form.Text1, "9");
  EXPECT_EQ(form.Text1.Text(), "0,5");
  form.Text1.setText("по коду");  // code still writes a locked box
  EXPECT_EQ(form.Text1.Text(), "по коду");
}

TEST_F(FormsTest, SuppressEventsWritesWithoutFiringUntilTheGuardEnds) {
  DemoForm<3>& form = demoForm<3>();
  eventLog().clear();
  {
    ui::SuppressEvents quiet(form.Text1);
    form.Text1.setText("тихо");
    ui::SuppressEvents quietBox(form.Check2[10]);
    form.Check2[10].setValue(1);
  }
  EXPECT_TRUE(eventLog().empty());
  EXPECT_EQ(form.Text1.Text(), "тихо");
  EXPECT_EQ(form.Check2[10].Value(), 1);
  form.Text1.setText("громко");
  EXPECT_EQ(eventLog(), Log{"Text1_Change громко (форма 3)"});
}

TEST_F(FormsTest, AMultiLineBoxKeepsItsLinesAndGivesThemBackWithCrLf) {
  ui::Form& owner = demoForm<3>();
  ui::TextBox help(&owner, ui::TextBoxStyle::MultiLine);
  help.setText("первая\r\nвторая\nтретья");
  EXPECT_EQ(help.Text(), "первая\r\nвторая\r\nтретья");
}

TEST_F(FormsTest, CheckBoxValueSetByCodeFiresClickOnlyWhenItChanges) {
  struct Case {
    int start, set;
    bool clicks;
  };
  const Case cases[] = {{0, 1, true}, {1, 0, true}, {1, 1, false}, {0, 0, false},
                        {0, 2, true}, {2, 2, false}, {2, 1, true}};
  DemoForm<3>& form = demoForm<3>();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.start) + " -> " + std::to_string(c.set));
    {
      ui::SuppressEvents quiet(form.Check2[10]);
      form.Check2[10].setValue(c.start);
    }
    eventLog().clear();
    form.Check2[10].setValue(c.set);
    EXPECT_EQ(form.Check2[10].Value(), c.set);
    EXPECT_EQ(eventLog().size(), c.clicks ? 1u : 0u);
  }
  EXPECT_THROW(form.Check2[10].setValue(3), RuntimeError);
}

TEST_F(FormsTest, AUserClickTogglesACheckBoxAndAGreyOneBecomesTicked) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  eventLog().clear();
  ui::clickAsUser(form.Check2[10]);
  EXPECT_EQ(form.Check2[10].Value(), 1);
  ui::clickAsUser(form.Check2[10]);
  EXPECT_EQ(form.Check2[10].Value(), 0);
  form.Check2[10].setValue(2);
  ui::clickAsUser(form.Check2[10]);
  EXPECT_EQ(form.Check2[10].Value(), 1);
  EXPECT_EQ(eventLog(), (Log{"Check2_Click 10 (форма 3)", "Check2_Click 10 (форма 3)",
                             "Check2_Click 10 (форма 3)", "Check2_Click 10 (форма 3)"}));
  form.Check2[10].setEnabled(false);
  ui::clickAsUser(form.Check2[10]);
  EXPECT_EQ(form.Check2[10].Value(), 1);
  EXPECT_FALSE(form.Check2[10].Enabled());
}

TEST_F(FormsTest, OptionsOfOneFrameExcludeEachOtherAndOtherFramesStayIndependent) {
  DemoForm<3>& form = demoForm<3>();
  eventLog().clear();
  form.Option1[0].setValue(true);
  EXPECT_TRUE(form.Option1[0].Value());
  EXPECT_FALSE(form.Option1[1].Value());
  EXPECT_FALSE(form.Option1[2].Value());
  EXPECT_TRUE(form.Option2[0].Value());  // the other frame keeps its choice

  form.Option1[0].setValue(true);  // set again: Click again
  form.Option2[1].setValue(true);
  EXPECT_TRUE(form.Option1[0].Value());
  EXPECT_FALSE(form.Option2[0].Value());
  EXPECT_EQ(eventLog(), (Log{"Option1_Click 0 (форма 3)", "Option1_Click 0 (форма 3)",
                             "Option2_Click 1 (форма 3)"}));

  eventLog().clear();
  form.Option1[0].setValue(false);  // clearing fires nothing
  EXPECT_FALSE(form.Option1[0].Value());
  EXPECT_TRUE(eventLog().empty());
}

TEST_F(FormsTest, AUserClickChoosesAnOptionOnceAndADisabledOptionStaysChosen) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  eventLog().clear();
  ui::clickAsUser(form.Option1[1]);
  ui::clickAsUser(form.Option1[1]);  // already chosen: nothing happens
  EXPECT_TRUE(form.Option1[1].Value());
  EXPECT_FALSE(form.Option1[2].Value());
  EXPECT_EQ(eventLog(), Log{"Option1_Click 1 (форма 3)"});

  form.Option1[1].setEnabled(false);
  EXPECT_TRUE(form.Option1[1].Value());
  ui::clickAsUser(form.Option1[0]);
  EXPECT_TRUE(form.Option1[0].Value());
  EXPECT_FALSE(form.Option1[1].Value());
}

TEST_F(FormsTest, AnArrayHandlerGetsTheIndexOfTheControlAndABadIndexIsRefused) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  eventLog().clear();
  for (int i : {0, 7, 10}) ui::clickAsUser(form.Check2[i]);
  form.Check2[5].setValue(0);
  EXPECT_EQ(eventLog(), (Log{"Check2_Click 0 (форма 3)", "Check2_Click 7 (форма 3)",
                             "Check2_Click 10 (форма 3)", "Check2_Click 5 (форма 3)"}));
  EXPECT_EQ(form.Check2.LBound(), 0);
  EXPECT_EQ(form.Check2.UBound(), 10);
  EXPECT_THROW(form.Check2[11], RuntimeError);
  EXPECT_THROW(form.Option1[-1], RuntimeError);
}

TEST_F(FormsTest, ScrollBarFiresChangeWhenItsValueChangesAndScrollWhileDragged) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  eventLog().clear();
  form.HScroll1.setValue(3000);  // unchanged: nothing
  form.HScroll1.setValue(200);
  ui::stepAsUser(form.HScroll1, 2);
  ui::dragAsUser(form.HScroll1, 9000);
  EXPECT_EQ(eventLog(), (Log{"HScroll1_Change 200 (форма 3)", "HScroll1_Change 300 (форма 3)",
                             "HScroll1_Change 400 (форма 3)", "HScroll1_Scroll 9000 (форма 3)",
                             "HScroll1_Change 9000 (форма 3)"}));
  EXPECT_THROW(form.HScroll1.setValue(0), RuntimeError);
  EXPECT_THROW(form.HScroll1.setValue(10001), RuntimeError);
  EXPECT_EQ(form.HScroll1.Value(), 9000);
}

// The wheel over a picture moves the bars that pan it, as their arrows do:
// three steps a notch, down the picture for a turn towards the user, across
// it with Shift; each move fires the bar's Change.
TEST_F(FormsTest, TheWheelOverAPictureMovesItsScrollBars) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  ui::PictureBox picture(&form, 50, 50);
  ui::VScrollBar vertical(&form);
  ui::HScrollBar horizontal(&form);
  for (ui::ScrollBar* bar : {static_cast<ui::ScrollBar*>(&vertical), static_cast<ui::ScrollBar*>(&horizontal)}) {
    bar->setMax(100);
    bar->setSmallChange(2);
    bar->setLargeChange(20);  // a notch moves no further than a page
  }
  vertical.onChange([&] { eventLog().push_back("V " + std::to_string(vertical.Value())); });
  horizontal.onChange([&] { eventLog().push_back("H " + std::to_string(horizontal.Value())); });
  ui::scrollWithWheel(picture, vertical, horizontal);
  const auto turn = [&](int notches, Qt::KeyboardModifiers modifiers) {
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(picture.widget(), &wheel);
  };
  eventLog().clear();
  turn(1, Qt::NoModifier);
  turn(2, Qt::NoModifier);
  turn(-1, Qt::NoModifier);
  turn(1, Qt::ShiftModifier);
  EXPECT_EQ(eventLog(), (Log{"V 6", "V 18", "V 12", "H 6"}));
}

TEST_F(FormsTest, ANewRangeMovesTheValueInsideItAndMaxMayLieBelowMin) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  ui::VScrollBar bar(&form);
  bar.setMin(100);
  bar.setMax(0);  // counts down from the top end
  bar.setValue(100);
  bar.onChange([&] { eventLog().push_back("VScroll " + std::to_string(bar.Value())); });
  bar.setSmallChange(10);
  eventLog().clear();
  ui::stepAsUser(bar, 1);   // one step towards Max
  ui::dragAsUser(bar, 25);
  bar.setMin(20);          // the range becomes 20..0: 25 moves to 20
  EXPECT_EQ(eventLog(), (Log{"VScroll 90", "VScroll 25", "VScroll 20"}));
  EXPECT_EQ(bar.Value(), 20);
  EXPECT_THROW(bar.setValue(21), RuntimeError);
}

TEST_F(FormsTest, AControlThatIsGoneTakesItsWidgetWithItEvenFromInsideAFrame) {
  DemoForm<3>& form = demoForm<3>();
  form.Show();
  const int widgetsBefore = form.window()->findChildren<QWidget*>().size();
  {
    ui::TextBox inside(&form);  // goes last, after the frame that holds it
    ui::Frame frame(&form);
    ui::PictureBox picture(&form, 50, 50);
    ui::place(frame.grid(), inside, 0, 0);
    ui::place(form.grid(), frame, 5, 0);
    ui::place(form.grid(), picture, 6, 0);
    inside.onChange([] { eventLog().push_back("must not run"); });
    form.window()->grab();
  }
  form.window()->grab();  // repaints without the controls that are gone
  EXPECT_EQ(form.window()->findChildren<QWidget*>().size(), widgetsBefore);
  EXPECT_EQ(eventLog().back(), "Form_Activate (форма 3)");
}
