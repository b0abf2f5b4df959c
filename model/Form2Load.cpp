// The model window's load and activation, and the trigger box through which
// the plan window starts an experiment.
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "core/time/TimeScales.h"
#include "model/Form2.h"

// Form_Load: the scale of the overview, the bodies shown at their initial
// data, the date of the initial data, and the defaults of the interaction
// options and of the test criterion (a new load restores them, whatever the
// options window or a plan set before).
void Form2::Form_Load() {
  Main.PlotOffsetY = static_cast<float>(CDbl(Text36.Text()));
  Main.OverviewScale = Main.MK * 1.8 * Main.MK;
  Picture2.Scale(-3.9, 3.9, 3.9, -3.9);
  for (int i = 0; i <= Main.LastObjectIndex; ++i) {
    Main.X[i] = Main.Xsled[i] = Main.X0[i];
    Main.Y[i] = Main.Ysled[i] = Main.Y0[i];
    Main.Z[i] = Main.Zsled[i] = Main.Z0[i];
  }
  DrawOrbits();
  DrawOverview();
  Text14.setText(Str(Main.InitialDataJD));
  DateFromJulianDay(Main.InitialDataJD);
  Text44.setText(Str(Main.CalendarYear));
  Text43.setText(Str(Main.CalendarMonth));
  Text42.setText(Str(Main.CalendarDay));

  Main.N1 = 1;
  Main.N2 = 2;
  Main.kodPgr = 0;
  Main.kodDX = 1;
  Main.PreciseEnergyFlag = 1;
  Main.CentreOfMassDisplayFlag = 0;
  Main.InstantCentreOfMassFlag = 0;
  Main.EveryStageKinematicsFlag = 1;
  Main.kPgr1 = 0;
  Main.kPgr2 = 0;
  Main.TestMode = 0;
  Main.Y[88] = 0;
  Main.TestReference = Main.MassRatio[2];
  Main.JupiterTestReference = Main.MassRatio[5];
}

// Form_Activate: the overview's pan back to the middle, the scale of the
// orbit view from the scroll bar, and the shared calendar of this window.
// Nothing is redrawn.
void Form2::Form_Activate() {
  Main.ClickX = 0;
  Main.ClickY = 0;
  Main.ImageScale = HScroll1.Value() * 1e5 * 1e3;
  Main.CalendarMode = 0;
  Main.DayStartHour = 0;
}

// Text53_Change: every text written into the box starts one experiment,
// nested inside the writer's handler.
void Form2::Text53_Change() {
  // A plan experiment always runs with a finite speed of gravity.
  if (Main.PlanNumber > 0) Check13.setValue(1);
  Command1_Click();
}
