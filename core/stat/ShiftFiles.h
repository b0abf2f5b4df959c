#pragma once
// The secular-shift files that the optimisation window and the weights
// window read (the statistics window writes them).
//
// Model shift file "\Plan" & P & "\Celvan" & b & "Ras.dat" (one plan, one
// body): line 1 a title, line 2 the number N of experiment rows, line 3 the
// column titles, then per experiment e = 1..N the row e, Fix(MK·shift) for
// s = 1..6. Observed shift file F & "\CelvanNab.dat" (F "\NEW", "\JPL",
// "\Ser"): a title, the column titles, then the rows of bodies 1..11 in the
// same layout. Shifts s: 1 perihelion, 2 node, 3 inclination (arc seconds
// per century), 4 eccentricity (millionths per century), 5 semi-major axis
// (km per century), 6 angular velocity. Rows are taken by their position;
// the number at a row's start is read and not used.
#include <array>
#include <string>

inline constexpr int kShiftCount = 6;

// The six shifts of a row, index 1..6 (slot 0 unused), in file units / MK.
using ShiftRow = std::array<double, kShiftCount + 1>;

// "\Plan" & P & "\Celvan" & b & "Ras.dat", P and b without blanks.
std::string modelShiftFileName(int plan, int body);
// folder & "\CelvanNab.dat".
std::string observedShiftFileName(const std::string& folder);

// readShiftRow: one row of either file.
// Returns:  the six shifts, each divided by MK; number = the row's own number
// Notes:    a short or malformed row raises the run-time error of list input.
ShiftRow readShiftRow(int file, double& number);
// writeShiftRow: the row number and Fix(MK × shift) of s = 1..6, separated
// by blanks, then CR LF.
void writeShiftRow(int file, int number, const ShiftRow& shifts);
