#pragma once
// The JPL DE405 ephemeris in its published ASCII form: procedures of the
// shared module Main. Files "\JPL\ascp" & YYYY & ".405" below the program
// folder, twenty years each (YYYY = 1600, 1620, ..., 2180), a sequence of
// 32-day blocks: the block number and 1018, then 1020 numbers (the first and
// last Julian Day of the block, the Chebyshev coefficients of the bodies,
// two fillers), exponents written with D or E. The reader state lives in the
// shared variables Main.DE405*, Main.FileState (10 while the reader's file
// is open) and Main.EphemerisJD (the day evaluated).
#include <cstdint>
#include <string>
#include <vector>

// LoadDE405Block.cpp: opens the file that holds Main.JD and leaves the block
// containing it in Main.DE405Buffer; Main.EphemerisJD = Main.JD.
void LoadDE405Block();
// EvaluateDE405Body.cpp: position and velocity of a program object at
// Main.EphemerisJD from the block in memory (frame 0 equatorial, AU and
// AU/day; frame 1 ecliptic of J2000, m and m/s).
void EvaluateDE405Body(int32_t body, int16_t frame);

// LoadDE405Block.cpp: reads the next block of the open DE405 file into
// Main.DE405Buffer and the block state (for readers that walk on through
// the file, such as the model run's DE405 imitator).
void readDE405Block();
// LoadDE405Block.cpp: closes the reader's DE405 file when one is open
// (Main.FileState = 10) and marks it closed (Main.FileState = 0). Every
// closer of the reader's file goes through it, so that a later close never
// hits a file that has since taken the same number.
void closeDE405File();

// DE405Coverage.cpp: the spans of Julian Days [first, end) that the files in
// the program's JPL folder serve, in order, neighbouring files joined; and
// the user's line that names them (or says that there are none).
struct DE405DaySpan {
  double first, end;
};
std::vector<DE405DaySpan> DE405Coverage();
std::string DE405CoverageText();
