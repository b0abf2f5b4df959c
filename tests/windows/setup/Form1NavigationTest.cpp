// Form1 as the hub: "К моделированию" hands over the reference elements,
// "Выход" ends every window.
#include "Form1Fixture.h"
#include "model/Form2.h"

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
