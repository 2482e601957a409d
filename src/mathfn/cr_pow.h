// The program's own correctly rounded powers (the portable build).
#pragma once

namespace tembrix::pmath {

// x^third, where third is the double nearest 1/3 (not 1/3 itself), and x^1.5,
// rounded to the nearest double, with the IEEE flags of the C library's pow:
// invalid for a negative base, overflow when the result is too large.
double cr_pow_third(double x);
double cr_pow_threehalf(double x);

// x^y rounded to the nearest double for any other exponent.
double cr_pow(double x, double y);

}  // namespace tembrix::pmath
