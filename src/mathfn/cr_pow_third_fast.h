// The fast path of the correctly rounded x^third, in double-double arithmetic.
#pragma once

namespace tembrix::pmath::detail {

// For finite x > 0: when the double-double value of x^third (third being the
// double nearest 1/3) is far enough from the midpoint between two doubles that
// its proven error cannot cross it, stores the correctly rounded x^third in *out
// (raising inexact, as the C library's pow does) and returns true; otherwise
// returns false and leaves *out alone.
bool try_pow_third(double x, double* out);

}  // namespace tembrix::pmath::detail
