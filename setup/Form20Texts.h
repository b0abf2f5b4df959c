#pragma once
// Messages and titles of the Moon window's message boxes.

namespace form20text {

// "Задать координаты и скорости Луны и Земли" with a box that is no number,
// a zero mass ratio or an eccentricity of 1 or more.
inline constexpr const char* kBadInitialData = "Введите правильно данные";
// "Проверить параметры орбиты Луны" with a box that is no number.
inline constexpr const char* kBadCheckData = "Задайте правильно данные";
// A run-time error inside the check's loop.
inline constexpr const char* kSolveError = "Ошибка решения уравнений";
inline constexpr const char* kBadDate = "Введите правильно дату";
inline constexpr const char* kBadJulianDay = "Введите правильно юлианскую дату";

inline constexpr const char* kTitle7m = "Celvan7m";
inline constexpr const char* kTitle70 = "Celvan7.0";

}  // namespace form20text
