// The fast sine and cosine compiled with fused multiply-add instructions
// (-mfma for this file only); called only on a CPU that has them.
#include "mathfn/sincos_kernel.h"

namespace tembrix::pmath::detail {

bool sincos_fast_fma(double x, bool cosine, double* out) { return sc_kernel(x, cosine, out); }

}  // namespace tembrix::pmath::detail
