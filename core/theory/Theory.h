#pragma once
// Masses, mean-element theories, elements to position and velocity, the
// low-precision Moon and the two-body right-hand side: procedures of the
// shared module Main. They take their inputs from the shared state and leave
// their results there (Main.CurrentObject is their implicit argument, Main.JD
// their date); each file's header says which shared variables it reads and
// writes. None has an error trap: a run-time error reaches the caller's trap.

// --- Fractions of a number (Fractions.cpp) ---
// FractionPositive: the fractional part in [0, 1), stored back into x.
double FractionPositive(double& x);
// The same for a value that is not a variable (an expression): nothing is
// stored back.
inline double FractionPositive(double&& x) { return FractionPositive(x); }
// FractionSigned: x - Fix(x), with the sign of x; x stays as it is.
double FractionSigned(double x);

// --- Mass tables (SetMasses.cpp) ---
void SetMassesNew0();
void SetMassesDE405();
void SetMassesSer0();

// --- Mean elements of one body, Main.CurrentObject, at Main.JD ---
void SetElementsNew0();              // SetElementsNew0.cpp: equinox of the date, 1900 epoch
void SetElementsJPL0();              // SetElementsJPL0.cpp: J2000
void SetElementsSer0();              // SetElementsSer0.cpp: J2000
void SetElementsSer0EarthVariant();  // SetElementsSer0.cpp: J2000, another Earth
void ReduceMoonElementsToJ2000();    // ReduceMoonElementsToJ2000.cpp

// --- Elements to position and velocity of Main.CurrentObject ---
void PositionFromElements();  // PositionFromElements.cpp
void VelocityFromElements();  // VelocityFromElements.cpp

// --- The Moon ---
// t: Julian centuries (ephemeris time) from J2000.
void MoonElementsFromLowPrecisionTheory(double t);  // MoonElementsFromLowPrecisionTheory.cpp
void MoonPerturbationsDLDB();                       // MoonPerturbationsDLDB.cpp

// --- Right-hand side of the two-body orbit checks (TwoBodyDerivatives.cpp) ---
void TwoBodyDerivatives();
