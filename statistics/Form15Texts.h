#pragma once
// Texts of Form15 that several of its handlers share: captions of the
// planets and orbit parameters, messages and the titles of the boxes.
#include <array>
#include <string>

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

// A plan run refused before it starts: the factor, the experiment, what is
// wrong with its value and the boxes that give it.
inline std::string meaninglessFactor(int factor, int experiment, const std::string& value,
                                     const std::string& fault, bool inPlan) {
  const std::string x = "X" + std::to_string(factor);
  return std::string("Фактор ") + kFactorCaptions[factor] + " в эксперименте № " +
         std::to_string(experiment) + " равен " + value + ": " + fault + "\r\n" +
         (inPlan ? "Исправьте нулевой уровень или интервал варьирования " + x
                 : "Исправьте нулевой уровень " + x +
                       " (фактор учитывается, даже если он не отмечен в плане)");
}
inline constexpr const char* kDivisionByZeroMass = "деление на ноль при расчете массы";
inline constexpr const char* kNegativeMass = "масса получается отрицательной";
inline constexpr const char* kNoGravitySpeed = "скорость гравитации должна быть больше нуля";
inline std::string fasterThanLight(int experiment, const std::string& speed) {
  return std::string("Скорость Солнечной системы (X1, X2, X3) в эксперименте № ") +
         std::to_string(experiment) + " равна " + speed +
         " км/с и не меньше скорости света\r\nИсправьте нулевые уровни или интервалы X1, X2, X3";
}

}  // namespace form15text
