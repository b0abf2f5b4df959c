#pragma once
// Texts of Form1 that several of its handlers share: object names, message
// texts and the titles of the message boxes.
#include <array>
#include <string>

namespace form1text {

// Captions of the object check boxes and option buttons, index = object.
inline constexpr std::array<const char*, 11> kObjectNames{
    "Солнце", "Меркурий", "Венера", "Земля",  "Марс",  "Юпитер",
    "Сатурн", "Уран",     "Нептун", "Плутон", "Ксена"};
// Object 10 when it stands for the Moon.
inline constexpr const char* kMoonName = "Луна";

inline constexpr const char* kBadData = "Задайте правильно данные";
inline constexpr const char* kTitle7 = "Celvan7";
inline constexpr const char* kTitle7m = "Celvan7m";

// "\Dat\Celvan" & N & ".dat": the parameter file N, as the program names it
// in its messages and below its folder.
inline std::string parameterFileName(int number) {
  return "\\Dat\\Celvan" + std::to_string(number) + ".dat";
}

}  // namespace form1text
