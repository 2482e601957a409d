// The portable build: the program's own correctly rounded functions, which give
// the same bits on every machine and C library.
#include "mathfn/program_math.h"

#include "mathfn/cr_pow.h"
#include "mathfn/cr_sincos.h"

namespace tembrix::pmath {

double sin(double x) { return cr_sin(x); }
double cos(double x) { return cr_cos(x); }

double pow(double x, double y) {
  // The two exponents the program uses have fast paths of their own.
  if (y == 1.5) return cr_pow_threehalf(x);
  if (y == 0x1.5555555555555p-2) return cr_pow_third(x);
  return cr_pow(x, y);
}

void pow_n(const double* x, double y, double* out, int n) {
  for (int k = 0; k < n; ++k) out[k] = pow(x[k], y);
}

}  // namespace tembrix::pmath
