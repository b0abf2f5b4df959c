#pragma once
// The fixed texts of Form17: the captions of the six law items and the
// message of a box that holds no number.
#include <array>

namespace form17text {

inline constexpr std::array<const char*, 6> kLawItems = {
    "задать вручную",
    "ET-UT=24.35+72.32*(T-T0)+29.95*(T-T0)^2  Джонс 1939  T0=1900",
    "ET-UT=31.5*(T-T0)^2   Брескин 1997  T0=1800",
    "ET-UT=31.5*(T-T0)^2   Зорвен 2010  T0= JD0 (для поворота планет)",
    "ET-UT=31.5*(T-T0)^2   Зорвен 2010  T0= JD0 (для вращения Земли)",
    "кусочная аппроксимация от 1700 до 2000 и далее прогноз",
};

inline constexpr const char* kBadData = "Введите правильно данные";
inline constexpr const char* kTitle = "Celvan7.0";

}  // namespace form17text
