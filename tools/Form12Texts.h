#pragma once
// The messages and title of Form12's error traps and the heads of its time
// boxes.
namespace form12text {

inline constexpr const char* kBadData = "Введите правильно данные";
inline constexpr const char* kBadDate = "Введите правильно дату";
inline constexpr const char* kBadJulianDay = "Введите правильно юлианскую дату";
inline constexpr const char* kBadSourceCoordinates = "Введите правильно исходные координаты";
inline constexpr const char* kBadDayStep = "Введите правильно к-во дней";
inline constexpr const char* kTitle = "Celvan7.0";
inline constexpr const char* kHorizonOnlyTopocentric =
    "ГОРизонтальные координаты\nзадаются только ТОПОцентрические";
inline constexpr const char* kHorizonConversionOnlyTopocentric =
    "Преобразование в ГОРизонтальные координаты\nпроизводится только в ТОПОцентрические";

inline constexpr const char* kLocalMeanTimeHead = "LTut  =";
inline constexpr const char* kZoneTimeHead = "LT =";

}  // namespace form12text
