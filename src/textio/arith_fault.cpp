#include "textio/arith_fault.h"

#include <cfenv>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "textio/units.h"

namespace tembrix {

namespace {
constexpr int fault_flags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

// Names the first fault in a fixed order, so one fault set gives one message.
const char* fault_name(int flags) {
  if (flags & FE_INVALID) return "invalid floating-point operation (or a domain error of sin, cos or pow)";
  if (flags & FE_DIVBYZERO) return "floating-point division by zero";
  return "floating-point overflow";
}
}  // namespace

void clear_arithmetic_faults() { std::feclearexcept(fault_flags); }

int raised_arithmetic_faults() { return std::fetestexcept(fault_flags); }

void check_arithmetic() {
  if (const int flags = raised_arithmetic_faults()) arithmetic_fault(flags);
}

void arithmetic_fault(int flags) {
  const char* name = fault_name(flags);
  std::string text = "\r\nrun-time error: arithmetic fault\r\n- ";
  text += name;
  text += "\r\n";
  // Standard error is unbuffered; one write keeps the diagnostic in one piece.
  [[maybe_unused]] ssize_t n = ::write(2, text.data(), text.size());
  close_all_units();
  std::_Exit(1);
}

FaultFlagsGuard::FaultFlagsGuard() : saved_(std::fetestexcept(fault_flags)) {}

FaultFlagsGuard::~FaultFlagsGuard() {
  std::feclearexcept(fault_flags);
  if (saved_) std::feraiseexcept(saved_);
}

}  // namespace tembrix
