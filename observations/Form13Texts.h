#pragma once
// Messages and fixed texts of the plan window over observations.
namespace form13text {

inline constexpr const char* kTitle = "Celvan7";

inline constexpr const char* kFactorCount = "К-во факторов должно быть от 2 до 6";
inline constexpr const char* kPlanError = "Ошибка при составление плана";
inline constexpr const char* kBadLoadNumbers = "Введите правильно номер плана и опыта";
inline constexpr const char* kBadWriteNumbers = "Задайте правильно номер плана и опыта";
inline constexpr const char* kTemplateError = "Ошибка при расчете параметров для шаблона";
inline constexpr const char* kChooseSource = "Выберете источник данных";
inline constexpr const char* kChooseObservationSource = "Выберете источник данных наблюдений";
inline constexpr const char* kFileNotFound = "Не могу найти файл";
inline constexpr const char* kReadFailed = "Ошибка чтения данных из файла";
inline constexpr const char* kWriteFailed = "Ошибка при записи данных в файл";
inline constexpr const char* kBadPlanData = "Задайте правильно данные для плана";
inline constexpr const char* kBadData = "Введите правильно данные";
// The export of the optimum: the observed series that cannot be written,
// and the perturbation window that must be open first.
inline constexpr const char* kSeriesWriteFailed = "Ошибка записи данных в файл";
inline constexpr const char* kLoadForm22 = "Загрузите форму 22 (dLp)";

// The plan title after a template.
inline constexpr const char* kTemplateTitle = "шаблон файла данных плана эксперимента";

// The text lines of the plan-experiment file.
inline constexpr const char* kDatesLine = "Начальная дата оптимизации и год окончания";
inline constexpr const char* kLevelsLine = "Нулевые уровни и интервалы варьирования параметров и оптимальные значения";
inline constexpr const char* kVelocityLine = "Скорость Солнечной системы по осям X Y Z и прецессия и вес ";
inline constexpr const char* kRunsLine =
    "№ эксперимента  закодированные уровни и экспериментальное и расчетное значение критерия";
inline constexpr const char* kCoefficientsLine =
    "№ коэффициента и его значение для закодированного уравнения регрессии и экспериментальный критерий без "
    "поправок= ";

}  // namespace form13text
