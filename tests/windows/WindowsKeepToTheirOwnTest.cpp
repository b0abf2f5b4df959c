// Tool windows keep to their own values: a window opened, used through its
// buttons as a user would and closed leaves the model's start data (states,
// masses, elements and the options they were computed with), the observed
// shifts, the observation window's source, the options window's settings,
// the plan and the model's step as it found them; and a model run
// afterwards gives the same series as one without it.
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/state/ModelStartData.h"
#include "core/state/SharedState.h"
#include "model/Form2.h"
#include "setup/Form1.h"
#include "setup/Form11.h"
#include "setup/Form14.h"
#include "setup/Form20.h"
#include "tools/Form12.h"
#include "tools/Form16.h"
#include "twobody/Form25.h"
#include "twobody/Form26.h"
#include "windows/support/WindowTest.h"

namespace {

// What belongs to other windows than the tool windows, as one value.
struct OwnedState {
  MainModule main;
  StatModule stat;
};

// The names of the owned values that differ between two states.
std::vector<std::string> changedValues(const OwnedState& a, const OwnedState& b) {
  std::vector<std::string> changed;
#define CELVAN_COMPARE(module, name) \
  if (!(a.module.name == b.module.name)) changed.push_back(#name)
  // The model's start data and the options they were computed with.
  CELVAN_COMPARE(main, X0);
  CELVAN_COMPARE(main, Y0);
  CELVAN_COMPARE(main, Z0);
  CELVAN_COMPARE(main, VX0);
  CELVAN_COMPARE(main, VY0);
  CELVAN_COMPARE(main, VZ0);
  CELVAN_COMPARE(main, Mass);
  CELVAN_COMPARE(main, MassRatio);
  CELVAN_COMPARE(main, mSol);
  CELVAN_COMPARE(main, gamma);
  CELVAN_COMPARE(main, AlfaL);
  CELVAN_COMPARE(main, AlfaP);
  CELVAN_COMPARE(main, AlfaU);
  CELVAN_COMPARE(main, Betta);
  CELVAN_COMPARE(main, Eks);
  CELVAN_COMPARE(main, Rsr);
  CELVAN_COMPARE(main, RsrAU);
  CELVAN_COMPARE(main, Wsr);
  CELVAN_COMPARE(main, StartElements);
  CELVAN_COMPARE(main, InitialDataJD);
  CELVAN_COMPARE(main, SeriesStartJD);
  CELVAN_COMPARE(main, kodMoon);
  CELVAN_COMPARE(main, kodBary);
  CELVAN_COMPARE(main, LastStateIndex);
  CELVAN_COMPARE(main, ObjectIncluded);
  // The model's run options and step.
  CELVAN_COMPARE(main, ForceModel);
  CELVAN_COMPARE(main, TimeDirection);
  CELVAN_COMPARE(main, N1);
  CELVAN_COMPARE(main, N2);
  CELVAN_COMPARE(main, P00);
  CELVAN_COMPARE(main, Step);
  // The options window of the model.
  CELVAN_COMPARE(main, kodDX);
  CELVAN_COMPARE(main, kodPgr);
  CELVAN_COMPARE(main, kPgr1);
  CELVAN_COMPARE(main, kPgr2);
  CELVAN_COMPARE(main, PreciseEnergyFlag);
  CELVAN_COMPARE(main, EveryStageKinematicsFlag);
  CELVAN_COMPARE(main, CentreOfMassDisplayFlag);
  CELVAN_COMPARE(main, InstantCentreOfMassFlag);
  CELVAN_COMPARE(main, JerkKinematicsFlag);
  CELVAN_COMPARE(main, ShortLWFlag);
  // Observed results and the observation window's source.
  CELVAN_COMPARE(main, ObservedShifts);
  CELVAN_COMPARE(main, ModelShifts);
  CELVAN_COMPARE(main, TheoryName);
  CELVAN_COMPARE(main, SourceKind);
  CELVAN_COMPARE(main, SourceIndex);
  // The plan.
  CELVAN_COMPARE(stat, Nf);
  CELVAN_COMPARE(stat, PlanType);
  CELVAN_COMPARE(stat, FactorIndex);
  CELVAN_COMPARE(stat, ZeroLevels);
  CELVAN_COMPARE(stat, VariationIntervals);
  CELVAN_COMPARE(stat, RunValues);
  CELVAN_COMPARE(stat, PlanMatrix);
  CELVAN_COMPARE(stat, RunCount);
  CELVAN_COMPARE(stat, Criterion);
  CELVAN_COMPARE(stat, ShiftWeights);
#undef CELVAN_COMPARE
  return changed;
}

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

// A button pressed when the loop it starts first lets events run.
void pressAtNextPass(ui::CommandButton& button) {
  QTimer::singleShot(0, button.widget(), [&button] { ui::clickAsUser(button); });
}

void click(ui::Control& control) { ui::clickAsUser(control); }

// One use of a window: what a user does in it, ending with closing it.
struct WindowUse {
  std::string name;
  std::function<void()> use;
};

const std::vector<WindowUse> kWindowUses = {
    {"EllipseWindowRunsAndSteps",
     [] {
       Form14& form = form14();
       form.Show();
       pressAtNextPass(form.Command4);
       click(form.Command1);
       click(form.Command6);
       click(form.Option2);
       pressAtNextPass(form.Command4);
       click(form.Command1);
       click(form.Command14);
     }},
    {"AberrationWindowFindsBothAndSteps",
     [] {
       Form11& form = form11();
       form.Show();
       click(form.Command1);
       click(form.Command3);
       click(form.Check2);
       click(form.Command1);
       click(form.Command3);
       pressAtNextPass(form.Command6);
       click(form.Command5);
       click(form.Command9);
       click(form.Command4);
     }},
    {"AberrationWindowWithTheSunAsTarget",
     [] {
       Form11& form = form11();
       form.Show();
       click(form.Check1[2]);
       click(form.Check1[0]);
       click(form.Command1);
       click(form.Command3);
       click(form.Command4);
     }},
    {"ConverterSetsCoordinatesAndStepsTheDate",
     [] {
       Form12& form = form12();
       form.Show();
       click(form.Command6);
       click(form.Command2);
       click(form.Command7);
       click(form.Command1);
       click(form.Command9);
     }},
    {"MoonWindowSetsThePair",
     [] {
       Form20& form = form20();
       form.Show();
       click(form.Option6);
       click(form.Option4);
       click(form.Command6);
       click(form.Option7);
       click(form.Command6);
       click(form.Command9);
     }},
    {"TwoBodyWindowSetsThePairAndKeepsAFile",
     [] {
       Form25& form = form25();
       form.Show();
       click(form.Command6);
       click(form.Check14);
       click(form.Command6);
       click(form.Command8);
       click(form.Command7);
       click(form.Command5);
       Form26& options = form26();
       for (ui::CheckBox* box : {&options.Check1, &options.Check2, &options.Check3,
                                 &options.Check4, &options.Check5, &options.Check6,
                                 &options.Check7})
         click(*box);
       click(options.Command1);
       click(options.Command2);
       click(form.Command9);
     }},
};

// The sources of the eclipse window: the theories, DE405 (the window's
// default date lies in the blocks the fixture installs) and a table.
struct EclipseSource {
  const char* name;
  std::function<void(Form16&)> choose;
};

const EclipseSource kEclipseSources[] = {
    {"New0", [](Form16& form) { click(form.Option9[1]); }},
    {"JPL0", [](Form16& form) { click(form.Option9[2]); }},
    {"DE405", [](Form16& form) { click(form.Option9[3]); }},
    {"Ser0", [](Form16& form) { click(form.Option9[4]); }},
    {"AlBattani",
     [](Form16& form) {
       click(form.Option1);
       click(form.Option4[1]);
     }},
};

// Each source used for one pass ("Start+Stop"), a step, a run stopped and
// the closing by "Закрыть форму"; and for a run that the closing by the
// title bar ends.
std::vector<WindowUse> eclipseWindowUses() {
  std::vector<WindowUse> uses;
  for (const EclipseSource& source : kEclipseSources) {
    uses.push_back({std::string("EclipseWindowOn") + source.name + "PassesAndStops", [source] {
                      Form16& form = form16();
                      form.Show();
                      source.choose(form);
                      click(form.Check1);
                      click(form.Command1);
                      click(form.Command6);
                      click(form.Check1);
                      pressAtNextPass(form.Command4);
                      click(form.Command1);
                      click(form.Command14);
                    }});
    uses.push_back({std::string("EclipseWindowOn") + source.name + "ClosedByTheTitleBarInARun", [source] {
                      Form16& form = form16();
                      form.Show();
                      source.choose(form);
                      QTimer::singleShot(0, form.window(), [&form] { ui::closeAsUser(form); });
                      click(form.Command1);
                    }});
  }
  return uses;
}
const std::vector<WindowUse> kEclipseWindowUses = eclipseWindowUses();

// The integrations of the tool windows themselves: they take the step, the
// steps per output and the system velocity from their own boxes into the
// shared run variables while they run (the model window sets its own again
// at each start), and leave the model's start data, masses and elements.
const std::vector<WindowUse> kToolWindowRuns = {
    {"MoonWindowChecksThePair",
     [] {
       Form20& form = form20();
       form.Show();
       click(form.Command6);
       pressAtNextPass(form.Command2);
       click(form.Command1);
       click(form.Command9);
     }},
    {"TwoBodyWindowRunsThePair",
     [] {
       Form25& form = form25();
       form.Show();
       click(form.Command6);
       pressAtNextPass(form.Command2);
       click(form.Command1);
       click(form.Command9);
     }},
};

class ToolWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    resetSharedState();
    useTemporaryProgramFolder({"Dat", "JPL", "Tab"});
    addPlanFolders(0);
    // What the eclipse window reads: the planets' perturbation coefficients,
    // the DE405 blocks of March 2006, a table.
    const std::filesystem::path fixtures(CELVAN_FIXTURES_DIR);
    std::filesystem::copy_file(fixtures / ".." / ".." / "data" / "Dat" / "dL1.dat", programFile("Dat/dL1.dat"));
    std::filesystem::copy_file(fixtures / "de405-2004-2006" / "JPL" / "ascp2000.405",
                               programFile("JPL/ascp2000.405"));
    std::filesystem::copy_file(fixtures / "tables" / "AlBattani.xls", programFile("Tab/AlBattani.xls"));
    form1().Show();
  }

  // A model run of the start-up window's initial data from its start date
  // to the end of that year, as "К моделированию" and "Начать" make it with
  // the series written; the bytes of Mercury's series file.
  std::string runTheModel() {
    const std::string series = "Plan0/Txt1/Celvan1Ras1.txt";
    if (programFileExists(series)) std::filesystem::remove(programFile(series));
    click(form1().Command1);
    Form2& model = form2();
    model.Show();
    type(model.Text40, "1801");
    click(model.Check20);
    click(model.Command1);
    model.Unload();
    return fileBytes(series);
  }
};

class WindowsKeepToTheirOwn : public ToolWindowTest,
                              public ::testing::WithParamInterface<WindowUse> {};

TEST_P(WindowsKeepToTheirOwn, WhatOtherWindowsOwnStaysAsItWas) {
  // Braces, not make_unique: clang 14 (the sanitizer build) cannot build an
  // aggregate from parentheses.
  const auto before = std::unique_ptr<OwnedState>(new OwnedState{Main, Stat});
  GetParam().use();
  const auto after = std::unique_ptr<OwnedState>(new OwnedState{Main, Stat});
  EXPECT_EQ(joined(changedValues(*before, *after)), "");
  EXPECT_EQ(boxes.count(), 0) << boxes.last().text;
}

INSTANTIATE_TEST_SUITE_P(ToolWindows, WindowsKeepToTheirOwn, ::testing::ValuesIn(kWindowUses),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(EclipseWindow, WindowsKeepToTheirOwn, ::testing::ValuesIn(kEclipseWindowUses),
                         [](const auto& info) { return info.param.name; });

// The runs of the tool windows leave the model's start data as they were.
TEST_F(ToolWindowTest, TheToolWindowsRunsLeaveTheStartData) {
  for (const WindowUse& window : kToolWindowRuns) {
    SCOPED_TRACE(window.name);
    const ModelStartData before = currentModelStartData();
    window.use();
    EXPECT_TRUE(currentModelStartData() == before);
  }
}

// The same model run before and after each window was used gives Mercury's
// series to its last digit.
TEST_F(ToolWindowTest, AModelRunAfterTheToolWindowsIsTheSameAsBefore) {
  const std::string reference = runTheModel();
  ASSERT_FALSE(reference.empty());
  for (const std::vector<WindowUse>* uses : {&kWindowUses, &kToolWindowRuns, &kEclipseWindowUses})
    for (const WindowUse& window : *uses) {
      SCOPED_TRACE(window.name);
      window.use();
      EXPECT_EQ(runTheModel(), reference);
    }
}

}  // namespace
