// TEMPORARY: correctly rounded sine and cosine by GNU MPFR alone, slow, until
// the double-double versions land in cr_sincos.cpp; delete this file then.
#include <mpfr.h>

#include <cmath>

#include "mathfn/cr_sincos.h"

namespace tembrix::pmath {

namespace {

double mpfr_trig(double x, int (*f)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t)) {
  if (std::isnan(x)) return x + x;
  if (std::isinf(x)) {
    const volatile double zero = x - x;
    return zero;  // inf - inf: invalid and NaN
  }
  const mpfr_exp_t emin = mpfr_get_emin(), emax = mpfr_get_emax();
  mpfr_set_emin(-1073);
  mpfr_set_emax(1024);
  mpfr_t mx, r;
  mpfr_init2(mx, 53);
  mpfr_init2(r, 53);
  mpfr_set_d(mx, x, MPFR_RNDN);
  int inex = f(r, mx, MPFR_RNDN);
  inex = mpfr_subnormalize(r, inex, MPFR_RNDN);
  const double out = mpfr_get_d(r, MPFR_RNDN);
  mpfr_clear(r);
  mpfr_clear(mx);
  mpfr_set_emin(emin);
  mpfr_set_emax(emax);
  return out;
}

}  // namespace

double cr_sin(double x) { return mpfr_trig(x, mpfr_sin); }
double cr_cos(double x) { return mpfr_trig(x, mpfr_cos); }

}  // namespace tembrix::pmath
