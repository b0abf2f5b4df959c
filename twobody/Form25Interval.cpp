// The interval with the finite speed of gravity: "начать" marks its start on
// the graph and takes m1's measured elements as the reference; "закончить"
// marks its end and prints the drifts per year of the eccentricity, the
// longitude of periastron, the semi-major axis, the period and the mean
// motion. "+0" re-takes the reference at the second periastron passage.
#include <string>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "twobody/Form25.h"
#include "twobody/Form25Texts.h"
#include "science/twobody/TwoBody.h"

using twobody::kM1;

namespace {

std::string sixDecimals(double value) { return Str(truncateDecimals(value, 6)); }

// x / y, refusing a zero divisor.
double ratio(double x, double y) {
  if (y == 0) throw RuntimeError(ErrorCode::DivisionByZero, "division by zero");
  return x / y;
}

}  // namespace

// The retardation acts while the interval is open and Ft is found
// numerically.
void Form25::setFiniteVgrFlag() {
  Main.FiniteVgrFlag = Option9.Value() && Option3.Value() ? 1 : 0;
}

// A red vertical line on the graph at the model time; without a time scale
// (no run yet) there is no place for it.
void Form25::markTimeOnGraph() {
  if (!(Main.MT > 0)) return;
  const double x = Main.ModelTime / Main.MT;
  Picture2.Line(x, 9, x, -1, RGB(250, 0, 0));
}

// Option9_Click "начать".
void Form25::Option9_Click() {
  if (Check10.Value() == 1) Main.RevolutionCount = 0;
  setFiniteVgrFlag();
  refreshForceOptions();
  markTimeOnGraph();
  IntervalStartTime = Main.ModelTime;
  Main.EksPrevious = Main.EksCurrent;
  Main.AlfaPPrevious = Main.AlfaPCurrent;
  Main.RefRadius = Main.RadiusVector[kM1];
  Main.PrevPeriod = Main.Period;
}

// The "+0" re-take at the second periastron passage: the reference and the
// start column of the element table anew, the interval from now.
void Form25::retakeReference() {
  markTimeOnGraph();
  IntervalStartTime = Main.ModelTime;
  Main.EksPrevious = Main.EksCurrent;
  Main.AlfaPPrevious = Main.AlfaPCurrent;
  Main.RefRadius = Main.RadiusVector[kM1];
  Main.PrevPeriod = Main.Period;
  Main.AlfaUPrevious = Main.AlfaUCurrent;
  Main.BettaPrevious = Main.BettaCurrent;
  Text7.setText(sixDecimals(Main.EksPrevious));
  Text8.setText(Str(Main.AlfaPPrevious));
  Text9.setText(Str(Main.AlfaUPrevious));
  Text10.setText(Str(Fix(Main.RefRadius) / Main.MK));
  Text37.setText(sixDecimals(Main.BettaPrevious * Main.kUgol));
}

// Option10_Click "закончить": the drifts over the interval. A drift that
// cannot be computed shows "Ошибка в расчетах" (title "Celvan7mm").
void Form25::Option10_Click() {
  setFiniteVgrFlag();
  refreshForceOptions();
  withErrorTrap(form25text::kCalculationError, form25text::kTitle7mm, [&] { reportDrifts(); });
}

void Form25::reportDrifts() {
  Main.TimeScratch = Main.ModelTime;
  if (!(Main.MT > 0)) throw RuntimeError(ErrorCode::DivisionByZero, "no time scale");
  markTimeOnGraph();
  const double sekG = Main.sekG;
  Main.Y[22] = Main.TimeScratch - IntervalStartTime;
  const double dT = Main.Y[22];
  printAt(Picture2, 0.1, 2.5,
          "dT=  " + Str(Fix(1000 * Main.TimeScratch) / 1000) + " - " +
              Str(Fix(1000 * IntervalStartTime) / 1000) + " = " + Str(dT) + "  сек = " +
              Str(dT / sekG) + " лет ");
  Main.Y[23] = ratio((Main.EksCurrent - Main.EksPrevious) * sekG, dT);
  Main.Y[24] = ratio((Main.AlfaPCurrent - Main.AlfaPPrevious) * sekG, dT);
  Main.Y[25] = ratio((Main.RadiusVector[kM1] - Main.RefRadius) * sekG, dT);
  Main.Y[26] = ratio((Main.Period - Main.PrevPeriod) * sekG, dT);
  Main.X[20] = ratio(2 * Main.Pi * sekG, Main.PrevPeriod);
  Main.X[21] = ratio(2 * Main.Pi * sekG, Main.Period);
  Main.Y[27] = ratio((Main.X[21] - Main.X[20]) * sekG, dT);
  const double mk = Main.MK;
  printAt(Picture2, 0.1, 8.5,
          "dEks= ( " + Str(Main.EksCurrent) + " - " + Str(Main.EksPrevious) + " ) / dT = " +
              Str(Main.Y[23]) + "  за год");
  printAt(Picture2, 0.1, 7.5,
          "dAlfaP= ( " + Str(Main.AlfaPCurrent) + " - " + Str(Main.AlfaPPrevious) +
              " ) / dT = " + Str(Main.Y[24]) + "  град за год");
  printAt(Picture2, 0.1, 6.5,
          "dRsr= ( " + Str(Main.RadiusVector[kM1] / mk) + " - " + Str(Main.RefRadius / mk) +
              " ) / dT = " + Str(Main.Y[25] / mk) + "  тыс.км за год");
  printAt(Picture2, 0.1, 5.5,
          "dP= ( " + Str(Main.Period) + " - " + Str(Main.PrevPeriod) + " ) / dT = " +
              Str(Main.Y[26]) + "  сек за год");
  printAt(Picture2, 0.1, 4.5,
          "dW= ( " + Str(Main.X[21]) + " - " + Str(Main.X[20]) + " ) / dT = " + Str(Main.Y[27]) +
              "  рад в год за год");
}
