#pragma once
// The messages and title of Form12's error traps and the heads of its time
// boxes.
namespace form12text {

inline constexpr const char* kBadData = "Введите правильно данные";
inline constexpr const char* kBadDate = "Введите правильно дату";
inline constexpr const char* kBadJulianDay = "Введите правильно юлианскую дату";
inline constexpr const char* kTitle = "Celvan7.0";

inline constexpr const char* kLocalMeanTimeHead = "LTut  =";
inline constexpr const char* kZoneTimeHead = "LT =";

}  // namespace form12text
