#include "textio/real_text.h"

#include <cstring>

#include "textio/real_text_exact.h"
#include "textio/real_text_fast.h"

namespace tembrix {

// Writes the decimal digits of v, "-" first when negative.
int format_integer(std::int32_t v, char* out) {
  // Unsigned magnitude, so that -2147483648 needs no special case.
  std::uint32_t m = v < 0 ? 0u - static_cast<std::uint32_t>(v) : static_cast<std::uint32_t>(v);
  char buf[10];
  int n = 0;
  do {
    buf[n++] = static_cast<char>('0' + m % 10);
    m /= 10;
  } while (m != 0);
  char* p = out;
  if (v < 0) *p++ = '-';
  while (n > 0) *p++ = buf[--n];
  return static_cast<int>(p - out);
}

// Writes the real text of v: the fast path when the digits are certain, the
// exact path for everything else (zero, infinities, NaN, near-ties).
int format_real(double v, char* out) {
  const int n = format_real_fast(v, out);
  return n != 0 ? n : format_real_exact(v, out);
}

}  // namespace tembrix
