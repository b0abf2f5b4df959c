#pragma once
// The physics of the retardation test bench Form7, on the shared state and
// without a window: a body placed on the circle of its mean distance, the
// starting geometry of the tested pair, the traces (retarded positions) of
// one iteration, the geometry and Newton force of every traced pair, and
// the source velocities with the bench's law of gravity pressure. Form7's
// handlers read their boxes, call these and show what they leave.
//
// Pair tables are indexed (i, k): i the body whose trace attracts, k the
// attracted body; the vector runs from the trace of i to the present
// position of k, and the force parts are those of the force on k, pointing
// from k toward the trace of i. The pair loops run over the objects 0 to
// LastObjectIndex − 1 (0 Sun to 9 Pluto).
//
// Reference: the retarded time of a source in uniform motion,
//   |x_k(t) − x_i(t − T)| = Vgr·T, e.g. Jackson, Classical Electrodynamics,
//   3rd ed., § 14.1; Newton's law of gravitation F = G·m_i·m_k / R².
namespace bench {

// The Newton force of one direction of the pair, N: magnitude and parts.
struct NewtonValues {
  double total = 0, x = 0, y = 0, z = 0;
};

// placeOnMeanCircle: the body on the circle of its mean distance.
// Reads:    JD, Pi (through the Ser0 elements)
// Given:    body 1..9; longitude, radians, counted from the X axis
// Writes:   CurrentObject := body, its Ser0 elements (Rsr, Wsr, Betta, ...),
//           Mass and MassRatio of every object (the Ser0 table),
//           TransverseSpeed := Wsr·Rsr (m/s), X, Y, Z (m) and VX, VY, VZ (m/s)
//           of the body, its AccelerationX/Y/Z := 0
// Notes:    X = R cos L cos β, Y = R sin L cos β, Z = 0 with R = Rsr,
//           β = Betta; the velocity V = Wsr·R is tangent to the circle,
//           counter-clockwise seen from +Z: (−sin L cos β, cos L cos β, sin β)·V,
//           for any longitude typed (also below 0 or beyond 360 degrees).
void placeOnMeanCircle(int body, double longitude);

// placeSunAtRest: object 0 at the origin at rest (X..VZ of object 0 := 0).
void placeSunAtRest();

// addSystemVelocity: adds VXsys, VYsys, VZsys (km/s) × 1000 to VX, VY, VZ
// of the body.
void addSystemVelocity(int body);

// measureStartingPair: the pair between the present positions.
// Reads:    X, Y, Z, Mass, gamma, Vgr, Pi
// Given:    n1, n2: the tested pair
// Writes:   for (n1, n2): PairDX, PairDY, PairDZ (X(n2) − X(n1), m),
//           PairDistanceXY, PairDistance R (m), Force = G·m1·m2/R² (N),
//           PairLatitude = |β|, PairLongitude (π/2, 3π/2 for DY < 0, or
//           |atan(DY/DX)|), ForceX, ForceY, ForceZ = F·|DX|/R, F·|DY|/R,
//           F·|DZ|/R (magnitudes; the drawing takes the signs from the
//           differences); PropagationTime of (n1, n2) and (n2, n1) := R / Vgr
// Notes:    a zero distance or a zero Vgr raises the floating-point flags,
//           which the caller's trap reports.
void measureStartingPair(int n1, int n2);

// setVelocityDirections: AlfaVX := 0 when VX >= 0, else Pi; AlfaVY := Pi/2
// when VY >= 0, else 3 Pi/2; BettaVZ := Pi/2 when VZ >= 0, else −Pi/2; for
// objects 0 .. LastObjectIndex − 1 (radians).
void setVelocityDirections();

// Traces of one body (Xsled, Ysled, Zsled, m):
// traceAtPresentPosition: the present position (no retardation).
void traceAtPresentPosition(int body);
// traceAlongMotion: X − T·VX, and with withAcceleration + T²·AccelerationX/2
// (likewise Y, Z): where the body was T seconds ago moving with its present
// velocity (and acceleration).
void traceAlongMotion(int body, double delay, bool withAcceleration);

// measureTracedPairs: geometry and Newton force of every ordered pair (j, k)
// of distinct objects 0 .. LastObjectIndex − 1, j outer, k inner.
// Reads:    X, Y, Z, Xsled, Ysled, Zsled, Mass, gamma, Vgr, Pi, AlfaVX,
//           AlfaVY, BettaVZ
// Writes:   PairDX.. (X(k) − Xsled(j), m), PairDistanceXY, PairDistance R,
//           PropagationTime := R / Vgr (the delay of the next iteration),
//           Force := G·m(j)·m(k)/R², PairLatitude β (−π/2..π/2), PairLongitude
//           α (0, 2π], ForceX, ForceY, ForceZ := −F·DX/R, −F·DY/R, −F·DZ/R
//           (toward the trace of j), and the angle differences dAlfaVX1,
//           dAlfaVY1 (AlfaVX(j), AlfaVY(j) − α, brought into −π..π),
//           dBettaVZ1 (BettaVZ(j) − β), dAlfaVX2, dAlfaVY2, dBettaVZ2 (the
//           same with the angles of k)
// Notes:    a zero distance (a trace on another body) or a zero Vgr raises
//           the floating-point flags for the caller's trap. A pair along the
//           Z axis (Rxy = 0) has β = ±π/2.
void measureTracedPairs();

// newtonValues: Force, ForceX, ForceY, ForceZ of the pair (i, k).
NewtonValues newtonValues(int i, int k);

// setSourceVelocities: the velocity each source j had when its gravity left
// its trace toward k, for every ordered pair as in measureTracedPairs:
// SourceVelocityX(j, k) := VX(j), less PropagationTime(j, k)·AccelerationX(j)
// when retarded (likewise Y, Z).
void setSourceVelocities(bool retarded);

// applyPressureLaw: the bench's law of gravity pressure on every ordered
// pair as in measureTracedPairs.
// Reads:    SourceVelocityX/Y/Z, VX, VY, VZ, PairDX.., PairDistance, Force,
//           kPgr1, kPgr2, Vgr
// Writes:   dVX1, dVY1, dVZ1 and SourceRadialVelocity Vi (the source's
//           velocity at its trace projected on the unit vector u from the
//           trace of j to k), dVX2, dVY2, dVZ2 and TargetRadialVelocity Vk
//           (k's present velocity on u); Force := F·(1 − k1·Vk/Vgr) /
//           (1 − k2·Vi/Vgr), and its parts −Force·u (a negative factor turns
//           the attraction into a repulsion)
// Notes:    1 − k2·Vi/Vgr = 0 raises the floating-point flags.
void applyPressureLaw();

}  // namespace bench
