// Arithmetic faults: a division by zero, an invalid operation or an overflow
// (including domain and overflow errors of sin, cos and pow, which raise the
// same IEEE flags) ends the run. The flags are sticky and per thread; the
// unit layer checks them before it opens a file or writes a record, so no file
// is touched and no value computed after a fault can reach one.
#pragma once

namespace tembrix {

// Clears the fault flags of the calling thread.
void clear_arithmetic_faults();

// The fault flags (FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW) raised in the calling thread.
int raised_arithmetic_faults();

// Ends the run if a fault flag is raised in the calling thread.
void check_arithmetic();

// Reports the fault named by flags on standard error, closes every unit and
// ends the process with exit status 1.
[[noreturn]] void arithmetic_fault(int flags);

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
