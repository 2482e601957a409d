// The program's own correctly rounded sine and cosine (the portable build).
#pragma once

namespace tembrix::pmath {

// sin(x) and cos(x) rounded to the nearest double, for every double x, with the
// IEEE flags of the C library's functions (invalid for an infinite argument).
double cr_sin(double x);
double cr_cos(double x);

}  // namespace tembrix::pmath
