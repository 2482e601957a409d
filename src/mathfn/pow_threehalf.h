// x^1.5 as x * sqrt(x), formed exactly enough to be rounded correctly, and the
// default build's power 1.5 built on it.
#pragma once

namespace tembrix::pmath {

// When x lies in the range where the fast path is safe and the exact x^1.5 is
// not too close to a rounding boundary, stores the correctly rounded x^1.5 in
// *out and returns true; otherwise returns false and leaves *out alone.
bool try_pow_threehalf(double x, double* out);

// As try_pow_threehalf, with a margin for the fast value's own error only (not
// for a library's): decides all but a fraction of about 2^-40 of the arguments
// in the fast range. For the correctly rounded x^1.5 of the portable build.
bool try_pow_threehalf_tight(double x, double* out);

// The C library's pow(x, 1.5), bit for bit and with the same IEEE flags,
// computed by the fast path wherever that path decides.
double pow_threehalf(double x);

// out[k] = pow_threehalf(x[k]) for k = 0..n-1 (n >= 0), four at a time where
// the CPU has AVX2; each undecided lane goes to the C library on its own.
void pow_threehalf_n(const double* x, double* out, int n);

}  // namespace tembrix::pmath
