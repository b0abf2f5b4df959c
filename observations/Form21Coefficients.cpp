// Form21's handlers: the default amplitudes written and applied at load,
// the ticked amplitudes applied by "Задать значения коэффициентов", and
// closing the window.
#include <array>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "observations/Form21.h"
#include "observations/Form21Texts.h"

void Form21::Form_Load() {
  withErrorTrap(form21text::kLoadFailed, form21text::kTitle, [this] {
    form21text::forEachTerm([this](const form21text::MoonTerm& term) { Text1[term.index].setText(Str(term.amplitude)); });
  });
  Command1_Click();
}

// Every ticked box is read before anything is stored, so that a box that
// holds no number leaves all amplitudes as they were rather than half of
// them changed.
void Form21::Command1_Click() {
  std::array<double, 29> amplitudes{};
  const bool read = withErrorTrap(form21text::kBadData, form21text::kTitle, [&] {
    form21text::forEachTerm([&](const form21text::MoonTerm& term) {
      if (Check1[term.index].Value() == 1) amplitudes[term.index] = CDbl(Text1[term.index].Text());
    });
  });
  if (!read) return;
  form21text::forEachTerm([&](const form21text::MoonTerm& term) {
    Main.MoonPerturbationCoefficients[term.index] = amplitudes[term.index];
  });
}

void Form21::Command2_Click() { Unload(); }
