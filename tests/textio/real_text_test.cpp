// Texts of integers and reals in free-format output records.
#include "textio/real_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "textio/real_text_exact.h"

namespace tembrix {
namespace {

std::string integer_text(std::int32_t v) {
  char buf[max_integer_text + 8];
  const int n = format_integer(v, buf);
  return std::string(buf, static_cast<std::size_t>(n));
}

std::string real_text(double v) {
  char buf[max_real_text + 8];
  const int n = format_real(v, buf);
  return std::string(buf, static_cast<std::size_t>(n));
}

std::string reference_text(double v) {
  char buf[max_real_text + 8];
  const int n = format_real_exact(v, buf);
  return std::string(buf, static_cast<std::size_t>(n));
}

TEST(IntegerText, DigitsWithoutLeadingZerosAndMinusWhenNegative) {
  const struct {
    std::int32_t v;
    const char* text;
  } rows[] = {
      {0, "0"},
      {7, "7"},
      {-2, "-2"},
      {10, "10"},
      {1000, "1000"},
      {-1000001, "-1000001"},
      {2147483647, "2147483647"},
      {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
  };
  for (const auto& r : rows) EXPECT_EQ(integer_text(r.v), r.text) << r.v;
  EXPECT_EQ(static_cast<int>(integer_text(std::numeric_limits<std::int32_t>::min()).size()), max_integer_text);
}

struct RealRow {
  double v;
  const char* text;
  std::size_t length;
};

// Every row is checked against both the product path and the reference path.
TEST(RealText, TableOfValues) {
  const RealRow rows[] = {
      {1.5, "1.500000000000000", 17},
      {-1.5, "-1.500000000000000", 18},
      {12.3456789, "12.345678900000000", 18},
      {365.25636042, "365.256360420000000", 19},
      {1000.0 / 3.0, "333.333333333333300", 19},
      {9999999.0, "9999999.000000000000000", 23},
      {-9999999.0, "-9999999.000000000000000", 24},
      {10000000.0, "1.000000000000000E+007", 22},
      {0.5, "5.000000000000000E-001", 22},
      {-0.5, "-5.000000000000000E-001", 23},
      {0.0, "0.000000000000000E+000", 22},
      {-0.0, "0.000000000000000E+000", 22},
      {1.0 / 3.0, "3.333333333333333E-001", 22},
      {6.67259E-11, "6.672590000000000E-011", 22},
      {1.496E+11, "1.496000000000000E+011", 22},
      {1.0E-300, "1.000000000000000E-300", 22},
      // The largest double below 1e7 is 9999999.99999999813735...: its 16
      // digits do not carry, so no fixed-form text has eight integer digits
      // (that would need |v| >= 9999999.99999999955) and 24 is the longest text.
      {9999999.999999998, "9999999.999999998000000", 23},
      {-9999999.999999998, "-9999999.999999998000000", 24},
      // 1 - 2^-53 = 0.99999999999999988898...: 17 digits 99999999999999989.
      {1.0 - 0x1p-53, "9.999999999999999E-001", 22},
      // 1 + 2^-52 = 1.0000000000000002220...: 17 digits 10000000000000002.
      {1.0 + 0x1p-52, "1.000000000000000", 17},
      {1.0, "1.000000000000000", 17},
      {-1.0, "-1.000000000000000", 18},
      // Both roundings half up: 0.7 is 0.6999999999999999555910790..., its 17
      // digits 69999999999999996 round up to 16 digits.
      {0.7, "7.000000000000000E-001", 22},
      // 2251799813685246.25 is an exact tie at the 18th digit: 17 digits
      // 22517998136852463 (half up), then 2251799813685246 (3 rounds down).
      {2251799813685246.25, "2.251799813685246E+015", 22},
      // 1.2345678901234565 is 1.2345678901234564683...: 17 digits end in 5
      // after the first rounding, so the second one rounds up, where a single
      // rounding to 16 digits would round down.
      {1.2345678901234565, "1.234567890123457", 17},
      // The double 1e-14 is 9.99999999999999998819...e-15: its 17-digit
      // rounding carries into the next decade.
      {1e-14, "1.000000000000000E-014", 22},
      // 1e24 is 9.9999999999999998322e23: the carry comes from the 16-digit rounding.
      {1e24, "1.000000000000000E+024", 22},
      {1e23, "9.999999999999999E+022", 22},
      {12345678.0, "1.234567800000000E+007", 22},
      {-1234567.0, "-1234567.000000000000000", 24},
      {0.1, "1.000000000000000E-001", 22},
      {std::numeric_limits<double>::max(), "1.797693134862316E+308", 22},
      {std::numeric_limits<double>::min(), "2.225073858507201E-308", 22},
      {std::numeric_limits<double>::denorm_min(), "4.940656458412465E-324", 22},
      {-std::numeric_limits<double>::denorm_min(), "-4.940656458412465E-324", 23},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(real_text(r.v), r.text) << r.text;
    EXPECT_EQ(reference_text(r.v), r.text) << r.text;
    EXPECT_EQ(real_text(r.v).size(), r.length) << r.text;
  }
}

}  // namespace
}  // namespace tembrix
