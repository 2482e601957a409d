// The arithmetic-fault flags: a division by zero, an invalid operation or an
// overflow (including domain and overflow errors of sin, cos and pow, which
// raise the same IEEE flags). The flags are sticky and per thread.
#pragma once

namespace tembrix {

// Clears the fault flags of the calling thread.
void clear_arithmetic_faults();

// The fault flags (FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW) raised in the calling thread.
int raised_arithmetic_faults();

// Keeps the fault flags of the calling thread as they were while input text is
// converted, so that a value like 1E-999 never counts as a fault.
class FaultFlagsGuard {
 public:
  FaultFlagsGuard();
  ~FaultFlagsGuard();
  FaultFlagsGuard(const FaultFlagsGuard&) = delete;
  FaultFlagsGuard& operator=(const FaultFlagsGuard&) = delete;

 private:
  int saved_;
};

}  // namespace tembrix
