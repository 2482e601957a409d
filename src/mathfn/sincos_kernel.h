// The fast path of the correctly rounded sine and cosine, compiled twice: once
// for CPUs with fused multiply-add instructions (-mfma) and once without (the C
// library's fma, exact but slower). Everything here has internal linkage and
// uses compiler builtins only, so that no instruction of the -mfma copy can
// reach code that runs on a CPU without it.
#pragma once

#include "mathfn/cr_sincos_constants.h"
#include "mathfn/sincos_fast.h"

namespace {

namespace sck = tembrix::pmath::sincos_constants;

// An unevaluated sum hi + lo with |lo| <= ulp(hi) / 2.
struct Dd {
  double hi;
  double lo;
};

// a + b exactly when |a| >= |b| or a == 0.
inline Dd sc_fast_two_sum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a + b exactly, any finite a and b.
inline Dd sc_two_sum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// a * b exactly (no underflow can occur for the operands of this file).
inline Dd sc_two_prod(double a, double b) {
  const double p = a * b;
  return {p, __builtin_fma(a, b, -p)};
}

// Pair times pair, within 8 u^2 relative (u = 2^-53).
inline Dd sc_mul(Dd a, Dd b) {
  const Dd p = sc_two_prod(a.hi, b.hi);
  return sc_fast_two_sum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

// Pair times double.
inline Dd sc_mul_d(Dd a, double b) {
  const Dd p = sc_two_prod(a.hi, b);
  return sc_fast_two_sum(p.hi, p.lo + a.lo * b);
}

// Pair plus pair, for |a| >= |b| (a coefficient plus a smaller product).
inline Dd sc_add(Dd a, Dd b) {
  const Dd s = sc_two_sum(a.hi, b.hi);
  return sc_fast_two_sum(s.hi, s.lo + (a.lo + b.lo));
}

// sin r for |r| <= 0.7854, z = r^2: r + r * z * (a1 + z (a2 + ...)); the terms
// from z^5 on are below 2^-28 relative, so double precision suffices there.
inline Dd sc_sin_series(Dd r, Dd z) {
  double t = sck::kSinA10;
  t = t * z.hi + sck::kSinA9;
  t = t * z.hi + sck::kSinA8;
  t = t * z.hi + sck::kSinA7;
  t = t * z.hi + sck::kSinA6;
  t = t * z.hi + sck::kSinA5;
  Dd q = sc_add({sck::kSinA4Hi, sck::kSinA4Lo}, sc_mul_d(z, t));
  q = sc_add({sck::kSinA3Hi, sck::kSinA3Lo}, sc_mul(z, q));
  q = sc_add({sck::kSinA2Hi, sck::kSinA2Lo}, sc_mul(z, q));
  q = sc_add({sck::kSinA1Hi, sck::kSinA1Lo}, sc_mul(z, q));
  return sc_add(r, sc_mul(r, sc_mul(z, q)));
}

// cos r for |r| <= 0.7854, z = r^2: 1 + z (b1 + z (b2 + ...)); the terms from
// z^6 on are below 2^-33 relative.
inline Dd sc_cos_series(Dd z) {
  double t = sck::kCosB11;
  t = t * z.hi + sck::kCosB10;
  t = t * z.hi + sck::kCosB9;
  t = t * z.hi + sck::kCosB8;
  t = t * z.hi + sck::kCosB7;
  t = t * z.hi + sck::kCosB6;
  Dd q = sc_add({sck::kCosB5Hi, sck::kCosB5Lo}, sc_mul_d(z, t));
  q = sc_add({sck::kCosB4Hi, sck::kCosB4Lo}, sc_mul(z, q));
  q = sc_add({sck::kCosB3Hi, sck::kCosB3Lo}, sc_mul(z, q));
  q = sc_add({sck::kCosB2Hi, sck::kCosB2Lo}, sc_mul(z, q));
  q = sc_add({sck::kCosB1Hi, sck::kCosB1Lo}, sc_mul(z, q));
  return sc_add({1.0, 0.0}, sc_mul(z, q));
}

// The error argument (figures from scripts/derive_sincos.py, beside the
// constants): x = k pi/2 + r with k the nearest integer to x * 2/pi (off by at
// most 2^-32 quadrant, so |r| <= 0.7854). w = x - k c1 is exact (one fused
// multiply-add, a multiple of 2^-53 below 1), k c2 is split exactly, w - k c2
// is summed exactly, and only the low parts (below 2^-33) round: rh + rl is
// within kErrAbs/4 + 2^-103 |r| of x - k pi/2, cancellation near multiples of
// pi/2 included, since the bound is absolute. sin and cos have slope at most
// 1, so that absolute error passes to the result unchanged; the series add at
// most kErrRel/4 relative. The result is therefore within
// e = kErrRel |y| + kErrAbs of y = hi + lo, and when hi + (lo + e) and
// hi + (lo - e) round to the same double, so does the exact value. The test
// fails for about one argument in 2^20.
inline bool sc_kernel(double x, bool cosine, double* out) {
  // Round to the nearest integer by adding and removing 1.5 * 2^52
  // (|x * 2/pi| < 2^51 here).
  const double k = (x * sck::kTwoOverPi + 0x1.8p52) - 0x1.8p52;
  const double w = __builtin_fma(-k, sck::kHalfPi1, x);
  const Dd p2 = sc_two_prod(k, sck::kHalfPi2);
  const Dd s = sc_two_sum(w, -p2.hi);
  const double low = (s.lo - p2.lo) - k * sck::kHalfPi3;
  const Dd r = sc_two_sum(s.hi, low);
  const Dd r2 = sc_two_prod(r.hi, r.hi);
  const Dd z = sc_fast_two_sum(r2.hi, r2.lo + 2.0 * r.hi * r.lo);
  // sin(k pi/2 + r) cycles through sin r, cos r, -sin r, -cos r; cos x is
  // sin(x + pi/2), one quadrant on.
  const unsigned quadrant = static_cast<unsigned>(static_cast<long long>(k)) + (cosine ? 1u : 0u);
  Dd y = (quadrant & 1u) ? sc_cos_series(z) : sc_sin_series(r, z);
  if (quadrant & 2u) {
    y = {-y.hi, -y.lo};
  }
  const double e = sck::kErrRel * __builtin_fabs(y.hi) + sck::kErrAbs;
  const double up = y.hi + (y.lo + e);
  const double down = y.hi + (y.lo - e);
  if (up != down) {
    return false;
  }
  *out = up;
  return true;
}

}  // namespace
