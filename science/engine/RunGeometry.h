#pragma once
// Small shared helpers of the run: angles kept within one turn, the present
// geometry of pairs, the angular momentum, the planets' mutual potential
// energy and the mass moments of the included bodies. They act on the
// shared per-body tables (X, Y, Z, VX, VY, VZ; metres, m/s) as the run
// leaves them.

// An angle above 360 degrees brought down by one turn; a negative angle
// brought up by one turn.
inline double belowFullTurn(double degrees) { return degrees > 360 ? degrees - 360 : degrees; }
inline double notNegative(double degrees) { return degrees < 0 ? degrees + 360 : degrees; }

// PairDX/DY/DZ(i, k) = position of k minus position of i, PairDistanceXY
// and PairDistance of the pair, from the present positions.
void measurePresentPair(int i, int k);

// Z component of the angular momentum, kg·m²/s, of the included bodies
// first..last about the slot `centre` (positions and velocities relative to
// it); the position differences are left in PairDX/DY/DZ(centre, body).
double angularMomentumAbout(int centre, int first, int last);

// Mutual potential energy of the planets 1..last (the Sun left out), J, a
// negative number; every ordered pair is met, hence the half of each. Their
// pair geometry is left in the pair tables.
double planetPairPotential(int last);

// Slot 16 of X, Y, Z := Σ m·position, slot 17 := Σ m·velocity of the
// included bodies 0..last (kg·m, kg·m/s).
void sumMassMoments(int last);

// Slot 14 := the centre of mass (position and velocity) from the moments in
// slots 16 and 17 and SystemMass.
void centreOfMassFromMoments();
