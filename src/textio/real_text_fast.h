// The fast path of format_real: the digits of |v| x 10^k from one 64 x 128-bit
// product, used whenever that product decides both roundings.
#pragma once

#include <cstdint>

namespace tembrix {

// |v| x 10^(16-x) as a 64.64 fixed-point number, within 2^-61 of the exact
// product, with x the decade of |v| (|v| = 0.D x 10^x) as read from the binary
// exponent: for a value that equals a rounded-down power of ten x is one too
// high, and whole is then below 10^15.
struct ScaledReal {
  int x;
  std::uint64_t whole;
  std::uint64_t fraction;  // units of 2^-64
};

// The scaled value of a finite nonzero v.
ScaledReal scale_real(double v);

// Writes the real text of a finite nonzero v to out (room for max_real_text
// characters, which it may use beyond the text) and returns its length.
// Returns 0, the text undecided, for zero, infinities and NaN and when v lies
// too close to a rounding boundary or to a power of ten; the exact path
// then writes the text.
int format_real_fast(double v, char* out);

}  // namespace tembrix
