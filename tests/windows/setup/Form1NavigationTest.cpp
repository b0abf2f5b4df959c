// Form1 as the hub: "К моделированию" hands over the reference elements,
// "Выход" ends every window, and the program ends when its windows are
// closed by their title bars.
#include <QApplication>
#include <QTimer>

#include <functional>

#include "Form1Fixture.h"
#include "model/Form2.h"
#include "observations/Form10.h"
#include "statistics/Form18.h"
#include "tools/Form16.h"

TEST_F(Form1Test, ToTheModelHandsOverTheElementsLoadedAtThePress) {
  Form1& form = startProgram();
  click(form.Command1);
  const double ser0MercuryLongitude = Main.AlfaL[1];
  EXPECT_EQ(Main.StartElements(7, 1), ser0MercuryLongitude);
  // The model window is shown and is the active window now.
  ASSERT_TRUE(ui::isFormLoaded<Form2>());
  EXPECT_TRUE(form2().Visible());
  EXPECT_EQ(ui::activeForm(), &form2());

  click(form.Option5);
  click(form.Command3);
  ASSERT_NE(Main.AlfaL[1], ser0MercuryLongitude);
  // Not handed over until the next press.
  EXPECT_EQ(Main.StartElements(7, 1), ser0MercuryLongitude);
  click(form.Command1);
  for (int i = 1; i <= 10; ++i) {
    SCOPED_TRACE(i);
    const double elements[] = {Main.AlfaP[i], Main.AlfaU[i], Main.Betta[i], Main.Eks[i],
                               Main.Rsr[i],   Main.Wsr[i],   Main.AlfaL[i]};
    for (int e = 1; e <= 7; ++e) EXPECT_EQ(Main.StartElements(e, i), elements[e - 1]);
  }
}

TEST_F(Form1Test, ExitUnloadsEveryWindow) {
  Form1& form = startProgram();
  click(form.Command1);  // the model window open too
  click(form.Command9);
  EXPECT_EQ(ui::loadedFormCount(), 0);
  EXPECT_FALSE(ui::isFormLoaded<Form1>());
  EXPECT_EQ(boxes.count(), 0);
}

TEST_F(Form1Test, EachWindowButtonShowsItsWindow) {
  Form1& form = startProgram();
  struct Case {
    ui::CommandButton& button;
    int windowNumber;
  };
  const Case cases[] = {{form.Command10, 4},  {form.Command25, 20}, {form.Command8, 3},
                        {form.Command11, 5},  {form.Command21, 18}, {form.Command26, 24},
                        {form.Command23, 14}, {form.Command24, 11}, {form.Command27, 25},
                        {form.Command22, 12}, {form.Command20, 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button.Caption());
    click(c.button);
    ui::Form* shown = ui::activeForm();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Number(), c.windowNumber);
    EXPECT_TRUE(shown->Visible());
  }
}

// Every window opened from Form1, with the companion windows it opens,
// closed by its title bar goes as its own close button makes it go: the
// companions go with it. Then Form1, the last window on the screen, closed
// by its title bar ends the program: no window stays loaded and the event
// loop returns.
TEST_F(Form1Test, WindowsClosedByTheirTitleBarsLeaveNothingLoadedAndTheProgramEnds) {
  // The planets' perturbation coefficients that Form22 reads as it loads.
  std::filesystem::copy_file(std::filesystem::path(CELVAN_FIXTURES_DIR) / ".." / ".." / "data" / "Dat" / "dL1.dat",
                             folder_ / "Dat" / "dL1.dat");
  Form1& form = startProgram();
  struct Case {
    ui::CommandButton& button;
    std::function<void()> openCompanions;
  };
  const Case cases[] = {
      {form.Command1, nullptr},
      {form.Command10, nullptr},
      {form.Command25, nullptr},
      {form.Command8, nullptr},
      {form.Command11, nullptr},
      {form.Command21, [] { click(form18().Option8); }},  // the test functions, Form8
      {form.Command26, nullptr},
      {form.Command23, nullptr},
      {form.Command24, nullptr},
      {form.Command27, nullptr},
      {form.Command22, nullptr},
      {form.Command20,  // the plan window comes with it; "dLl*", "dLp*"
       [] {
         click(form10().Command16);
         click(form10().Command17);
       }},
      {form.Command19,  // a theory loads the ET - UT window, hidden; "dLl*"
       [] {
         click(form16().Option9[1]);
         click(form16().Command9);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button.Caption());
    click(c.button);
    ui::Form* window = ui::activeForm();
    ASSERT_NE(window, nullptr);
    if (c.openCompanions) c.openCompanions();
    ui::closeAsUser(*window);
    ASSERT_EQ(ui::loadedFormCount(), 1);
    EXPECT_TRUE(ui::isFormLoaded<Form1>());
  }

  ui::endProcessWithLastForm(true);
  form16();  // a window loaded and never shown does not keep the program alive
  bool timedOut = false;
  QTimer::singleShot(0, [&form] { ui::closeAsUser(form); });
  QTimer::singleShot(10000, [&timedOut] {
    timedOut = true;
    QCoreApplication::exit(1);
  });
  const int ended = QApplication::exec();
  ui::endProcessWithLastForm(false);
  EXPECT_EQ(ended, 0);
  EXPECT_FALSE(timedOut);
  EXPECT_EQ(ui::loadedFormCount(), 0);
  EXPECT_EQ(boxes.count(), 0);
}
