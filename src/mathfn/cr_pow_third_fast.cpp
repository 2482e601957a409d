#include "mathfn/cr_pow_third_fast.h"

namespace tembrix::pmath::detail {

// No double-double x^third yet: every argument goes to the exact MPFR path,
// which is correct at any cost. A fast path replaces this body.
bool try_pow_third(double, double*) { return false; }

}  // namespace tembrix::pmath::detail
