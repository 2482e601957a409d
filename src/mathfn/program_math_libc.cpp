// The default build: the C library's functions, as the program has always used them.
#include "mathfn/program_math.h"

#include <cmath>

namespace tembrix::pmath {

double sin(double x) { return std::sin(x); }
double cos(double x) { return std::cos(x); }
double pow(double x, double y) { return std::pow(x, y); }

}  // namespace tembrix::pmath
