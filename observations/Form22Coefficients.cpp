// Form22's handlers: the load (zeroed boxes, file 1, applied), the boxes
// applied by "Задать значения коэффициентов (возмущений)", the exchange
// between the boxes and the shared table, and closing the window.
#include <array>

#include "core/runtime/ErrorTrap.h"
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "observations/Form22.h"
#include "observations/Form22Texts.h"

void Form22::Form_Load() {
  for (int p = 1; p <= 2; ++p)
    for (int q = 1; q <= 4; ++q)
      for (int t = 1; t <= 8; ++t) coefficientBox(p, q, t).setText("0");
  Command3_Click();
  Command1_Click();
}

// The perturbers are read before the coefficients and stored after them,
// so that any box without a number leaves every shared value as it was.
void Form22::Command1_Click() {
  withErrorTrap(form22text::kBadData, form22text::kTitle, [this] {
    std::array<std::array<int32_t, 4>, 2> perturbers{};
    for (int p = 1; p <= 2; ++p)
      for (int q = 1; q <= 4; ++q) perturbers[p - 1][q - 1] = CLng(perturberBox(p, q).Text());
    ReadPlanetCoefficientBoxes();
    for (int q = 1; q <= 4; ++q) {
      Main.PerturberFirst[q] = perturbers[0][q - 1];
      Main.PerturberSecond[q] = perturbers[1][q - 1];
    }
  });
}

void Form22::ReadPlanetCoefficientBoxes() {
  auto coefficients = Main.PlanetPerturbationCoefficients;
  for (int p = 1; p <= 2; ++p)
    for (int q = 1; q <= 4; ++q)
      for (int t = 1; t <= 8; ++t) coefficients(p, 10 * q + t) = CDbl(coefficientBox(p, q, t).Text());
  Main.PlanetPerturbationCoefficients = coefficients;
}

void Form22::ShowPlanetCoefficients() {
  for (int p = 1; p <= 2; ++p)
    for (int q = 1; q <= 4; ++q)
      for (int t = 1; t <= 8; ++t) coefficientBox(p, q, t).setText(Str(Main.PlanetPerturbationCoefficients(p, 10 * q + t)));
}

void Form22::Command2_Click() { Unload(); }
