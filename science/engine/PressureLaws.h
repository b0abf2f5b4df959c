#pragma once
// Laws of gravity pressure: how the attraction of a pair changes with the
// motion of its two bodies relative to the speed of gravity Vgr.
//
// A pair (i, k): i the source (the attracting body, acting from its trace
// when gravity is retarded), k the attracted body; u the unit vector from
// the trace of i to k, R the distance along it. The laws read
//   Vi = Vi'·u   the source's velocity when its gravity left, along u,
//   Vk = V(k)·u  the attracted body's present velocity along u,
//   dR/dt = Vk − Vi and d²R/dt², the rates of the distance.
// All but the Л-В law scale the Newtonian magnitude F0 = G·m(i)·m(k)/R^p by
// a factor and keep its direction (−u); a negative factor repels. The Л-В
// law builds the force vector itself (lienardWiechertForce).
//
// Reference: W. Weber's force law (Weber 1846) and P. Gerber's potential
//   V = −G·M/(r·(1 − ṙ/c)²) (Gerber 1898), whose second-order force is
//   F0·(1 − 3ṙ²/c² + 6·r·r̈/c²); the Liénard–Wiechert field of a moving
//   source, e.g. Jackson, Classical Electrodynamics, 3rd ed., § 14.1.
#include <cmath>

namespace nbody {

// kodPgr: 0 none; 2 Weber; 3 Gerber as a series in Ve = Vgr + Vi; 4 Gerber
// in closed form; 5 Л-В (Liénard–Wiechert); 6 Зорвен (speeds along the
// pair); 7 ratio of the relative speeds of gravity and body. 1 (never
// offered) and any other code keep F0 but still compute the kinematics.
// Cost: every law but None evaluates the 110 ordered pairs one by one and
// keeps their kinematics in the shared tables.
enum class PressureLaw { None, Unchanged, Weber, GerberSeries, GerberClosed, LienardWiechert, Zorven, RelativeSpeed };

inline PressureLaw pressureLawOf(int kodPgr) {
  switch (kodPgr) {
    case 0: return PressureLaw::None;
    case 2: return PressureLaw::Weber;
    case 3: return PressureLaw::GerberSeries;
    case 4: return PressureLaw::GerberClosed;
    case 5: return PressureLaw::LienardWiechert;
    case 6: return PressureLaw::Zorven;
    case 7: return PressureLaw::RelativeSpeed;
    default: return PressureLaw::Unchanged;
  }
}

// The coefficients of a law: k1, k2 (kPgr1, kPgr2) and Vgr (m/s).
struct LawCoefficients {
  double k1 = 0;
  double k2 = 0;
  double gravitySpeed = 0;
};

// The motion of one pair that the factor laws read (m, m/s, m/s²).
struct PairMotion {
  double distance = 0;              // R
  double rangeRate = 0;             // dR/dt
  double rangeAcceleration = 0;     // d²R/dt²
  double sourceRadialVelocity = 0;  // Vi
  double targetRadialVelocity = 0;  // Vk
  double sourceSpeed = 0;           // |V(i)|, the source's present speed
  double targetSpeed = 0;           // |V(k)|
};

// F / F0 of a factor law (every law but LienardWiechert and None):
//   Weber          1 − k1·Ṙ²/Vgr² + k2·R·R̈/Vgr²            (k1 0.5, k2 1)
//   GerberSeries   1 − k1·Ṙ²/Ve² + k2·R·R̈/Ve²,  Ve = Vgr + Vi (k1 3, k2 6)
//   GerberClosed   (k1·Ṙ² + Ve² + k2·R·R̈ − 4·Ve·Ṙ)·Ve² / (Ve − Ṙ)⁴
//   Zorven         (1 − k1·Vk/Vgr) / (1 − k2·Vi/Vgr)
//   RelativeSpeed  √(Vgr² + |V(k)|² − 2·Vgr·Vk) / √(Vgr² + |V(i)|² − 2·Vgr·Vi)
//   Unchanged      1
// A zero denominator gives an infinite or undefined factor; the run loop
// reports the floating-point fault.
template <PressureLaw law>
inline double pressureFactor(const PairMotion& m, const LawCoefficients& c) {
  const double vgr = c.gravitySpeed;
  const double dr = m.rangeRate, ddr = m.rangeAcceleration, r = m.distance;
  if constexpr (law == PressureLaw::Weber) {
    const double perSpeedSquared = 1 / (vgr * vgr);
    return 1 - c.k1 * dr * dr * perSpeedSquared + c.k2 * r * ddr * perSpeedSquared;
  }
  if constexpr (law == PressureLaw::GerberSeries) {
    const double ve = vgr + m.sourceRadialVelocity;
    const double perSpeedSquared = 1 / (ve * ve);
    return 1 - c.k1 * dr * dr * perSpeedSquared + c.k2 * r * ddr * perSpeedSquared;
  }
  if constexpr (law == PressureLaw::GerberClosed) {
    const double ve = vgr + m.sourceRadialVelocity;
    const double gap = ve - dr;
    return (c.k1 * dr * dr + ve * ve + c.k2 * r * ddr - 4 * ve * dr) * ve * ve / (gap * gap * gap * gap);
  }
  if constexpr (law == PressureLaw::Zorven) {
    const double perSpeed = 1 / vgr;
    return (1 - c.k1 * m.targetRadialVelocity * perSpeed) / (1 - c.k2 * m.sourceRadialVelocity * perSpeed);
  }
  if constexpr (law == PressureLaw::RelativeSpeed)
    return std::sqrt(vgr * vgr + m.targetSpeed * m.targetSpeed - 2 * vgr * m.targetRadialVelocity) /
           std::sqrt(vgr * vgr + m.sourceSpeed * m.sourceSpeed - 2 * vgr * m.sourceRadialVelocity);
  return 1.0;
}

// The same, the law chosen at run time (for callers outside the pair loops;
// LienardWiechert and None give 1).
inline double pressureFactor(PressureLaw law, const PairMotion& m, const LawCoefficients& c) {
  switch (law) {
    case PressureLaw::Weber: return pressureFactor<PressureLaw::Weber>(m, c);
    case PressureLaw::GerberSeries: return pressureFactor<PressureLaw::GerberSeries>(m, c);
    case PressureLaw::GerberClosed: return pressureFactor<PressureLaw::GerberClosed>(m, c);
    case PressureLaw::Zorven: return pressureFactor<PressureLaw::Zorven>(m, c);
    case PressureLaw::RelativeSpeed: return pressureFactor<PressureLaw::RelativeSpeed>(m, c);
    default: return 1.0;
  }
}

// The source of the Л-В law as the gravity reaching k left it.
struct RetardedSource {
  double velocity[3] = {};      // Vi', m/s
  double speed = 0;             // |Vi'|, m/s
  double acceleration[3] = {};  // Ai', m/s²
  double accelerationAlong = 0; // Ai'·u, m/s²
};

// The Л-В force on k, and what the law keeps of it.
struct LienardWiechertResult {
  double scalar = 0;  // −G·m(i)·m(k) / Rf³ / Vgr² (negative)
  double rf = 0;      // Rf = R − R·Vi / Vgr, m
  double force[3] = {};
};

// lienardWiechertForce: the Л-В law,
//   F = (G·m(i)·m(k) / Rf³ / Vgr²)·((r − R·Vi'/Vgr)·(Vgr² + k1·R·Ai'·u − |Vi'|²)
//       − k2·R·Rf·Ai'),  Rf = R − R·Vi/Vgr,
// pointing from k towards where the source was and is heading; in the short
// form only the first term with its bracket Vgr². For a source in uniform
// motion with k1 = k2 = 1 it is the Liénard–Wiechert field of the source,
// (1 − β²)(n − β)/(κ³·R²) with β = Vi'/Vgr and κ = 1 − n·β; for a source at
// rest, Newton's law.
// Given:    r (from the trace of i to k, m) and R = |r|; Vi (m/s); the source;
//           gmm = PairIncluded·G·m(i)·m(k) (N·m²); the coefficients; shortForm
inline LienardWiechertResult lienardWiechertForce(const double r[3], double distance, double sourceRadialVelocity,
                                                  const RetardedSource& s, double gmm, const LawCoefficients& c,
                                                  bool shortForm) {
  const double vgr = c.gravitySpeed;
  LienardWiechertResult out;
  out.rf = distance - sourceRadialVelocity * distance / vgr;
  out.scalar = -gmm / (out.rf * out.rf * out.rf) / (vgr * vgr);
  const double bracket = shortForm ? vgr * vgr
                                   : vgr * vgr + c.k1 * distance * s.accelerationAlong - s.speed * s.speed;
  for (int d = 0; d < 3; ++d) {
    const double ahead = r[d] - s.velocity[d] * distance / vgr;
    const double pull = shortForm ? 0.0 : out.rf * distance * c.k2 * s.acceleration[d];
    out.force[d] = (bracket * ahead - pull) * out.scalar;
  }
  return out;
}

}  // namespace nbody
