#pragma once
// The terms of the Moon's periodic inequalities shown on Form21: the slot of
// each term in MoonPerturbationCoefficients, the caption of its check box,
// the sine beside its box, its default amplitude in degrees and whether it
// is ticked when the window loads.
#include <array>

namespace form21text {

struct MoonTerm {
  int index;
  const char* caption;
  const char* sine;
  double amplitude;
  bool ticked;
};

// Longitude terms: slots 1..10 and 25..28.
inline constexpr std::array<MoonTerm, 14> kLongitudeTerms{{
    {1, "1-е главное неравенство (от эллиптичности)", "* sin ( L )", 6.2889, false},
    {2, "2-е главное неравенство (от эллиптичности)", "* sin ( 2 * L )", 0.2136, false},
    {3, "dL3 эвекция (от изменения эксцентриситета)", "* sin ( L - 2 * D )", -1.2739, true},
    {4, "dL4 вариация (от изменения скорости) ", "* sin ( 2 * D )", 0.6583, true},
    {5, "dL5 годичное неравенство (от орбиты Земли)", "* sin ( Ls )", -0.1856, true},
    {6, "dL6 =   (не надо)", "* sin ( 2 * F )", -0.1144, false},
    {7, "dL7 =", "* sin ( D )", -0.0347, true},
    {8, "dL8 =", "* sin ( 2 * D - 2 * L )", 0.0588, true},
    {9, "dL9 =", "* sin ( 2 * D - L - Ls)", 0.0571, true},
    {10, "dL10 =", "* sin ( 2 * D + L )", 0.0533, true},
    {25, "dL21 =", "* sin ( Ls - 2 * D )", -0.0458, true},
    {26, "dL22 =", "* sin ( L - Ls )", 0.0411, true},
    {27, "dL23 =", "* sin ( L + Ls )", -0.0306, true},
    {28, "dL24 =", "* sin ( 2 * F - 2 * D )", -0.0153, true},
}};

// Latitude terms: slots 11..16.
inline constexpr std::array<MoonTerm, 6> kLatitudeTerms{{
    {11, "dB11 =  (не надо)", "* sin ( L + F )", 0.2806, false},
    {12, "dB12 =  (не надо)", "* sin ( L - F )", 0.2777, false},
    {13, "dB13 вариация по широте =", "* sin ( 2 * D - F )", 0.1732, true},
    {14, "dB14 =", "* sin ( 2* D - L + F )", 0.0554, true},
    {15, "dB15 =", "* sin ( 2* D - L - F )", 0.0462, true},
    {16, "dB16 =", "* sin ( 2* D + F )", 0.0326, true},
}};

// Calls visit(term) for the twenty terms in slot order.
template <class Visit>
void forEachTerm(Visit visit) {
  for (int i = 0; i < 10; ++i) visit(kLongitudeTerms[i]);
  for (const MoonTerm& term : kLatitudeTerms) visit(term);
  for (int i = 10; i < 14; ++i) visit(kLongitudeTerms[i]);
}

inline constexpr const char* kTitle = "Celvan7";
inline constexpr const char* kBadData = "Введите правильно данные";
inline constexpr const char* kLoadFailed = "Введите правильно номер объекта на форме 10";

}  // namespace form21text
