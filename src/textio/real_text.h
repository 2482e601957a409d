// Text of integers and reals in free-format output records.
#pragma once

#include <cstdint>

namespace tembrix {

// Longest texts: "-2147483648" and "-9999999.999999998000000" (24). The real
// rules would allow a carry into an eighth integer digit (25 with the minus)
// for |v| >= 9999999.99999999955, which no double below 1e7 reaches; buffers
// keep room for it all the same.
inline constexpr int max_integer_text = 11;
inline constexpr int max_real_text = 25;

// Writes the decimal text of v (no leading zeros, "-" when negative) to out;
// returns its length.
int format_integer(std::int32_t v, char* out);

// Writes the real text of v to out, which has room for max_real_text
// characters (all of them may be written to): 17 significant digits rounded half up,
// then half up again to 16; fixed form for 1 <= |v| < 1e7, exponent form
// otherwise. Returns its length (17 to 24). Infinities and NaN, which an
// arithmetic fault keeps from every record, give "Infinity", "-Infinity", "NaN".
int format_real(double v, char* out);

}  // namespace tembrix
