// Correctly rounded sine and cosine: a double-double fast path with a rounding
// test (sincos_kernel.h), and GNU MPFR where the test cannot decide or the
// argument lies outside the fast path's range.
#include "mathfn/cr_sincos.h"

#include <mpfr.h>

#include <cfenv>
#include <cfloat>

#include "mathfn/sincos_kernel.h"

namespace tembrix::pmath {

namespace detail {

bool sincos_fast_plain(double x, bool cosine, double* out) { return sc_kernel(x, cosine, out); }

}  // namespace detail

namespace {

bool fast(double x, bool cosine, double* out) {
  static const bool has_fma = __builtin_cpu_supports("fma");
  return has_fma ? detail::sincos_fast_fma(x, cosine, out) : detail::sincos_fast_plain(x, cosine, out);
}

// MPFR keeps constants (pi) in a cache per thread; the matrix threads come and
// go, so each thread that used MPFR frees its cache when it ends.
struct MpfrCacheRelease {
  MpfrCacheRelease() = default;
  MpfrCacheRelease(const MpfrCacheRelease&) = delete;
  MpfrCacheRelease& operator=(const MpfrCacheRelease&) = delete;
  ~MpfrCacheRelease() { mpfr_free_cache2(MPFR_FREE_LOCAL_CACHE); }
};

// sin x or cos x of a finite x, rounded to nearest by MPFR. 53 bits in MPFR's
// own (unbounded) exponent range is the double's rounding, since |sin x| and
// |cos x| of a double |x| >= 2^-26 are far above the smallest normal double.
// The variables are per call: several threads may call this at once.
double exact(double x, bool cosine) {
  // MPFR's own floating-point steps may raise flags (overflow, for huge
  // arguments) that the function's value does not: they are discarded.
  std::fenv_t env;
  std::feholdexcept(&env);
  thread_local MpfrCacheRelease release_at_thread_exit;
  mpfr_t arg;
  mpfr_t value;
  mpfr_init2(arg, 53);
  mpfr_init2(value, 53);
  mpfr_set_d(arg, x, MPFR_RNDN);
  if (cosine) {
    mpfr_cos(value, arg, MPFR_RNDN);
  } else {
    mpfr_sin(value, arg, MPFR_RNDN);
  }
  const double result = mpfr_get_d(value, MPFR_RNDN);
  mpfr_clear(value);
  mpfr_clear(arg);
  std::fesetenv(&env);
  // The value is irrational (x != 0), so the result is inexact, as the C
  // library's functions report it.
  std::feraiseexcept(FE_INEXACT);
  return result;
}

}  // namespace

double cr_sin(double x) {
  if (x != x) {
    return x + x;  // the same NaN, quiet; invalid only for a signalling NaN
  }
  const double ax = __builtin_fabs(x);
  // |sin x - x| < |x|^3 / 6 < 2^-54.5 |x| below 2^-26: less than half the gap
  // to x's lower neighbour, so x is the rounded value. Zero is exact; a
  // subnormal x raises underflow and inexact, as the C library does.
  if (ax < 0x1p-26) {
    if (ax < DBL_MIN && ax != 0.0) {
      volatile double square = x * x;
      (void)square;
    }
    return x;
  }
  if (ax < sincos_constants::kFastMax) {
    double y;
    return fast(x, false, &y) ? y : exact(x, false);
  }
  if (ax > DBL_MAX) {
    return x - x;  // infinity: invalid, NaN
  }
  return exact(x, false);
}

double cr_cos(double x) {
  if (x != x) {
    return x + x;
  }
  const double ax = __builtin_fabs(x);
  // 1 - cos x < x^2 / 2 < 2^-55 below 2^-27: less than half the gap to 1's
  // lower neighbour (2^-53), so 1 is the rounded value (exact, as the C
  // library reports it).
  if (ax < 0x1p-27) {
    return 1.0;
  }
  if (ax < sincos_constants::kFastMax) {
    double y;
    return fast(x, true, &y) ? y : exact(x, true);
  }
  if (ax > DBL_MAX) {
    return x - x;
  }
  return exact(x, true);
}

}  // namespace tembrix::pmath
