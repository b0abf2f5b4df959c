// The options window of the gravitational interaction, driven as a user
// drives it: opened from the model window, the stored options shown, the
// coefficients proposed for each law, the options stored, and the refusals.
#include "model/Form23.h"
#include "tests/windows/model/Form2Fixture.h"

namespace {

class Form23Test : public Form2Test {
 protected:
  // The model window with "Vgr=Vsv *" ticked or not, and its options window
  // opened by "Дополнительные параметры".
  Form23& openOptions(bool finiteGravitySpeed) {
    Form2& model = openModelWindow();
    if ((model.Check13.Value() == 1) != finiteGravitySpeed) click(model.Check13);
    click(model.Command9);
    return form23();
  }

  // One message box with the window's title.
  void expectOneMessage(const char* text) {
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, text);
    EXPECT_EQ(boxes.last().title, "Celvan7");
  }

  // A law chosen and stored with a finite speed of gravity, the window
  // closed again.
  void storeLawAndClose(ui::OptionButton Form23::*law) {
    Form23& options = openOptions(true);
    click(options.*law);
    click(options.Command1);
    click(options.Command2);
  }

  static void reopen(Form23& options) {
    click(options.Command2);  // "Закрыть форму"
    click(form2().Command9);
  }
};

TEST_F(Form23Test, OpensFromTheModelWindowShowingTheStartValues) {
  Form23& options = openOptions(false);
  EXPECT_TRUE(options.Visible());
  EXPECT_EQ(options.Caption(), "Дополнительные параметры   Celvan7mmm - форма 23");
  EXPECT_TRUE(options.Option1.Value());
  EXPECT_EQ(options.Text1.Text(), "0");
  EXPECT_EQ(options.Text2.Text(), "0");
  EXPECT_TRUE(options.Option9.Value());  // DX1
  EXPECT_EQ(options.Check2.Value(), 1);
  EXPECT_EQ(options.Check1.Value(), 1);
  for (ui::CheckBox* cleared : {&options.Check3, &options.Check4, &options.Check5, &options.Check6})
    EXPECT_EQ(cleared->Value(), 0);
}

struct ProposedCoefficients {
  const char* law;
  ui::OptionButton Form23::*option;
  const char* k1;
  const char* k2;
};

// Each law proposes its coefficients in the locale's number form; nothing
// is stored until the options are applied.
TEST_F(Form23Test, EachLawProposesItsCoefficients) {
  const ProposedCoefficients cases[] = {
      {"Weber", &Form23::Option2, "0,5", "1"},       {"Gerber", &Form23::Option3, "3", "6"},
      {"Gerber closed", &Form23::Option4, "3", "6"}, {"Л-В", &Form23::Option5, "1", "1"},
      {"Зорвен", &Form23::Option6, "1", "1"},        {"relative speeds", &Form23::Option7, "0", "0"},
      {"none", &Form23::Option1, "0", "0"},
  };
  Form23& options = openOptions(true);
  for (const ProposedCoefficients& c : cases) {
    SCOPED_TRACE(c.law);
    click(options.*c.option);
    EXPECT_EQ(options.Text1.Text(), c.k1);
    EXPECT_EQ(options.Text2.Text(), c.k2);
  }
  EXPECT_EQ(Main.kodPgr, 0);
  EXPECT_EQ(Main.kPgr1, 0);
}

TEST_F(Form23Test, StoresTheChosenOptionsAndShowsThemWhenReopened) {
  Form23& options = openOptions(true);
  click(options.Option2);  // Weber, k1 0,5 and k2 1 proposed
  click(options.Option11);  // DX3
  click(options.Check2);   // kinematics once per step
  click(options.Check1);   // no precise energy
  for (ui::CheckBox* box : {&options.Check3, &options.Check4, &options.Check5, &options.Check6}) click(*box);
  click(options.Command1);

  EXPECT_EQ(boxes.count(), 0);
  EXPECT_EQ(Main.kodPgr, 2);
  EXPECT_EQ(Main.kPgr1, 0.5);
  EXPECT_EQ(Main.kPgr2, 1);
  EXPECT_EQ(Main.kodDX, 3);
  EXPECT_EQ(Main.EveryStageKinematicsFlag, 0);
  EXPECT_EQ(Main.PreciseEnergyFlag, 0);
  EXPECT_EQ(Main.CentreOfMassDisplayFlag, 1);
  EXPECT_EQ(Main.InstantCentreOfMassFlag, 1);
  EXPECT_EQ(Main.JerkKinematicsFlag, 1);
  EXPECT_EQ(Main.ShortLWFlag, 1);
  EXPECT_TRUE(options.Visible());  // the window stays open

  reopen(options);
  Form23& shown = form23();
  EXPECT_TRUE(shown.Option2.Value());
  EXPECT_EQ(shown.Text1.Text(), "0,5");
  EXPECT_EQ(shown.Text2.Text(), "1");
  EXPECT_TRUE(shown.Option11.Value());
  EXPECT_EQ(shown.Check2.Value(), 0);
  EXPECT_EQ(shown.Check1.Value(), 0);
  for (ui::CheckBox* ticked : {&shown.Check3, &shown.Check4, &shown.Check5, &shown.Check6})
    EXPECT_EQ(ticked->Value(), 1);
}

// Coefficients typed after choosing the law are the ones stored.
TEST_F(Form23Test, EditedCoefficientsAreStored) {
  Form23& options = openOptions(true);
  click(options.Option6);
  type(options.Text1, "0,25");
  type(options.Text2, "-1,5E-3");
  click(options.Command1);
  EXPECT_EQ(Main.kodPgr, 6);
  EXPECT_EQ(Main.kPgr1, 0.25);
  EXPECT_EQ(Main.kPgr2, -1.5e-3);
}

// Without a finite speed of gravity only "no gravity pressure" can be
// stored; a refused press stores nothing at all, not even the retardation
// variant or a switch.
TEST_F(Form23Test, ALawWithoutAFiniteGravitySpeedIsRefusedAndNothingIsStored) {
  Form23& options = openOptions(false);
  click(options.Option4);
  click(options.Option8);
  click(options.Check3);
  click(options.Command1);
  expectOneMessage("Давление гравитации не может быть задано без скорости гравитации");
  EXPECT_EQ(Main.kodPgr, 0);
  EXPECT_EQ(Main.kPgr1, 0);
  EXPECT_EQ(Main.kodDX, 1);
  EXPECT_EQ(Main.CentreOfMassDisplayFlag, 0);

  click(options.Option1);
  click(options.Command1);
  EXPECT_EQ(boxes.count(), 1);
  EXPECT_EQ(Main.kodDX, 0);
  EXPECT_EQ(Main.CentreOfMassDisplayFlag, 1);
}

// A coefficient that is not a number is refused with a message before
// anything is stored: the law does not change alone.
TEST_F(Form23Test, ACoefficientThatIsNotANumberStoresNothing) {
  Form23& options = openOptions(true);
  click(options.Option3);
  type(options.Text2, "6.0");  // a decimal point, not the locale's comma
  click(options.Option10);
  click(options.Command1);
  expectOneMessage("Задайте правильно данные");
  EXPECT_EQ(Main.kodPgr, 0);
  EXPECT_EQ(Main.kPgr1, 0);
  EXPECT_EQ(Main.kodDX, 1);
}

// The next run of the model window uses the law stored here: a year under
// Weber's law runs to its end year, the stages of each step counted.
TEST_F(Form23Test, TheModelWindowRunsUnderTheStoredLaw) {
  storeLawAndClose(&Form23::Option2);
  Form2& model = form2();
  endInStartYear(model);
  click(model.Check4);  // one-hour steps throughout, no orbit tracking
  click(model.Command1);
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
  EXPECT_EQ(Main.CalendarYear, 1802);
  EXPECT_EQ(Main.StageCounter, 4);
  EXPECT_EQ(Main.PrevStep, 3600);
}

// The options live in the shared state: closing the window keeps them,
// and reloading the model window restores the model's defaults.
TEST_F(Form23Test, ClosingKeepsTheOptionsAndReloadingTheModelWindowRestoresTheDefaults) {
  storeLawAndClose(&Form23::Option5);
  EXPECT_FALSE(ui::isFormLoaded<Form23>());
  EXPECT_EQ(Main.kodPgr, 5);
  click(form2().Command8);  // the model window closed and opened again
  openModelWindow();
  EXPECT_EQ(Main.kodPgr, 0);
  EXPECT_EQ(Main.kPgr1, 0);
}

}  // namespace
