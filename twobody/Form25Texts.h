#pragma once
// Messages and titles of the message boxes of the two-body window.

namespace form25text {

// "Задать координаты и скорости m1 и m2" with wrong boxes.
inline constexpr const char* kBadInitialData = "Введите правильно данные";
// "Проверить параметры орбиты m1" with wrong boxes; loading with a wrong
// file number.
inline constexpr const char* kBadData = "Задайте правильно данные";
// A run-time error inside the run loop.
inline constexpr const char* kSolveError = "Ошибка решения уравнений";
// "закончить" when the drifts cannot be computed.
inline constexpr const char* kCalculationError = "Ошибка в расчетах";
// The pulsar parameter files.
inline constexpr const char* kGiveFileNumber = "Задайте номер файла";
inline constexpr const char* kCannotFindFile = "Не могу найти файл \\Dat\\Pulsar";
inline constexpr const char* kWriteError = "Ошибка записи в файл \\Dat\\Pulsar";
inline constexpr const char* kReadError = "Ошибка чтения данных из файла \\Dat\\Pulsar";

inline constexpr const char* kTitle7mm = "Celvan7mm";
inline constexpr const char* kTitle7m = "Celvan7m";

}  // namespace form25text
