#pragma once
// Position and velocity of one body as a value, read from and written to the
// shared tables: the current tables X..VZ or the start tables X0..VZ0.
#include "core/state/SharedState.h"

struct Vector3 {
  double x, y, z;
};

inline Vector3 operator+(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vector3 operator*(double k, Vector3 a) { return {k * a.x, k * a.y, k * a.z}; }
inline Vector3 operator/(Vector3 a, double k) { return {a.x / k, a.y / k, a.z / k}; }

struct BodyState {
  Vector3 position;  // m
  Vector3 velocity;  // m/s
};

inline BodyState operator+(const BodyState& a, const BodyState& b) {
  return {a.position + b.position, a.velocity + b.velocity};
}

// X, Y, Z of object i.
inline Vector3 currentPosition(int i) { return {Main.X[i], Main.Y[i], Main.Z[i]}; }

inline void setCurrentPosition(int i, Vector3 p) {
  Main.X[i] = p.x;
  Main.Y[i] = p.y;
  Main.Z[i] = p.z;
}

// X, Y, Z of object `from` into object `to`.
inline void copyPosition(int from, int to) { setCurrentPosition(to, currentPosition(from)); }

// X, Y, Z, VX, VY, VZ of object i.
inline BodyState currentState(int i) {
  return {{Main.X[i], Main.Y[i], Main.Z[i]}, {Main.VX[i], Main.VY[i], Main.VZ[i]}};
}

inline void setCurrentState(int i, const BodyState& s) {
  Main.X[i] = s.position.x;
  Main.Y[i] = s.position.y;
  Main.Z[i] = s.position.z;
  Main.VX[i] = s.velocity.x;
  Main.VY[i] = s.velocity.y;
  Main.VZ[i] = s.velocity.z;
}

// X0, Y0, Z0, VX0, VY0, VZ0 of object i.
inline BodyState startState(int i) {
  return {{Main.X0[i], Main.Y0[i], Main.Z0[i]}, {Main.VX0[i], Main.VY0[i], Main.VZ0[i]}};
}

inline void setStartState(int i, const BodyState& s) {
  Main.X0[i] = s.position.x;
  Main.Y0[i] = s.position.y;
  Main.Z0[i] = s.position.z;
  Main.VX0[i] = s.velocity.x;
  Main.VY0[i] = s.velocity.y;
  Main.VZ0[i] = s.velocity.z;
}
