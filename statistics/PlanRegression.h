#pragma once
// What the plan windows do alike with a fitted quadratic regression: its
// value at a coded point and at every run of the plan, the printed list of
// its coefficients, and the printed system of the optimum with its reduced
// forms. The window decides where on its picture they stand.
#include <array>
#include <string>

#include "ui/PictureBox.h"

namespace planregression {

// regressionAt: the fitted model at a coded point.
// Reads:    Stat.Nf, Stat.RegressionCoefficients
// Given:    point: coded values of factors 1..Nf (slot 0 unused); run: the
//           slot of Main.Z that takes the value
// Writes:   Main.X(1..Nf), Stat.RunIndex = run, Main.Z(run), Stat.Yopt
// Returns:  the model's value
double regressionAt(const std::array<double, 7>& point, int run);

// evaluateRegressionAtRuns: the model at the coded point of every run.
// Reads:    Stat.RunCount, Stat.PlanMatrix, what regressionAt reads
// Writes:   Stat.CriterionCalc(1..RunCount), what regressionAt writes
// Returns:  the largest of the computed values (-MK when there is no run)
double evaluateRegressionAtRuns();

// printRegressionCoefficients: the heading "Номер коэффициента уравнения
// регрессии и его значение" at (15, below - 0.5), then b0 .. bM (M = 2k +
// k(k-1)/2), one a half unit under the other from (listX, below - 1.5), as
// "b" & i & "  =  " & the value cut to six decimals.
// Reads:    Stat.Nf, Stat.RegressionCoefficients, Main.MK
void printRegressionCoefficients(ui::PictureBox& picture, double listX, double below);

// The heights, relative to the line below the run table, at which the
// reduced systems TextLines(1..5) of the elimination are printed (slot 0
// unused).
using ReducedSystemRows = std::array<double, 6>;

// printOptimumSystem: "Исходная система линейных уравнений и ее решение" at
// (1, below - 0.5); the optimum solved (BuildOptimumSystem), its reduced
// systems at (0, below + rows(line)); the initial system (FormatOptimumSystem)
// at (0, below - 2), after systemLead: the observation plan's window leads
// it with a line break, so that its equations stand below the optimum values
// it prints beside them.
// Reads:    Stat.Nf, Stat.RegressionCoefficients
// Writes:   Main.ScratchText, Main.TextLines, Stat.Xopt(1..Nf) and the
//           solver's work state
// Notes:    a zero pivot raises the solver's RuntimeError after the title
//           has been printed; a floating-point fault raises one as well.
void printOptimumSystem(ui::PictureBox& picture, double below, const ReducedSystemRows& rows,
                        const std::string& systemLead);

}  // namespace planregression
