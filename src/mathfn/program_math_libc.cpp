// The default build: the C library's functions, as the program has always used
// them; the power 1.5 takes a faster way to the library's own bits.
#include "mathfn/program_math.h"

#include <cmath>

#include "mathfn/pow_threehalf.h"

namespace tembrix::pmath {

double sin(double x) { return std::sin(x); }
double cos(double x) { return std::cos(x); }

double pow(double x, double y) {
  if (y == 1.5) return pow_threehalf(x);
  return std::pow(x, y);
}

void pow_n(const double* x, double y, double* out, int n) {
  if (y == 1.5) {
    pow_threehalf_n(x, out, n);
    return;
  }
  for (int k = 0; k < n; ++k) out[k] = std::pow(x[k], y);
}

}  // namespace tembrix::pmath
