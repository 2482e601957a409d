// The exact fallback of the correctly rounded powers: GNU MPFR at the precision
// and exponent range of a double.
#pragma once

namespace tembrix::pmath::detail {

// x^y for finite x > 0 and finite y, rounded to the nearest double (subnormal
// results included), with the IEEE flags the C library's pow raises for such
// arguments: inexact unless x == 1, underflow when the result is below the
// smallest normal double (after rounding), overflow (and infinity) when it is
// above the largest. Thread-safe: MPFR keeps its exponent range per thread.
double mpfr_pow_positive(double x, double y);

}  // namespace tembrix::pmath::detail
