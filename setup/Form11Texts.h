#pragma once
// The messages and title of Form11.
namespace form11text {

inline constexpr const char* kBadData = "Введите правильно данные ";
inline constexpr const char* kOneTarget = "Должен быть отмечен только 1 объект";
inline constexpr const char* kComputeError = "Ошибка при расчете";
inline constexpr const char* kTitle = "Celvan7";

}  // namespace form11text
