#include "mathfn/cr_pow_third_fast.h"

namespace tembrix::pmath::detail {

bool try_pow_third(double, double*) { return false; }

}  // namespace tembrix::pmath::detail
