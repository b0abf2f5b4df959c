#pragma once
// Texts of Form15 that several of its handlers share: captions of the
// planets and orbit parameters, messages and the titles of the boxes.
#include <array>

namespace form15text {

inline constexpr std::array<const char*, 8> kFactorCaptions{
    "", "X1=VX, км/с", "X2=VY, км/с", "X3=VZ, км/с", "X4=Vgr, Vsv", "X5=kPgr1", "X6=m0/m5", "X7=m0/m2"};
inline constexpr std::array<const char*, 7> kParameterCaptions{
    "", "Перигелию", "Узлу восхождения", "Углу наклона", "Эксцентриситету", "Большой оси эллипса",
    "Угловой скорости"};
inline constexpr std::array<const char*, 11> kPlanetCaptions{
    "", "Меркурий", "Венера", "Земля", "Марс", "Юпитер", "Сатурн", "Уран", "Нептун", "Плутон", "Ксена"};

inline constexpr const char* kTitle7 = "Celvan7";
inline constexpr const char* kTitle7m = "Celvan7m";
inline constexpr const char* kBadData = "Задайте правильно данные";

}  // namespace form15text
