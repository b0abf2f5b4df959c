#pragma once
// Coordinate rotations, precession, nutation and refraction: procedures of the
// shared module Main. They act on the shared per-object coordinates
// Main.X, Main.Y, Main.Z (and Main.VX.. for velocities) of the object they
// are given, or of Main.CurrentObject where they take no index; the rotations
// keep the unit of what they rotate. Angles given and returned in degrees
// unless said; time arguments in Julian centuries from J2000. None has an
// error trap: a run-time error reaches the caller's trap.
#include <cstdint>

// --- Relative and spherical positions ---
// RelativeEclipticPosition.cpp
void RelativeEclipticPosition(int16_t from, int16_t to);
// SphericalToRectangular.cpp
void SphericalToRectangular(int16_t index, double longitude, double latitude, double radius);

// --- Equator and ecliptic of the date (EclipticRotations.cpp) ---
void EquatorialToEcliptic(double t);
void EclipticToEquatorial(double t);

// --- Precession through the shared Main.PrecessionMatrix ---
void PrecessEclipticCoordinates(double t0, double t);        // PrecessEclipticCoordinates.cpp
void BuildEquatorialPrecessionMatrix(double t0, double t);   // BuildEquatorialPrecessionMatrix.cpp
void PrecessPosition();                                      // PrecessPosition.cpp
void PrecessVelocity();                                      // PrecessPosition.cpp

// --- Nutation (ApplyNutation.cpp) ---
void ApplyNutation(double t, double& x, double& y, double& z, int16_t mode);

// --- Equator and horizon of the observer (HorizonRotations.cpp) ---
void EquatorialToHorizontal(int16_t index);
void HorizontalToEquatorial(int16_t index);

// --- Refraction (AtmosphericRefraction.cpp) ---
double AtmosphericRefraction(double zenithDistance);
