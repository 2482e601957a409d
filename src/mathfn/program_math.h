// The sine, cosine and power of the program. Every phase takes these three
// functions from here and nowhere else, so one build option decides where they
// come from: the C library's (the default), or the program's own correctly
// rounded functions (TEMBRIX_PORTABLE_MATH), which give the same bits on every
// machine and C library.
#pragma once

namespace tembrix::pmath {

// sin(x) and cos(x) of an angle in radians. Raise the IEEE flags that the C
// library raises (invalid for an infinite argument).
double sin(double x);
double cos(double x);

// x raised to y. The program uses two exponents only, `threehalf` (1.5) and
// `third` (the double nearest 1/3); any other y is still answered. Raises the
// IEEE flags that the C library's pow raises: invalid for a negative base with
// a non-integer exponent, overflow when the result is too large.
double pow(double x, double y);

// out[k] = pow(x[k], y) for k = 0..n-1 (n >= 0), each bit for bit and flag for
// flag as pow(x[k], y): the matrix asks for a circle's powers at once, so that
// a build can compute several of them together.
void pow_n(const double* x, double y, double* out, int n);

}  // namespace tembrix::pmath
