#pragma once
// The texts of Form22: the planets' blocks with their headlines, titles in
// the coefficient file and default perturbers, and the sines beside the
// coefficient boxes of the first and the second perturber.
#include <array>

namespace form22text {

struct PlanetBlock {
  const char* headline;
  const char* fileTitle;
  const char* firstPerturber;
  const char* secondPerturber;
};

// Mercury, Venus, the Earth and Mars (planet q = 1..4).
inline constexpr std::array<PlanetBlock, 4> kPlanets{{
    {"значения коэффициентов (возмущений) для Меркурия от планет 21 =", "Меркурий", "2", "5"},
    {"значения коэффициентов (возмущений) для Венеры от планет 21 =", "Венера", "3", "5"},
    {"значения коэффициентов (возмущений) для Земли от планет 21 =", "Земля", "2", "5"},
    {"значения коэффициентов (возмущений) для Марса от планет 21 =", "Марс", "3", "5"},
}};

// Terms 1..8, by the first and by the second perturber.
inline constexpr std::array<std::array<const char*, 8>, 2> kSines{{
    {"* sin ( L - 2 D1 )", "* sin ( 2 D1 )", "* sin ( D1 )", " * sin(L1)", " *sin (2D1 - 2L)",
     " *sin (2D1-L-L1)", " *sin(2*D1+L)", " *sin(L1-2D)"},
    {"* sin ( L - 2 D2 )", "* sin ( 2 D2 )", "* sin ( D2 )", " * sin(L2)", " *sin (2D2 - 2L)",
     " *sin (2D2-L-L2)", " *sin(2*D2+L)", " *sin(L2-2D)"},
}};

inline constexpr const char* kTitle = "Celvan7";
inline constexpr const char* kBadData = "Введите правильно данные";

}  // namespace form22text
