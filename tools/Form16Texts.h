#pragma once
// The fixed texts of Form16: messages and titles, the heads of its time
// lines and the headers of its two report files.
namespace form16text {

inline constexpr const char* kTitle = "Celvan7.0";
inline constexpr const char* kDateTitle = "Celvan7";
inline constexpr const char* kChooseTable = "Выберете имитатор";
inline constexpr const char* kChooseTheory = "Выберете теорию";
inline constexpr const char* kNoEarth = "Землю не наблюдали";
inline constexpr const char* kBadData =
    "Введите правильно данные\n(целая часть числа отделяется запятой)";
inline constexpr const char* kBadDate = "Введите правильно дату";
inline constexpr const char* kRunError = "Ошибка решения уравнений";

inline constexpr const char* kLocalTimeUt = "LTut  =";
inline constexpr const char* kLocalTimeEt2 = "LTet2=";
inline constexpr const char* kLocalDateEt2 = "DMY= ";
inline constexpr const char* kGreenwichEt2 = "UTet2=";

inline constexpr const char* kEquinoxFile = "\\Dat\\TimeYer_data.txt";
inline constexpr const char* kContactFile = "\\Dat\\Param_data.txt";

inline constexpr const char* kDaysFromEra = "день от 1.1.1 г. н.э.";
inline constexpr const char* kDaysFromNabonassar = "день от 26.2.746 г. до н.э.";

inline constexpr const char* kTableFileNotFound = "Не найден файл";
inline constexpr const char* kTableFailed = "Ошибка вычислений в таблицах";

}  // namespace form16text
