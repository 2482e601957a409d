// Real texts against a model that applies the two half-up roundings literally
// to the exact decimal expansion of each value (glibc's printf prints a double
// exactly when asked for enough digits), over millions of values: random bit
// patterns, exact ties at the 18th digit, values next to rounding boundaries,
// powers of ten, subnormals. Also proves the error bound of the fast path's
// scaled value, and the fast path against the reference path.
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "textio/real_text.h"
#include "textio/real_text_exact.h"
#include "textio/real_text_fast.h"

namespace tembrix {
namespace {

using u128 = unsigned __int128;

// Digits after the first that print |v| exactly: v = m 2^e (m odd) has
// max(0, -e) decimal places, so at most X + max(0, -e) significant digits,
// X = floor(log10 |v|) + 1; two more cover an X off by one. At most 753.
int exact_precision(double a) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
  const int biased = static_cast<int>(bits >> 52 & 0x7FF);
  std::uint64_t m = bits & 0x000FFFFFFFFFFFFFu;
  int e = biased == 0 ? -1074 : biased - 1075;
  if (biased != 0) m |= std::uint64_t{1} << 52;
  e += std::countr_zero(m);
  const int places = e < 0 ? -e : 0;
  return static_cast<int>(std::floor(std::log10(a))) + 1 + places + 1;
}

// The exact decimal expansion of |v| > 0: its significant digits without
// trailing zeros and X with |v| = 0.digits x 10^X.
struct Expansion {
  std::string digits;
  int x;
};

Expansion exact_expansion(double v, int precision) {
  char buf[1024];
  const int n = std::snprintf(buf, sizeof buf, "%.*e", precision, std::fabs(v));
  const std::string s(buf, static_cast<std::size_t>(n));
  const std::size_t epos = s.find('e');
  std::string digits = s.substr(0, 1) + s.substr(2, epos - 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  return Expansion{digits, std::stoi(s.substr(epos + 1)) + 1};
}

Expansion exact_expansion(double v) { return exact_expansion(v, exact_precision(std::fabs(v))); }

// Adds one at the last digit of d; on a carry out of the first digit d becomes
// "1" and zeros and the result is true.
bool add_one_at_last_digit(std::string& d) {
  for (std::size_t i = d.size(); i-- > 0;) {
    if (d[i] != '9') {
      ++d[i];
      return false;
    }
    d[i] = '0';
  }
  d[0] = '1';
  return true;
}

// The real text by the rules, step by step, on the exact digits.
std::string model_text(double v) {
  if (v == 0.0) return "0.000000000000000E+000";
  const Expansion exact = exact_expansion(v);
  int x = exact.x;
  // 17 significant digits, half up at the 18th; trailing zeros dropped.
  std::string d = exact.digits.substr(0, 17);
  if (exact.digits.size() > 17 && exact.digits[17] >= '5' && add_one_at_last_digit(d)) ++x;
  while (d.size() > 1 && d.back() == '0') d.pop_back();
  // The form, settled before the second rounding.
  const bool fixed = x >= 1 && x <= 7;
  // Half up to 16 digits.
  if (d.size() > 16) {
    const char cut = d[16];
    d.resize(16);
    if (cut >= '5' && add_one_at_last_digit(d)) ++x;
  }
  std::string text = v < 0 ? "-" : "";
  const int before = fixed ? x : 1;
  for (int i = 0; i < before + 15; ++i) {
    if (i == before) text += '.';
    text += static_cast<std::size_t>(i) < d.size() ? d[static_cast<std::size_t>(i)] : '0';
  }
  if (!fixed) {
    char e[16];
    std::snprintf(e, sizeof e, "E%c%03d", x - 1 < 0 ? '-' : '+', std::abs(x - 1));
    text += e;
  }
  return text;
}

std::string product_text(double v) {
  char buf[max_real_text + 8];
  return std::string(buf, static_cast<std::size_t>(format_real(v, buf)));
}

std::string reference_text(double v) {
  char buf[max_real_text + 8];
  return std::string(buf, static_cast<std::size_t>(format_real_exact(v, buf)));
}

double from_bits(std::uint64_t b) { return std::bit_cast<double>(b); }

// A finite double with uniformly random bits (sign, exponent, significand).
double random_finite(std::mt19937_64& rng) {
  for (;;) {
    const double v = from_bits(rng());
    if (std::isfinite(v)) return v;
  }
}

// Compares product and reference texts with the model for every value; reports
// the first few mismatches.
void expect_model(const std::vector<double>& values) {
  int failures = 0;
  for (const double v : values) {
    const std::string model = model_text(v);
    const std::string product = product_text(v);
    const std::string reference = reference_text(v);
    if ((product != model || reference != model) && ++failures <= 10) {
      ADD_FAILURE() << std::hexfloat << v << ": model " << model << ", product " << product
                    << ", reference " << reference;
    }
    if (model.size() < 17 || model.size() > 24) ADD_FAILURE() << "length " << model.size() << ": " << model;
  }
  EXPECT_EQ(failures, 0);
}

// The tight precision prints the same digits as 800 (no rounding at either).
TEST(RealTextExact, TightPrecisionPrintsTheExactExpansion) {
  std::mt19937_64 rng(7);
  for (int i = 0; i < 20000; ++i) {
    const double v = random_finite(rng);
    if (v == 0.0) continue;
    const Expansion tight = exact_expansion(v);
    Expansion wide = exact_expansion(v, 800);
    ASSERT_EQ(wide.x, tight.x);
    ASSERT_EQ(wide.digits, tight.digits);
  }
}

TEST(RealTextExact, RandomBitPatterns) {
  std::mt19937_64 rng(1);
  std::vector<double> values(600000);
  for (double& v : values) v = random_finite(rng);
  expect_model(values);
}

// Magnitudes of the system's own values: body masses, positions, velocities,
// constants, in both forms and across the change of form at 1 and 10^7.
TEST(RealTextExact, MagnitudesOfTheSystem) {
  std::mt19937_64 rng(8);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<double> values(1000000);
  for (double& v : values) {
    v = (unit(rng) - 0.5) * std::pow(10.0, static_cast<int>(rng() % 36) - 14);
  }
  expect_model(values);
}

TEST(RealTextExact, SubnormalsAndExtremes) {
  std::mt19937_64 rng(2);
  std::vector<double> values;
  for (int i = 0; i < 40000; ++i) values.push_back(from_bits(rng() & 0x800FFFFFFFFFFFFFu));
  for (std::uint64_t b = 1; b <= 1000; ++b) values.push_back(from_bits(b));
  for (std::uint64_t b = 0; b <= 1000; ++b) {
    values.push_back(from_bits(0x0010000000000000u - b));  // around the smallest normal
    values.push_back(from_bits(0x0010000000000000u + b));
    values.push_back(from_bits(0x7FEFFFFFFFFFFFFFu - b));  // the largest doubles
  }
  expect_model(values);
}

// Exact ties at the 18th digit: W = |v| x 10^q = n + 1/2 with q = 17 - X. For
// a double m 2^e (m odd) that needs e = -q - 1 and 2n + 1 = m 5^q, q >= 1, so
// every tie is m / 2^(q+1) with m odd, m < 2^53 and m 5^q / 2 in
// [10^16, 10^17); m 5^q is 5 or 15 modulo 20, so the 17th digit n mod 10 is 2
// or 7, where rounding the tie to even and half up give the same 16 digits.
TEST(RealTextExact, TiesAtTheEighteenthDigit) {
  std::mt19937_64 rng(3);
  std::vector<double> ties;
  std::uint64_t five_q = 1;
  for (int q = 1; q <= 24; ++q) {
    five_q *= 5;
    const std::uint64_t lo = (20000000000000000u + five_q - 1) / five_q;
    std::uint64_t hi = (200000000000000000u - 1) / five_q;
    hi = std::min<std::uint64_t>(hi, (std::uint64_t{1} << 53) - 1);
    for (int i = 0; i < 25000; ++i) {
      const std::uint64_t m = (lo + rng() % (hi - lo + 1)) | 1;
      if (m > hi) continue;
      const double v = std::ldexp(static_cast<double>(m), -(q + 1));
      ties.push_back(rng() & 1 ? -v : v);
    }
  }
  ties.push_back(2251799813685246.25);

  int to_even_differs = 0;
  for (const double v : ties) {
    const Expansion exact = exact_expansion(v);
    ASSERT_EQ(exact.digits.size(), 18u) << std::hexfloat << v;  // nothing after the 5
    ASSERT_EQ(exact.digits[17], '5');
    ASSERT_TRUE(exact.digits[16] == '2' || exact.digits[16] == '7') << exact.digits;
    char sci[32];
    std::to_chars(sci, sci + sizeof sci, std::fabs(v), std::chars_format::scientific, 16);
    if (sci[17] != exact.digits[16] + 1) ++to_even_differs;  // half up would add one
  }
  EXPECT_GT(to_even_differs, 0);  // the ties do exercise the different tie rule
  expect_model(ties);
}

// Values whose digits 17 and 18 sit at the decisions of the two roundings
// ("45", "95", "49", "50" and others), each with its neighbours.
TEST(RealTextExact, NextToRoundingBoundaries) {
  std::mt19937_64 rng(4);
  const char* tails[] = {"45", "44", "46", "95", "94", "49", "50", "55", "05", "99"};
  std::vector<double> values;
  for (int i = 0; i < 200000; ++i) {
    char text[64];
    const unsigned long long lead = 1000000000000000ull + rng() % 9000000000000000ull;
    const int exponent = static_cast<int>(rng() % 600) - 320;  // 1e-303 to 1e296
    std::snprintf(text, sizeof text, "%llu%se%d", lead, tails[rng() % 10], exponent);
    const double v = std::strtod(text, nullptr);
    for (int k = -2; k <= 2; ++k) values.push_back(from_bits(std::bit_cast<std::uint64_t>(v) + static_cast<std::uint64_t>(k)));
  }
  expect_model(values);
}

// Powers of ten and their neighbours (the decade changes, and doubles like
// 1e-14 whose 17 digits carry into the next decade), and the values next to 1
// and 10^7 where the form changes.
TEST(RealTextExact, DecadeBoundaries) {
  std::vector<double> values;
  for (int n = -323; n <= 308; ++n) {
    char text[16];
    std::snprintf(text, sizeof text, "1e%d", n);
    const std::uint64_t b = std::bit_cast<std::uint64_t>(std::strtod(text, nullptr));
    for (int k = -40; k <= 40; ++k) {
      if (k < 0 && b < 41) continue;  // below the smallest subnormals
      values.push_back(from_bits(b + static_cast<std::uint64_t>(k)));
    }
  }
  for (const double centre : {1.0, 1e7, 1e16, 1e17}) {
    const std::uint64_t b = std::bit_cast<std::uint64_t>(centre);
    for (int k = -5000; k <= 5000; ++k) {
      values.push_back(from_bits(b + static_cast<std::uint64_t>(k)));
      values.push_back(-from_bits(b + static_cast<std::uint64_t>(k)));
    }
  }
  expect_model(values);
}

// The fast path's scaled value is within 8 units of 2^-64 of the exact
// |v| x 10^(16-x), which its margin of 16 units around the rounding decision
// relies on. The exact value is read from the digits, to 20 places.
TEST(RealTextExact, ScaledValueErrorBound) {
  std::mt19937_64 rng(5);
  std::vector<double> values;
  for (int i = 0; i < 300000; ++i) values.push_back(random_finite(rng));
  for (int i = 0; i < 300000; ++i) values.push_back(std::ldexp(1.0 + static_cast<double>(rng() >> 12) * 0x1p-52, static_cast<int>(rng() % 120) - 60));
  constexpr u128 scale20 = static_cast<u128>(100000000000000000u) * 1000;  // 10^20
  constexpr std::uint64_t five20 = 95367431640625u;                      // 5^20
  long double worst = 0;
  for (const double v : values) {
    if (v == 0.0) continue;
    const ScaledReal s = scale_real(v);
    const Expansion exact = exact_expansion(v);
    if (s.x != exact.x) {
      ASSERT_EQ(s.x, exact.x + 1) << std::hexfloat << v;  // only ever one too high
      continue;
    }
    std::string d = exact.digits;
    d.resize(36, '0');
    u128 exact20 = 0;  // |v| x 10^(16-x) x 10^20, truncated
    for (int i = 0; i < 36; ++i) exact20 = exact20 * 10 + static_cast<unsigned>(d[static_cast<std::size_t>(i)] - '0');
    // fraction x 10^20 / 2^64 = fraction x 5^20 / 2^44
    const u128 approx20 = s.whole * scale20 + ((static_cast<u128>(s.fraction) * five20) >> 44);
    const u128 diff = approx20 > exact20 ? approx20 - exact20 : exact20 - approx20;
    // 8 units of 2^-64 are 43.4 units of 10^-20; two more for the truncations.
    ASSERT_LE(diff, 45u) << std::hexfloat << v;
    worst = std::max(worst, static_cast<long double>(diff));
  }
  RecordProperty("worst_error_in_1e-20", std::to_string(static_cast<double>(worst)));
}

// format_real (fast path, reference path near boundaries) against the
// reference path alone, on many more values than the exact model can take.
TEST(RealTextExact, FastPathMatchesReference) {
  std::mt19937_64 rng(6);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  long long fallbacks = 0;
  long long count = 0;
  int failures = 0;
  char fast[max_real_text + 8];
  auto check = [&](double v) {
    ++count;
    const int n = format_real_fast(v, fast);
    if (n == 0) {
      ++fallbacks;
      return;
    }
    const std::string reference = reference_text(v);
    if (std::string(fast, static_cast<std::size_t>(n)) != reference && ++failures <= 10) {
      ADD_FAILURE() << std::hexfloat << v << ": fast " << std::string(fast, static_cast<std::size_t>(n))
                    << ", reference " << reference;
    }
  };
  for (int i = 0; i < 4000000; ++i) check(random_finite(rng));
  // Magnitudes of the system's own values: masses, positions, velocities.
  for (int i = 0; i < 4000000; ++i) check((unit(rng) - 0.5) * std::pow(10.0, static_cast<int>(rng() % 30) - 12));
  for (int i = 0; i < 2000000; ++i) {
    const double tie = std::ldexp(static_cast<double>((1 + rng() % (std::uint64_t{1} << 52)) | 1), -(1 + static_cast<int>(rng() % 24)));
    check(tie);
    check(std::nextafter(tie, 0.0));
    check(std::nextafter(tie, 1e300));
  }
  EXPECT_EQ(failures, 0);
  EXPECT_LT(fallbacks * 1000, count);  // the fast path decides nearly every value
  RecordProperty("values", std::to_string(count));
  RecordProperty("fallbacks", std::to_string(fallbacks));
}

// Formatting raises no arithmetic fault flag, whatever the value.
TEST(RealTextExact, RaisesNoFaultFlags) {
  const double values[] = {0.0, -0.0, 1.5, 1e-320, std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  char buf[max_real_text + 8];
  std::feclearexcept(FE_ALL_EXCEPT);
  for (const double v : values) format_real(v, buf);
  EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
  EXPECT_EQ(product_text(std::numeric_limits<double>::infinity()), "Infinity");
  EXPECT_EQ(product_text(-std::numeric_limits<double>::infinity()), "-Infinity");
  EXPECT_EQ(product_text(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

}  // namespace
}  // namespace tembrix
