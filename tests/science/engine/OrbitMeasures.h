#pragma once
// Orbit measures computed by the tests themselves from the integrated
// state, independent of the run's own tracking: the eccentricity
// (Laplace-Runge-Lenz) vector of a body relative to the Sun, its angle in
// the orbit plane, and a least-squares slope.
// Reference: Goldstein, Classical Mechanics, 3rd ed., §3.9.
#include <cmath>
#include <vector>

#include "core/state/SharedState.h"
#include "science/engine/Interaction.h"

namespace orbit {

struct Vector {
  double x, y, z;
};
inline Vector cross(const Vector& a, const Vector& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double dot(const Vector& a, const Vector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline double length(const Vector& a) { return std::sqrt(dot(a, a)); }

// Position and velocity of `body` relative to `centre` in the state vector.
inline void relativeState(int body, int centre, Vector& r, Vector& v) {
  auto s = [](int c, int b) { return Main.StateVector[nbody::coordinateIndex(c, b)]; };
  auto u = [](int c, int b) { return Main.StateVector[nbody::kVelocityOffset + nbody::coordinateIndex(c, b)]; };
  r = {s(0, body) - s(0, centre), s(1, body) - s(1, centre), s(2, body) - s(2, centre)};
  v = {u(0, body) - u(0, centre), u(1, body) - u(1, centre), u(2, body) - u(2, centre)};
}

// e = v × h / mu − r / |r|, with h = r × v.
inline Vector eccentricityVector(int body, int centre, double mu) {
  Vector r, v;
  relativeState(body, centre, r, v);
  const Vector h = cross(r, v);
  const Vector vh = cross(v, h);
  const double rn = length(r);
  return {vh.x / mu - r.x / rn, vh.y / mu - r.y / rn, vh.z / mu - r.z / rn};
}

inline Vector angularMomentumDirection(int body, int centre) {
  Vector r, v;
  relativeState(body, centre, r, v);
  const Vector h = cross(r, v);
  const double n = length(h);
  return {h.x / n, h.y / n, h.z / n};
}

// Angle (radians) from e0 to e about the orbit normal.
inline double angleInPlane(const Vector& e0, const Vector& e, const Vector& normal) {
  return std::atan2(dot(normal, cross(e0, e)), dot(e0, e));
}

// Slope of the least-squares line through (t, y).
inline double slope(const std::vector<double>& t, const std::vector<double>& y) {
  const double n = static_cast<double>(t.size());
  double st = 0, sy = 0;
  for (std::size_t k = 0; k < t.size(); ++k) {
    st += t[k];
    sy += y[k];
  }
  const double tm = st / n, ym = sy / n;
  double stt = 0, sty = 0;
  for (std::size_t k = 0; k < t.size(); ++k) {
    stt += (t[k] - tm) * (t[k] - tm);
    sty += (t[k] - tm) * (y[k] - ym);
  }
  return sty / stt;
}

constexpr double kArcsecondsPerRadian = 180 / 3.14159265358979323846 * 3600;
constexpr double kSecondsPerCentury = 36525.0 * 86400;

}  // namespace orbit
