// Form12's angle tool: an angle typed in one of four units read into the
// angle register (Main.DecimalDate, degrees), the register shown back in the
// ticked unit, and handed to the source longitude or latitude box.
#include <cmath>

#include "core/Constants.h"
#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "tools/Form12.h"
#include "tools/Form12Texts.h"

namespace {

using astro::kDegreesPerHour;
// Angles and times are shown cut (not rounded) to six decimals.
constexpr int kShownDecimals = 6;

// Whole part, minutes and seconds of |q| (hours or degrees): the seconds
// keep their fraction.
struct Sexagesimal {
  double whole, minutes, seconds;
};

Sexagesimal splitSexagesimal(double q) {
  const double size = std::fabs(q);
  const double whole = std::fabs(Fix(q));
  const double minutes = Fix((size - whole) * 60.0);
  return {whole, minutes, (size - whole - minutes / 60.0) * 3600.0};
}

// The typed parts summed as typed (each may carry its own sign).
double joinSexagesimal(double whole, double minutes, double seconds) {
  return minutes / 60.0 + whole + seconds / 3600.0;
}

}  // namespace

// Command4_Click "Считать угол ": only the ticked unit's boxes are read; the
// sign option applies to the two sexagesimal units. A box without a number
// shows the message and leaves the register as it was.
void Form12::Command4_Click() {
  withErrorTrap(form12text::kBadData, form12text::kTitle, [&] {
    Main.StepReductionState = Option21.Value() ? -1 : 1;
    const double sign = Main.StepReductionState;
    double angle = Main.DecimalDate;
    if (Option4.Value()) {
      angleHours_ = CDbl(Text7.Text());
      angleMinutes_ = CDbl(Text8.Text());
      angleSeconds_ = CDbl(Text9.Text());
      angle = joinSexagesimal(angleHours_, angleMinutes_, angleSeconds_) * sign * kDegreesPerHour;
    } else if (Option5.Value()) {
      angleDegrees_ = CDbl(Text17.Text());
      angleMinutes_ = CDbl(Text18.Text());
      angleSeconds_ = CDbl(Text19.Text());
      angle = joinSexagesimal(angleDegrees_, angleMinutes_, angleSeconds_) * sign;
    } else if (Option6.Value()) {
      angle = CDbl(Text10.Text());
    } else if (Option7.Value()) {
      angle = CDbl(Text20.Text()) * Main.kUgol;
    }
    Main.DecimalDate = angle;
  });
}

// Command5_Click "Преобразовать угол": the register in the ticked unit. The
// sexagesimal units show the size of the angle and tick its sign.
void Form12::Command5_Click() {
  const int sign = Sgn(Main.DecimalDate);
  const auto showSexagesimal = [&](double q, double& whole, ui::TextBox& wholeBox,
                                   ui::TextBox& minutesBox, ui::TextBox& secondsBox) {
    const Sexagesimal parts = splitSexagesimal(q);
    whole = parts.whole;
    angleMinutes_ = parts.minutes;
    angleSeconds_ = parts.seconds;
    wholeBox.setText(Str(whole));
    minutesBox.setText(Str(angleMinutes_));
    secondsBox.setText(Str(truncateDecimals(angleSeconds_, kShownDecimals)));
    Option11.setValue(true);
    if (sign < 0) Option21.setValue(true);
  };
  if (Option4.Value()) {
    showSexagesimal(Main.DecimalDate / kDegreesPerHour, angleHours_, Text7, Text8, Text9);
  } else if (Option5.Value()) {
    showSexagesimal(Main.DecimalDate, angleDegrees_, Text17, Text18, Text19);
  } else if (Option6.Value()) {
    Text10.setText(Str(truncateDecimals(Main.DecimalDate, kShownDecimals)));
  } else if (Option7.Value()) {
    Text20.setText(Str(truncateDecimals(Main.DecimalDate / Main.kUgol, kShownDecimals)));
  }
}

// Command12_Click "Задать долготу в град.": the register in full into the
// source longitude box.
void Form12::Command12_Click() { Text11.setText(Str(Main.DecimalDate)); }

// Command13_Click "Задать широту в град.": the register into the source
// latitude box.
void Form12::Command13_Click() { Text12.setText(Str(Main.DecimalDate)); }
