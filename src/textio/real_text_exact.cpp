#include "textio/real_text_exact.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace tembrix {

namespace {

// Writes the words used for values that are not finite; a fault ends the run
// before such a value reaches a record, so these only keep the text defined.
int write_non_finite(double v, char* out) {
  const char* word = std::isnan(v) ? "NaN" : (v < 0 ? "-Infinity" : "Infinity");
  const int n = static_cast<int>(std::strlen(word));
  std::memcpy(out, word, static_cast<std::size_t>(n));
  return n;
}

}  // namespace

// Writes the real text of v: 17 digits (to_chars rounds ties to even there, which
// gives the same 16 digits as half up, because an exact tie at the 18th digit of
// a double always has 2 or 7 as its 17th digit), then half up to 16 digits.
int format_real_exact(double v, char* out) {
  if (!std::isfinite(v)) return write_non_finite(v, out);
  char* p = out;
  if (v == 0.0) {
    std::memcpy(p, "0.000000000000000E+000", 22);
    return 22;
  }
  if (v < 0) *p++ = '-';

  // "d.dddddddddddddddde[+-]xx[x]": 17 significant digits and the exponent.
  char sci[32];
  const auto res = std::to_chars(sci, sci + sizeof sci, std::fabs(v), std::chars_format::scientific, 16);
  char digits[17];
  digits[0] = sci[0];
  std::memcpy(digits + 1, sci + 2, 16);
  int exp10 = 0;  // sci[18] is 'e', sci[19] its sign
  std::from_chars(sci + 20, res.ptr, exp10);
  if (sci[19] == '-') exp10 = -exp10;
  int x = exp10 + 1;  // |v| = 0.D x 10^x

  // The form is settled by the 17-digit value, before the rounding to 16.
  const bool fixed = x >= 1 && x <= 7;

  if (digits[16] >= '5') {
    int i = 15;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits[0] = '1';  // carry out of the first digit: D = "1000...", one more place
      ++x;
    }
  }

  const int before = fixed ? x : 1;
  for (int i = 0; i < before + 15; ++i) {
    if (i == before) *p++ = '.';
    *p++ = i < 16 ? digits[i] : '0';
  }
  if (!fixed) {
    const int e = x - 1;
    const int m = e < 0 ? -e : e;
    *p++ = 'E';
    *p++ = e < 0 ? '-' : '+';
    *p++ = static_cast<char>('0' + m / 100);
    *p++ = static_cast<char>('0' + m / 10 % 10);
    *p++ = static_cast<char>('0' + m % 10);
  }
  return static_cast<int>(p - out);
}

}  // namespace tembrix
