#pragma once
// Texts of Form6 that several of its handlers share: captions of the option
// arrays, messages and the titles of the message boxes.
#include <array>
#include <string>

#include "core/runtime/NumberText.h"

namespace form6text {

inline constexpr const char* kCrLf = "\r\n";

// Captions of Option3(1..11), index = body number.
inline constexpr std::array<const char*, 12> kPlanetNames{
    "",       "Меркурий", "Венера", "Земля",  "Марс",  "Юпитер",
    "Сатурн", "Уран",     "Нептун", "Плутон", "Ксена", "Луна"};
// Captions of Option4(1..8).
inline constexpr std::array<const char*, 9> kParameterNames{"",    "AlfaP", "AlfaU",  "Betta", "Eks",
                                                            "Rsr", "W*",    "AlfaL0", "Ves"};

// A number cut (not rounded) to six decimals, as the printed result lines
// and the boxes of the search show it.
inline std::string sixDecimals(double value) { return Str(truncateDecimals(value, 6)); }

inline constexpr const char* kTitle = "Celvan7";
inline constexpr const char* kFitTitle = "Celvan7mm";

inline constexpr const char* kBadData = "Задайте правильно данные";
inline constexpr const char* kCannotFindFile = "Не могу найти файл";
inline constexpr const char* kReadError = "Ошибка чтения данных из файла";
inline constexpr const char* kWriteError = "Ошибка записи данных в файл";
inline constexpr const char* kNoSample = "У Вас не загружены первичные данные";
inline constexpr const char* kCalculationError = "Ошибка вычислений";
inline constexpr const char* kCannotFindPoint = "Не могу найти эту точку";
inline constexpr const char* kBitmapError = "Ошибка записи файла";
inline constexpr const char* kFitError = "Ошибка при обработке данных или маленькие масштабы";
inline constexpr const char* kNoShiftFileRead = "У Вас не были загружены данные из файла";

// The batch "все из плана": the experiments whose series could not be
// loaded, their shifts left empty, and their count at the end.
inline std::string missingSeries(const std::string& experiments, const std::string& count) {
  return std::string("Не удалось загрузить данные экспериментов № ") + experiments + kCrLf +
         "Их смещения не рассчитаны и в файле оставлены пустыми (0)." + kCrLf +
         "Всего пропущено экспериментов: " + count;
}

// "Изменить смещение в файле" when the file chosen now is not the one that
// "Смещение в файле =" read.
inline std::string otherShiftFileChosen(const std::string& read, const std::string& chosen) {
  return std::string("В памяти смещения из файла ") + read + kCrLf + "а выбран файл " + chosen +
         kCrLf + "Загрузите его кнопкой \"Смещение в файле =\" или верните прежний выбор";
}

inline std::string largePictureQuestion() {
  return std::string("Вы действительно хотите") + kCrLf + "такой большой график." + kCrLf +
         "Если Да, то придется подождать";
}

// A picture beyond what memory can hold, whatever the user answered.
inline constexpr const char* kPictureTooLarge = "Такой большой график не поместится в памяти";

inline std::string tooManyRecords(const std::string& count) {
  return "У Вас в файле " + count + " записей. Это больше допустимых" + kCrLf +
         "32000 записей. Надо переделать эксперимент увеличив NC0" + kCrLf +
         "т.е. количество шагов для вывода данных в файл";
}

// The refusal of "Удалить точку №" and "Добавить в файл точку от" when the
// load changed the stored fields; firstLine names the operation.
inline std::string editRefusal(const std::string& firstLine) {
  return firstLine + kCrLf + "          не был отмечен параметр AlfaL0" + kCrLf +
         "         а для Луны еще и AlfaP или AlfaU" + kCrLf + "     или W* и один из чекбоксов dP11 или dU11";
}
inline constexpr const char* kDeleteRefusal = "УДАЛИТЬ ТОЧКУ можно только если при загрузке";
inline constexpr const char* kAddRefusal = "ДОБАВИТЬ ТОЧКУ можно только если при загрузке";

inline std::string sameDateQuestion(const std::string& point) {
  return "Точка № " + point + " с такой датой уже есть" + kCrLf + "Заменить отмеченный параметр в этой точке?" +
         kCrLf;
}

inline std::string tooFewGroups(const std::string& least) {
  return std::string("Первичные данные должны быть") + kCrLf + "разбиты минимум на " + least + " группы";
}

}  // namespace form6text
