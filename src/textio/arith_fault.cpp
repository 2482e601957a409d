#include "textio/arith_fault.h"

#include "textio/units.h"

namespace tembrix {

void check_arithmetic() {
  if (const int flags = raised_arithmetic_faults()) fatal_arithmetic_fault(flags);
}

}  // namespace tembrix
