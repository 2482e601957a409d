// The correctly rounded powers of the portable build: the special arguments as
// the C library's pow answers them, then a fast path where one exists, then
// the exact fallback.
#include "mathfn/cr_pow.h"

#include <cmath>

#include "mathfn/cr_pow_mpfr.h"
#include "mathfn/cr_pow_third_fast.h"
#include "mathfn/pow_threehalf.h"

namespace tembrix::pmath {

namespace {

// The answer for a base that is not a finite positive number, with an exponent
// y > 0 that is not an odd integer (1.5 and third): NaN stays NaN (a signalling
// one raises invalid), zeros give +0, infinities give +inf, and a negative base
// is invalid. Returns false for a finite positive base.
bool special_base(double x, double* out) {
  // NaN first: an ordered comparison with a quiet NaN would raise invalid.
  if (std::isnan(x)) {
    *out = x + x;  // quiets a signalling NaN and raises invalid for it, as pow does
  } else if (x > 0.0 && x < HUGE_VAL) {
    return false;
  } else if (x == 0.0) {
    *out = 0.0;
  } else if (std::isinf(x)) {
    *out = HUGE_VAL;
  } else {
    const volatile double zero = x - x;  // volatile: the division must happen at run time
    *out = zero / zero;                  // invalid, and the machine's default NaN
  }
  return true;
}

}  // namespace

double cr_pow_third(double x) {
  double r;
  if (special_base(x, &r)) return r;
  if (detail::try_pow_third(x, &r)) return r;
  return detail::mpfr_pow_positive(x, 0x1.5555555555555p-2);
}

double cr_pow_threehalf(double x) {
  double r;
  if (special_base(x, &r)) return r;
  // The fast path decides no exact power, so its square root or its product is
  // inexact and has raised inexact already, as the C library's pow does.
  if (try_pow_threehalf_tight(x, &r)) return r;
  return detail::mpfr_pow_positive(x, 1.5);
}

double cr_pow(double x, double y) {
  // The cases that do not depend on x^y's value, in the order the C library
  // settles them: pow(x, ±0) = 1 and pow(1, y) = 1 even for NaN.
  if (y == 0.0 || x == 1.0) return 1.0;
  if (std::isnan(x) || std::isnan(y)) return x + y;
  const bool y_integer = std::nearbyint(y) == y;
  const bool y_odd = y_integer && std::fabs(y) < 0x1p53 && std::fmod(y, 2.0) != 0.0;
  if (x == 0.0) {
    if (y > 0.0) return y_odd ? x : 0.0;
    if (std::isinf(y)) return HUGE_VAL;  // the C library raises nothing here
    const volatile double one = 1.0;
    const double inf = one / (y_odd ? x : 0.0);  // divide-by-zero, signed as the odd power's
    return inf;
  }
  if (std::isinf(y)) {
    const double ax = std::fabs(x);
    if (ax == 1.0) return 1.0;  // (-1)^±inf
    return (ax > 1.0) == (y > 0.0) ? HUGE_VAL : 0.0;
  }
  if (std::isinf(x)) {
    const bool big = y > 0.0;
    const double mag = big ? HUGE_VAL : 0.0;
    return (x < 0.0 && y_odd) ? -mag : mag;
  }
  if (x < 0.0) {
    if (!y_integer) {
      const volatile double zero = x - x;
      return zero / zero;
    }
    const double mag = detail::mpfr_pow_positive(-x, y);
    return y_odd ? -mag : mag;
  }
  return detail::mpfr_pow_positive(x, y);
}

}  // namespace tembrix::pmath
