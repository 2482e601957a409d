// The exact fallback of the correctly rounded powers.
#include "mathfn/cr_pow_mpfr.h"

#include <mpfr.h>

#include <cfenv>
#include <cmath>

namespace tembrix::pmath::detail {

namespace {

// A double's exponent range in MPFR's convention (value = f * 2^E, 0.5 <= f < 1):
// the largest double is just below 2^1024, the smallest subnormal is 2^-1074 =
// 0.5 * 2^-1073. With this range and 53 bits, mpfr_subnormalize rounds a result
// into the subnormals exactly as a double operation would.
constexpr mpfr_exp_t kDoubleEmin = -1073;
constexpr mpfr_exp_t kDoubleEmax = 1024;

// Sets a double's exponent range for the life of the object, then puts back the
// caller's (MPFR's range is per thread).
class DoubleRange {
 public:
  DoubleRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
    mpfr_set_emin(kDoubleEmin);
    mpfr_set_emax(kDoubleEmax);
  }
  ~DoubleRange() {
    mpfr_set_emin(emin_);
    mpfr_set_emax(emax_);
  }
  DoubleRange(const DoubleRange&) = delete;
  DoubleRange& operator=(const DoubleRange&) = delete;

 private:
  mpfr_exp_t emin_;
  mpfr_exp_t emax_;
};

}  // namespace

double mpfr_pow_positive(double x, double y) {
  if (x == 1.0) return 1.0;  // exact, and the C library raises nothing
  // MPFR's own double arithmetic (reading and writing subnormals) raises flags
  // of its own: keep the caller's, and raise only the power's below.
  std::fexcept_t caller_flags;
  std::fegetexceptflag(&caller_flags, FE_ALL_EXCEPT);
  const DoubleRange range;
  mpfr_t mx, my, r;
  mpfr_init2(mx, 53);
  mpfr_init2(my, 53);
  mpfr_init2(r, 53);
  mpfr_set_d(mx, x, MPFR_RNDN);
  mpfr_set_d(my, y, MPFR_RNDN);
  int inex = mpfr_pow(r, mx, my, MPFR_RNDN);
  // Tiny after rounding to 53 bits with an unbounded exponent, as x86 detects
  // underflow; a result that MPFR already flushed to zero is tiny as well.
  const bool tiny = mpfr_zero_p(r) || mpfr_get_exp(r) <= -1022;
  const bool huge = mpfr_inf_p(r);
  inex = mpfr_subnormalize(r, inex, MPFR_RNDN);
  const double result = mpfr_get_d(r, MPFR_RNDN);
  mpfr_clear(r);
  mpfr_clear(my);
  mpfr_clear(mx);
  // The C library's pow raises inexact for every positive base but 1, even where
  // the power is exact (4^1.5), and underflow for every tiny result, exact or not.
  (void)inex;
  std::fesetexceptflag(&caller_flags, FE_ALL_EXCEPT);
  if (huge) {
    std::feraiseexcept(FE_OVERFLOW | FE_INEXACT);
  } else if (tiny) {
    std::feraiseexcept(FE_UNDERFLOW | FE_INEXACT);
  } else {
    std::feraiseexcept(FE_INEXACT);
  }
  return result;
}

}  // namespace tembrix::pmath::detail
