// Form24's date conversions and its close button.
#include "core/runtime/ErrorTrap.h"
#include "setup/DateBoxes.h"
#include "setup/Form24.h"
#include "setup/Form24Texts.h"

// Command2_Click "G > J": the typed date, carried into the following months
// when its day runs past its month, and its Julian Day.
void Form24::Command2_Click() {
  withErrorTrap(form24text::kBadData, form24text::kTitle,
                [&] { showCarriedDateAndJulianDay(Text9, Text8, Text7, Text10); });
}

// Command3_Click "J > G": the calendar date of the typed Julian Day.
void Form24::Command3_Click() {
  withErrorTrap(form24text::kBadData, form24text::kTitle,
                [&] { showDateOfJulianDay(Text10, Text9, Text8, Text7); });
}

// Command4_Click "Закрыть".
void Form24::Command4_Click() { Unload(); }
