#pragma once
// Texts of Form7 that several of its handlers share: the messages and their
// title, the names of the objects and the note printed into the picture.
#include <array>

namespace form7text {

inline constexpr const char* kTitle = "Celvan7";
inline constexpr const char* kBadData = "Введите правильно данные или увеличьте MF или MV";
inline constexpr const char* kTwoObjects = "Должно быть отмечено только 2 объекта";

// Captions of the object check boxes, index = object.
inline constexpr std::array<const char*, 10> kObjectNames{
    "Солнце", "Меркурий", "Венера", "Земля", "Марс", "Юпитер", "Сатурн", "Уран", "Нептун", "Плутон"};

// The note of the window, printed into the picture at its load: each line at
// its print position (picture units).
struct NoteLine {
  double x, y;
  const char* text;
};
inline constexpr std::array<NoteLine, 8> kNote{{
    {-8, 10, "при учете давления гравитации используется формула Зорвен1 "},
    {-9, 9, "если координаты и скорости для теста берутся с формы2, то они "},
    {-9, 8, "берутся такими как они были при 4-ом обращении метода Рунге-Кутта"},
    {-8, 7, "к системе дифференциальных уравнений Diffur на форме 2"},
    {-9, 6, "при этом ускорения скоростей dVi и dVk берутся как на форме2"},
    {-9, 5, "так и на этой форме7 с предыдущего шага решения на форме 2"},
    {-9, -8, "скорости dVi и dVk это проекции векторов скорости i-го и k-го тел на вектор"},
    {-9, -9, "скорости гравитации при ее распространении от следа i-го тела к k-у телу"},
}};

}  // namespace form7text
