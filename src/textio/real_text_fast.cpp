#include "textio/real_text_fast.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "textio/real_text_pow10.h"

namespace tembrix {

namespace {

static_assert(std::endian::native == std::endian::little, "digit words are stored low byte first");

using u128 = unsigned __int128;

constexpr std::uint64_t ten8 = 100000000u;
constexpr std::uint64_t ten15 = 1000000000000000u;
constexpr std::uint64_t ten16 = 10000000000000000u;

// floor(0.45 x 2^64). With W = |v| x 10^(16-X), |v| = 0.D x 10^X, rounding W
// half up to 17 digits (W x 10 to an integer) and the result half up again to
// 16 digits is floor(floor(10W + 1/2 + 5) / 10) = floor(W + 0.55): the two
// roundings together round W up exactly when its fraction is at least 0.45.
constexpr std::uint64_t fraction_045 = 0x7333333333333333u;

// The computed W is within 2^-61 of the exact one (2^-128 relative from the
// table, below 2^-62 from the dropped low word, below 2^-64 from the last
// shift), less than 8 units of 2^-64; fractions within 16 units of 0.45 are
// left to the exact path.
constexpr std::uint64_t fraction_margin = 16;

// The eight ASCII digits of n < 10^8, first digit in the lowest byte: the
// halves, quarters and single digits are split in parallel lanes with
// multiplications by reciprocals that are exact for these ranges.
std::uint64_t eight_digits(std::uint64_t n) {
  std::uint64_t x = (n / 10000) | ((n % 10000) << 32);              // 4 + 4 digits
  const std::uint64_t hundreds = ((x * 10486) >> 20) & 0x0000007F0000007Fu;  // n/100 for n < 10^4
  x = hundreds | ((x - hundreds * 100) << 16);                    // 2 + 2 + 2 + 2
  const std::uint64_t tens = ((x * 103) >> 10) & 0x000F000F000F000Fu;  // n/10 for n < 100
  x = tens | ((x - tens * 10) << 8);                               // 8 single digits
  return x + 0x3030303030303030u;
}

}  // namespace

// The 64-bit significand times the 128-bit power of ten, its low 64 bits
// dropped, shifted to the binary point.
ScaledReal scale_real(double v) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
  const int biased = static_cast<int>(bits >> 52 & 0x7FF);
  std::uint64_t m = bits & 0x000FFFFFFFFFFFFFu;
  int e = biased - 1075;  // |v| = m x 2^e with m of 53 bits
  if (biased == 0) {      // subnormal: shift the significand up to 53 bits
    const int shift = std::countl_zero(m) - 11;
    m <<= shift;
    e = -1074 - shift;
  } else {
    m |= std::uint64_t{1} << 52;
  }
  const double a = std::bit_cast<double>(bits & 0x7FFFFFFFFFFFFFFFu);

  // Decade: 2^(e+52) <= |v| < 2^(e+53), so x is floor((e+52) log10 2) + 1 or
  // one more; 78913 / 2^18 gives that floor exactly for every binary exponent
  // of a double.
  int x = (((e + 52) * 78913) >> 18) + 1;
  x += a >= pow10_double[x - pow10_double_min];

  const Pow10Significand& c = pow10_table[16 - x - pow10_table_min];
  const u128 low = static_cast<u128>(m) * c.lo;
  const u128 product = static_cast<u128>(m) * c.hi + (low >> 64);  // m x c / 2^64
  const int shift = -(e + c.g + 64);  // |v| x 10^(16-x) = product / 2^shift, shift in 62..70
  return ScaledReal{x, static_cast<std::uint64_t>(product >> shift),
                    static_cast<std::uint64_t>(product << (128 - shift) >> 64)};
}

// Writes the text from the 16 rounded digits when the scaled value leaves no
// doubt about them; returns 0 otherwise.
int format_real_fast(double v, char* out) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
  // Zero, infinities and NaN, tested on the bits so that no flag is raised.
  if ((bits & 0x7FF0000000000000u) == 0x7FF0000000000000u || (bits << 1) == 0) return 0;
  const auto [x, whole, fraction] = scale_real(v);

  // Outside [10^15, 10^16 - 2] the decade was guessed wrong or a rounding may
  // carry into a new decade; next to 0.45 the product cannot decide. (A whole
  // of 10^15 with a true value just below it, the decade one too high, gives
  // the same text as the true decade, whose 17 digits carry to 10^17.)
  if (whole - ten15 > ten16 - 2 - ten15) return 0;
  if (fraction - (fraction_045 - fraction_margin) < 2 * fraction_margin) return 0;
  const std::uint64_t d16 = whole + (fraction >= fraction_045);

  const std::uint64_t high_digits = eight_digits(d16 / ten8);
  const std::uint64_t low_digits = eight_digits(d16 % ten8);
  const bool fixed = x >= 1 && x <= 7;
  const int before = fixed ? x : 1;  // digits before the point

  char* p = out;
  if (bits >> 63) *p++ = '-';
  // Bytes 0..7: the first `before` digits, the point, the digits up to the 7th;
  // then the 8th digit and the last eight.
  const std::uint64_t keep = (std::uint64_t{1} << (8 * before)) - 1;
  const std::uint64_t head =
      (high_digits & keep) | (std::uint64_t{'.'} << (8 * before)) | ((high_digits & ~keep) << 8);
  std::memcpy(p, &head, 8);
  p[8] = static_cast<char>(high_digits >> 56);
  std::memcpy(p + 9, &low_digits, 8);
  p += 17;
  if (fixed) {
    std::memcpy(p, "000000", 6);  // 15 places after the point: x - 1 zeros past D
    return static_cast<int>(p - out) + x - 1;
  }
  const int exponent = x - 1;
  const int magnitude = exponent < 0 ? -exponent : exponent;
  p[0] = 'E';
  p[1] = exponent < 0 ? '-' : '+';
  p[2] = static_cast<char>('0' + magnitude / 100);
  p[3] = static_cast<char>('0' + magnitude / 10 % 10);
  p[4] = static_cast<char>('0' + magnitude % 10);
  return static_cast<int>(p - out) + 5;
}

}  // namespace tembrix
