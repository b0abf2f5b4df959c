#pragma once
// Estimates for the traced pair loops that keep the processor's divider
// free: reciprocal square roots to about an ulp from the processor's own
// first guess (or one from the bits of the number) and Newton steps, and
// the root of 1 + u for small u from its series. They only give
// propagation times, so they may use fused multiply-adds; what reaches the
// accelerations is rounded step by step.
#include <bit>
#include <cmath>
#include <cstdint>
#if defined(__AVX__)
#include <immintrin.h>
#endif

namespace nbody {

// a·b + c, in one rounding where the processor has the instruction. Only
// estimates use it: the results that reach the accelerations are rounded
// step by step everywhere, so that they do not depend on the processor.
inline double fusedMultiplyAdd(double a, double b, double c) {
#if defined(__FMA__)
  return std::fma(a, b, c);
#else
  return a * b + c;
#endif
}

// 1/√s for a positive normal s to about an ulp without a square root or
// a division (both queue on the processor's one divider): a first guess
// from the bits of s, within 3.5 %, then four Newton steps, each squaring
// the relative error (1.7e-3, 4.5e-6, 3e-11, then as close as rounding
// allows).
inline double reciprocalRootEstimate(double s) {
  constexpr std::uint64_t magic = 0x5FE6EB50C7B537A9;
  const double half = 0.5 * s;
  double y = std::bit_cast<double>(magic - (std::bit_cast<std::uint64_t>(s) >> 1));
  for (int step = 0; step < 4; ++step) y = y * (1.5 - half * y * y);
  return y;
}

#if defined(__AVX__)
// One Newton step of 1/√s from y for four lanes: y·(1.5 − (s/2)·y²).
inline __m256d newtonStepOfReciprocalRoot(__m256d half, __m256d y) {
#if defined(__FMA__)
  return _mm256_mul_pd(y, _mm256_fnmadd_pd(_mm256_mul_pd(half, y), y, _mm256_set1_pd(1.5)));
#else
  return _mm256_mul_pd(y, _mm256_sub_pd(_mm256_set1_pd(1.5), _mm256_mul_pd(_mm256_mul_pd(half, y), y)));
#endif
}
#endif

// The roots of n squares, n a multiple of 4, and their reciprocals, to
// about an ulp: squares holds the squares and is given the roots. The
// reciprocals are found as reciprocalRootEstimate does, but from the
// processor's own first guess where it has one: 14 bits and two Newton
// steps, or 12 bits (in single precision, so 0 or infinite, and no
// estimate, where a square is beyond 3e38 or below 1e-38) and three.
inline void rootEstimates(double* squares, double* reciprocals, int n) {
#if defined(__AVX__)
  int i = 0;
#if defined(__AVX512F__) && defined(CELVAN_WIDE_VECTORS)
  // Eight lanes at a time where the build uses the wide registers: the
  // same first guess and steps, lane by lane, as the four-lane loop below.
  for (; i + 8 <= n; i += 8) {
    const __m512d v = _mm512_loadu_pd(squares + i), half = _mm512_mul_pd(_mm512_set1_pd(0.5), v);
    __m512d r = _mm512_maskz_rsqrt14_pd(0xFF, v);
    for (int step = 0; step < 2; ++step)
      r = _mm512_mul_pd(r, _mm512_fnmadd_pd(_mm512_mul_pd(half, r), r, _mm512_set1_pd(1.5)));
    _mm512_storeu_pd(reciprocals + i, r);
    _mm512_storeu_pd(squares + i, _mm512_mul_pd(v, r));
  }
#endif
  for (; i < n; i += 4) {
    const __m256d v = _mm256_loadu_pd(squares + i), half = _mm256_mul_pd(_mm256_set1_pd(0.5), v);
#if defined(__AVX512VL__)
    __m256d r = _mm256_rsqrt14_pd(v);
    constexpr int steps = 2;
#else
    __m256d r = _mm256_cvtps_pd(_mm_rsqrt_ps(_mm256_cvtpd_ps(v)));
    constexpr int steps = 3;
#endif
    for (int step = 0; step < steps; ++step) r = newtonStepOfReciprocalRoot(half, r);
    _mm256_storeu_pd(reciprocals + i, r);
    _mm256_storeu_pd(squares + i, _mm256_mul_pd(v, r));
  }
#else
  for (int i = 0; i < n; ++i) {
    reciprocals[i] = reciprocalRootEstimate(squares[i]);
    squares[i] *= reciprocals[i];
  }
#endif
}

// √(1 + u) − 1 for |u| ≤ kRootSeriesLimit, to 3e-17 of the root: five
// terms of its series.
inline constexpr double kRootSeriesLimit = 1e-3;
inline double rootOfOnePlusMinusOne(double u) {
  const double inner = fusedMultiplyAdd(u, fusedMultiplyAdd(u, fusedMultiplyAdd(u, -0.0390625, 0.0625), -0.125), 0.5);
  return u * inner;
}

}  // namespace nbody
