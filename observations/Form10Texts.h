#pragma once
// Captions and messages of the observation window.
namespace form10text {

inline constexpr const char* kCaption = "Обработка первичных данных наблюдений    Celvan7m - форма 10";

// Message titles.
inline constexpr const char* kTitle = "Celvan7";          // dates and files
inline constexpr const char* kRunTitle = "Celvan7.0";     // inputs, reduction, statistics
inline constexpr const char* kReopenTitle = "Celvan7m";   // "Надо открыть файл снова"

inline constexpr const char* kBadDate = "Введите правильно дату";
inline constexpr const char* kBadData = "Введите правильно данные";
inline constexpr const char* kFileNotFound = "Не найден файл";
inline constexpr const char* kChooseTable = "Выберете имитатор";
inline constexpr const char* kChooseObservatory = "Выберете обсерваторию";
inline constexpr const char* kEarthNotObserved = "Землю не наблюдали";
inline constexpr const char* kOpenFileAgain = "Надо открыть файл снова";
inline constexpr const char* kReductionFailed = "Ошибка решения уравнений";
inline constexpr const char* kBadScale = "Введите правильно масштаб";
inline constexpr const char* kNoPerturbationSeries =
    "Периодические возмущения долготы (+dLp) заданы только для планет № 1 - 4";
inline constexpr const char* kKeptCopyIsSource =
    "Номер файла отобранных записей совпадает с читаемым файлом наблюдений; задайте другой номер:";
inline constexpr const char* kNoAcceptedEpochs =
    "Нет принятых наблюдений: файл статистики не записан";
inline constexpr const char* kTableNotFound = "Не найдена таблица";
inline constexpr const char* kTableTitle = "Celvan6";
inline constexpr const char* kTableFailed = "Ошибка вычислений в таблицах";
inline constexpr const char* kSkippedLinesHead =
    "Пропущено строк в файле наблюдений (пустых, коротких или с неизвестным месяцем): ";

// Header lines of the report files.
inline constexpr const char* kPlanetHead = "планета  № ";
inline constexpr const char* kObservatoryHead = "   обсерватория ";
inline constexpr const char* kRejectedHead1 = "дата наблюдения и ";
inline constexpr const char* kRejectedHead2 = "отклонения по долготе (сек) широте (сек) и расстоянию (тыс.км.)";
inline constexpr const char* kTraceHead = "долгота и широта - юлианская дата наблюдения и операция, ";
inline constexpr const char* kObservedTraceLabel = "  GEO EQU (GEO ECL) Nabl      ";

}  // namespace form10text
