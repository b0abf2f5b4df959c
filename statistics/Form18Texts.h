#pragma once
// Messages of the plan designer Form18, all shown under one title with an OK
// button, and the name of the model window's test-plan result file.
#include <string>

namespace form18text {

inline constexpr const char* kTitle = "Celvan7m";

// Plan creation
inline constexpr const char* kFactorCount = "К-во факторов должно быть от 2 до 6";
inline constexpr const char* kFactorOrder = "Факторы должны быть отмечены по порядку";
inline constexpr const char* kPlanError = "Ошибка при составление плана";

// Experiments and criterion
inline constexpr const char* kBadLevels = "Введите правильно нулевые уровни и интервалы";
inline constexpr const char* kDivisionInRun = "Деление на ноль в эксперименте  ";
inline constexpr const char* kFileMissing = "Не могу найти файл";
inline constexpr const char* kFileUnreadable = "Ошибка чтения данных из файла";
inline constexpr const char* kFileCounts = "Не верное количество факторов или экспериментов в файле";
inline constexpr const char* kCriterionError = "Ошибка при расчетах";

// Regression, graphs, optimum, value at a point
inline constexpr const char* kDPlanFactors = "D план только для 4-х или 5-и факторов";
inline constexpr const char* kRegressionError = "Ошибка при обработке данных";
inline constexpr const char* kGraphsError = "Ошибка при построение графиков";
inline constexpr const char* kOptimumError = "Ошибка при решение системы линейных уравнений\n";
inline constexpr const char* kPointError = "Введите правильно X1...X6 в поля нулевых уровней";

// "\Dat\NabPlan" & k & ".txt": the test-plan result file of a k-factor plan,
// as the program names it in its messages and below its folder.
inline std::string testPlanResultFileName(int factors) {
  return "\\Dat\\NabPlan" + std::to_string(factors) + ".txt";
}

// A message about a file: the text, a line break and the file's name.
inline std::string fileMessage(const char* text, const std::string& fileName) {
  return std::string(text) + "\n" + fileName;
}

}  // namespace form18text
