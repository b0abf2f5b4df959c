#pragma once
// The plan file "\Plan" & N & "\CelvanPlan" & N & ".dat" that the
// optimisation window Form15 and the weights window Form19 read and write:
// the zero levels, intervals and optima of the seven factors and the weights
// of the shifts in the criterion.
//
// Layout (Windows-1251, CR LF):
//   1       title "Уровни варьирования плана № " & N
//   2       "Orto" or "Roto", " - для  ", k, "  факторов "
//   3..9    factor i = 1..7: Fix(MK·X0), Fix(MK·dX), Fix(MK·Xopt),
//           Fix(MK·XoptNatural), four whole numbers separated by blanks
//   10      "весовые коэффициенты смещений параметров орбит планет"
//   11..20  planet p = 1..10: its six weights in per cent, unscaled, with a
//           decimal point
// Lines 1, 2 and 10 are read whole and kept, never interpreted.
#include <array>
#include <string>

// "\Plan" & N & "\CelvanPlan" & N & ".dat", N without blanks.
std::string planFileName(int plan);

// The title of the weights, line 10.
inline constexpr const char* kPlanWeightsTitle = "весовые коэффициенты смещений параметров орбит планет";

// The four numbers of factors 1..7 as a plan file holds them (unscaled).
struct PlanFactorRows {
  std::array<double, 8> zeroLevels{}, intervals{}, xopt{}, xoptNatural{};
};
// The factor rows of the plan file read or written last, as they were then
// (Stat.PlanFileZeroLevels ...): what the weights window writes back with
// the weights, whatever the plan arrays hold since (a test criterion, a fit
// or a plan run rewrite them); the plan arrays when no plan file was read
// or written yet.
PlanFactorRows lastPlanFileFactorRows();
// The factor rows as the plan arrays hold them now.
PlanFactorRows planArraysAsFactorRows();

// readPlanFile: the whole plan file open on file.
// Writes:   Stat.PlanFileTitle, PlanFileKindLine, PlanFileWeightsTitle (lines
//           1, 2, 10); Stat.ZeroLevels, VariationIntervals, Xopt, XoptNatural
//           of factors 1..7 (each number / MK); Stat.ShiftWeights(1..10, 1..6);
//           the rows kept as the last plan file's
// Notes:    A short or malformed file raises the run-time error of list input
//           at the faulty item; what was read before stays.
void readPlanFile(int file);

// loadPlanFile: plan file N read whole, as both plan windows load it.
// Given:    the plan number as typed; the title of the window's messages
// Writes:   Main.PlanNumber = N; what readPlanFile writes
// Returns:  true when the file was read whole; false after the message: "Задайте
//           правильно данные" for a number that is no number, "Не могу найти
//           файл \PlanN\CelvanPlanN.dat", "Ошибка при чтении данных из файла
//           \PlanN\CelvanPlanN.dat" (what was read stays)
bool loadPlanFile(const std::string& typedNumber, const std::string& title);

// writePlanFile: the whole plan file into file, open for output.
// Given:    the three text lines 1, 2 and 10; the factor rows
// Reads:    Stat.ShiftWeights(1..10, 1..6), Main.MK
// Writes:   the rows kept as the last plan file's
void writePlanFile(int file, const std::string& title, const std::string& kindLine,
                   const std::string& weightsTitle, const PlanFactorRows& rows);

// planetWeightsLine: the listing line of planet p's weights: "планета  ", p,
// eleven blanks, then its six weights in the default number text joined by
// four blanks.
std::string planetWeightsLine(int p);
