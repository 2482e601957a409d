#include "textio/fault_flags.h"

#include <cfenv>

namespace tembrix {

namespace {
constexpr int fault_flags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
}  // namespace

void clear_arithmetic_faults() { std::feclearexcept(fault_flags); }

int raised_arithmetic_faults() { return std::fetestexcept(fault_flags); }

FaultFlagsGuard::FaultFlagsGuard() : saved_(std::fetestexcept(fault_flags)) {}

FaultFlagsGuard::~FaultFlagsGuard() {
  std::feclearexcept(fault_flags);
  if (saved_) std::feraiseexcept(saved_);
}

}  // namespace tembrix
