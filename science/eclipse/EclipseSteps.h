#pragma once
// Steps of the eclipse run that turn geometric positions into apparent,
// topocentric and horizontal places, and the periodic perturbation of a
// planet's longitude. Plain procedures without a window: they act on the
// shared per-object tables of Main (X, Y, Z, VX.., LonL, LatB, ...) and the
// eclipse window calls them in the order of its chain of corrections. None
// has an error trap: a run-time error (an index outside the tables, a
// floating-point fault) reaches the run step's trap.
#include <cstdint>

#include "core/state/Tables.h"

// Azimuth and altitude of each object slot 0..38 in degrees, written by
// HorizontalPlace into the tables its caller keeps (the eclipse window's).
// Azimuth in -180..180: 0 towards the south, +90 the west, -90 the east, 180
// the north; altitude above the horizon.
struct HorizonPlaces {
  Table1<double, 38> HorizonAzimuth;
  Table1<double, 38> HorizonAltitude;
};

// --- Apparent place of the Sun and of the followed body ---
void SourceLightTime();     // SourceLightTime.cpp: "+Аберр. источн."
void ObserverAberration();  // ObserverAberration.cpp: "+Аберр. приемн."
void ApparentNutation();    // ApparentNutation.cpp: "+Нутация"

// --- Observer on the Earth ---
void TopocentricPlace();            // TopocentricPlace.cpp: "ТОПО ЭКВ"
void HorizontalPlace(int16_t k, HorizonPlaces& places);  // HorizontalPlace.cpp: "ТОПО ГОР"

// --- Periodic perturbations of a planet's longitude by two others ---
void PlanetLongitudePerturbation();  // PlanetLongitudePerturbation.cpp
