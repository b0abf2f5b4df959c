#pragma once
// The layout of the DE405 ASCII files and the reader's messages, shared by
// the loader and the evaluator.
#include <string>

namespace de405 {

// Twenty-year files: file k starts with the block of day kFileStartJD[k]
// and serves kFileStartJD[k] <= JD < kFileStartJD[k + 1] (Julian Days, TDB).
inline constexpr int kFileCount = 30;
inline constexpr double kFileStartJD[kFileCount + 1] = {
    2305424.5, 2312752.5, 2320048.5, 2327344.5, 2334640.5, 2341968.5,  // 1600..1700
    2349264.5, 2356560.5, 2363856.5, 2371184.5, 2378480.5, 2385776.5,  // 1720..1820
    2393104.5, 2400400.5, 2407696.5, 2414992.5, 2422320.5, 2429616.5,  // 1840..1940
    2436912.5, 2444208.5, 2451536.5, 2458832.5, 2466128.5, 2473456.5,  // 1960..2060
    2480752.5, 2488048.5, 2495344.5, 2502672.5, 2509968.5, 2517264.5,  // 2080..2180
    2524592.5,                                                         // end of 2180
};
inline constexpr int kFirstFileYear = 1600;
inline constexpr int kYearsPerFile = 20;

// A block: its number and the count 1018, then 1020 numbers (1018 values
// and two fillers) covering 32 days.
inline constexpr int kValuesPerBlock = 1018;
inline constexpr long kNumbersPerBlock = 1020;
inline constexpr double kBlockDays = 32.0;

// Main.FileState while the reader's file is open.
inline constexpr int kFileOpenState = 10;

inline constexpr const char* kNoSuchDateMessage = "В файлах DE405 нет такой даты";
inline constexpr const char* kLoaderTitle = "Celvan7m";
inline constexpr const char* kReadErrorMessage = "Ошибка чтения файлов JPL";
inline constexpr const char* kEvaluatorTitle = "Celvan7";

}  // namespace de405

// The path of file k (year 1600 + 20 k) below the program folder.
std::string de405FilePath(int k);

// Loads the block that holds `day` as LoadDE405Block does for Main.JD,
// without touching Main.EphemerisJD. Returns false after the reader's
// message when no file covers the day.
bool loadDE405BlockContaining(double day);
