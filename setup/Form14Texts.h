#pragma once
// The messages and title of Form14's error traps.
namespace form14text {

inline constexpr const char* kBadData = "Введите правильно данные";
inline constexpr const char* kComputeError = "Ошибка при расчете координат";
inline constexpr const char* kDrawError = "Ошибка при рисовании";
inline constexpr const char* kTitle = "Celvan7.0";

}  // namespace form14text
