// Free-format reads: the number conversions, the scanner over whole files, and
// the faults that end the run.
#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "textio/arith_fault.h"
#include "textio/free_format_input.h"
#include "textio/free_format_numbers.h"
#include "textio/units.h"

namespace tembrix {
namespace {

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

// ---------------------------------------------------------------- integers

struct IntegerCase {
  const char* text;
  std::optional<std::int32_t> expected;
};

// Rows where the free-format value and the parameter file's I field agree.
TEST(IntegerFromText, SyntaxAndRange) {
  const IntegerCase cases[] = {
      {"0", 0},
      {"+7", 7},
      {"-42", -42},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"+", 0},
      {"-", 0},
      {"", 0},
      {"1.0", std::nullopt},
      {"1E2", std::nullopt},
      {"1-", std::nullopt},
      {"--1", std::nullopt},
      {"1 2", std::nullopt},
      {"12a", std::nullopt},
      {"16#1F", 31},
      {"16#1f", 31},
      {"#ff", 255},
      {"2#101", 5},
      {"8#777", 511},
      {"36#Zz", 35 * 36 + 35},
      {"0016#F", 15},
      {"-16#1F", -31},
      {"-16#80000000", INT32_MIN},  // in range as a value, and the negated pattern too
      {"16#7FFFFFFF", 2147483647},
      {"16#100000000", std::nullopt},
      {"37#1", std::nullopt},
      {"1#1", std::nullopt},
      {"0#1", std::nullopt},
      {"2#2", std::nullopt},
      {"16#G", std::nullopt},
      // Empty digits are not among what makes the radix form invalid: they read as 0, as a sign alone does.
      {"16#", 0},
      {"8#", 0},
      {"#", 0},
      {"-#", 0},
      {"37#", std::nullopt},  // the base is still checked
      {"16#1#2", std::nullopt},
      {"1A#1", std::nullopt},
      {"16#+1", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(integer_from_text(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(integer_from_field_text(c.text), c.expected) << '"' << c.text << '"';
  }
}

// Radix texts beyond the 32-bit range: a parameter-file I field reads the
// 32-bit pattern of the digits; a free-format value must lie in the range
// like every integer there, since no pattern rule is given for it.
TEST(IntegerFromText, RadixBeyondTheRangeIsAPatternOnlyInParameterFields) {
  const struct {
    const char* text;
    std::optional<std::int32_t> free_format, parameter_field;
  } cases[] = {
      {"16#FFFFFFFF", std::nullopt, -1},
      {"16#80000000", std::nullopt, INT32_MIN},
      {"-16#80000001", std::nullopt, INT32_MAX},
      {"-16#FFFFFFFF", std::nullopt, 1},
      {"2#11111111111111111111111111111111", std::nullopt, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(integer_from_text(c.text), c.free_format) << '"' << c.text << '"';
    EXPECT_EQ(integer_from_field_text(c.text), c.parameter_field) << '"' << c.text << '"';
  }
}

// Text of v in base b, digits 0-9 then letters of mixed case.
std::string in_base(std::uint32_t v, unsigned b, std::mt19937_64& rng) {
  std::string s;
  do {
    const unsigned d = v % b;
    char c = d < 10 ? static_cast<char>('0' + d) : static_cast<char>('A' + d - 10);
    if (d >= 10 && (rng() & 1)) c = static_cast<char>(c - 'A' + 'a');
    s.insert(s.begin(), c);
    v /= b;
  } while (v != 0);
  return s;
}

TEST(IntegerFromText, RandomSweepAgainstWideArithmetic) {
  std::mt19937_64 rng(20240611);
  for (int n = 0; n < 200000; ++n) {
    // Decimal texts around and beyond the 32-bit range.
    const std::int64_t v = static_cast<std::int64_t>(rng() % 8589934592ULL) - 4294967296LL;
    const auto got = integer_from_text(std::to_string(v));
    if (v >= INT32_MIN && v <= INT32_MAX) {
      ASSERT_EQ(got, static_cast<std::int32_t>(v)) << v;
    } else {
      ASSERT_EQ(got, std::nullopt) << v;
    }
    // Radix texts of every base, either sign: a parameter field reads the
    // (negated) pattern back, a free-format value only what lies in the range.
    const auto pattern = static_cast<std::uint32_t>(rng());
    const unsigned base = 2 + static_cast<unsigned>(rng() % 35);
    const bool negative = rng() % 2;
    const std::string text = (negative ? "-" : "") + std::to_string(base) + "#" + in_base(pattern, base, rng);
    ASSERT_EQ(integer_from_field_text(text), static_cast<std::int32_t>(negative ? 0U - pattern : pattern)) << text;
    const std::int64_t value = negative ? -static_cast<std::int64_t>(pattern) : pattern;
    if (value >= INT32_MIN && value <= INT32_MAX) {
      ASSERT_EQ(integer_from_text(text), static_cast<std::int32_t>(value)) << text;
    } else {
      ASSERT_EQ(integer_from_text(text), std::nullopt) << text;
    }
  }
}

// ------------------------------------------------------------------- reals

struct RealCase {
  const char* text;
  std::optional<double> expected;
};

TEST(RealFromText, SyntaxExponentsAndLimits) {
  const RealCase cases[] = {
      {"1.5E+11", 1.5e11},
      {"1.5d11", 1.5e11},
      {"1.5D-3", 0.0015},
      {"1.5e3", 1500.0},
      {"15", 15.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"-.5", -0.5},
      {"+2.5", 2.5},
      {"1.5-3", 0.0015},
      {"1.5+3", 1500.0},
      {"0.1", 0.1},
      {"123456789012345678901234567890", 123456789012345678901234567890.0},
      {"1E-999", 0.0},
      {"-1E-999", -0.0},
      {"4.9406564584124654e-324", 4.9406564584124654e-324},
      {"2.4703282292062328e-324", 4.9406564584124654e-324},  // just above half the least subnormal
      {"2.4703282292062327e-324", 0.0},
      {"1.7976931348623157e308", DBL_MAX},
      {"0e999999999999999999", 0.0},
      {"1E999", std::nullopt},
      {"1.8e308", std::nullopt},
      {"-1.8e308", std::nullopt},
      {"1.5Q3", std::nullopt},
      {"1.5E", std::nullopt},
      {"1.5E+", std::nullopt},
      {"1.5-", std::nullopt},
      {"1.5E3.", std::nullopt},
      {"1.5e3e3", std::nullopt},
      {"1..5", std::nullopt},
      {"1.5.", std::nullopt},
      {".", std::nullopt},
      {"+", std::nullopt},
      {"-.", std::nullopt},
      {"", std::nullopt},
      {"E5", std::nullopt},
      {"+E5", std::nullopt},
      {"1 5", std::nullopt},
      {"0x10", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto got = real_from_text(c.text);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << '"' << c.text << '"';
    if (got) {
      EXPECT_EQ(bits(*got), bits(*c.expected)) << '"' << c.text << '"';
    }
  }
}

TEST(RealFromText, UnderflowAndOverflowRaiseNoFaultFlag) {
  clear_arithmetic_faults();
  for (const char* text : {"1E-999", "1E999", "4.9e-324", "1.7976931348623159e308", "0.1"}) {
    (void)real_from_text(text);
    (void)real_from_field_text(text, 5);
  }
  EXPECT_EQ(raised_arithmetic_faults(), 0);
}

// Random decimal texts of up to 40 digits over the whole exponent range, in
// a form glibc's correctly rounded strtod also reads.
std::string random_real_text(std::mt19937_64& rng, bool with_point) {
  std::string s;
  if (rng() % 3 == 0) s += '-';
  const int digits = 1 + static_cast<int>(rng() % 40);
  const int point = with_point ? static_cast<int>(rng() % (digits + 1)) : -1;
  for (int k = 0; k < digits; ++k) {
    if (k == point) s += '.';
    s += static_cast<char>('0' + rng() % 10);
  }
  if (point == digits) s += '.';
  s += 'e';
  s += std::to_string(static_cast<int>(rng() % 800) - 400);
  return s;
}

TEST(RealFromText, RandomSweepMatchesCorrectlyRoundedStrtod) {
  std::mt19937_64 rng(7);
  for (int n = 0; n < 200000; ++n) {
    const std::string text = random_real_text(rng, rng() & 1);
    errno = 0;
    const double model = std::strtod(text.c_str(), nullptr);
    const auto got = real_from_text(text);
    if (std::isinf(model)) {
      ASSERT_EQ(got, std::nullopt) << text;
    } else {
      ASSERT_TRUE(got.has_value()) << text;
      ASSERT_EQ(bits(*got), bits(model)) << text;
    }
  }
}

TEST(RealFromFieldText, ImpliedDecimalsMatchShiftedExponent) {
  std::mt19937_64 rng(11);
  for (int n = 0; n < 100000; ++n) {
    std::string digits;
    const int count = 1 + static_cast<int>(rng() % 11);
    for (int k = 0; k < count; ++k) digits += static_cast<char>('0' + rng() % 10);
    const int exponent = static_cast<int>(rng() % 700) - 350;
    const std::string text = digits + "E" + std::to_string(exponent);
    const double model = std::strtod((digits + "e" + std::to_string(exponent - 5)).c_str(), nullptr);
    const auto got = real_from_field_text(text, 5);
    if (std::isinf(model)) {
      ASSERT_EQ(got, std::nullopt) << text;
    } else {
      ASSERT_TRUE(got.has_value()) << text;
      ASSERT_EQ(bits(*got), bits(model)) << text;
    }
  }
}

// ------------------------------------------------------ reads from a file

constexpr int unit = 2;
constexpr std::int32_t i_before = 99;
constexpr double x_before = 9.5;

struct Values {
  std::int32_t i;
  double x;
};

struct ReadCase {
  const char* what;
  std::string text;
  std::vector<Values> after_each_read;  // (i, x) after read_values(i, x), one read per entry
};

class FreeFormatRead : public ::testing::Test {
 protected:
  // Opening a unit checks the fault flags, which earlier tests of this program may have left raised.
  void SetUp() override { clear_arithmetic_faults(); }
  // Writes text as the file and connects the unit to it.
  void open_with(const std::string& text) {
    dir_.write("in.dat", text);
    open_unit(unit, (dir_.path() / "in.dat").string(), OpenMode::create_or_open);
  }
  void TearDown() override { close_unit(unit); }

  test::ScratchDir dir_;
};

TEST_F(FreeFormatRead, SeparatorsNullsRepeatsSlashAndRecords) {
  const ReadCase cases[] = {
      {"blank", "1 1.5E+11\n", {{1, 1.5e11}}},
      {"comma", "1,1.5E+11\n", {{1, 1.5e11}}},
      {"blanks around comma", "1 , 1.5d11\n", {{1, 1.5e11}}},
      {"tab", "1\t2.5\n", {{1, 2.5}}},
      {"values over two records", "1\n1.5\n2 2.5\n", {{1, 1.5}, {2, 2.5}}},
      {"empty records and leading blanks", "\n\n  \t\n   1  2.5\n", {{1, 2.5}}},
      {"rest of record ignored", "1 2.5 3.5\n4 4.5\n", {{1, 2.5}, {4, 4.5}}},
      {"trailing blank", "1 2.5 \n4 4.5\n", {{1, 2.5}, {4, 4.5}}},
      {"leading comma is a null", ",2.5\n", {{i_before, 2.5}}},
      {"two commas", "1,,\n", {{1, x_before}}},
      {"blank comma comma", "1 ,,\n", {{1, x_before}}},
      {"comma blank comma", "1, ,7\n", {{1, x_before}}},
      {"comma then end of record", "1,\n2.5\n", {{1, 2.5}}},
      {"repeat", "2*7\n", {{7, 7.0}}},
      {"repeat of nulls, blank", "2* 5\n", {{i_before, x_before}}},
      {"repeat of nulls, comma", "2*,5\n", {{i_before, x_before}}},
      {"repeat of nulls at the end of the record", "1 2*\n5 5.5\n", {{1, x_before}, {5, 5.5}}},
      {"repeat count of one", "1*5 2.5\n", {{5, 2.5}}},
      {"repeat left over", "3*4\n6 6.5\n", {{4, 4.0}, {6, 6.5}}},
      {"slash", "1 / 5\n6 6.5\n", {{1, x_before}, {6, 6.5}}},
      {"slash right after the value", "1/\n2 3.5\n", {{1, x_before}, {2, 3.5}}},
      {"slash alone", "/\n", {{i_before, x_before}}},
      {"whole number real", "1 15\n", {{1, 15.0}}},
      {"point first", "1 .5\n", {{1, 0.5}}},
      {"point last", "1 5.\n", {{1, 5.0}}},
      {"exponent without letter", "1 1.5-3\n", {{1, 0.0015}}},
      {"underflow", "1 1E-999\n", {{1, 0.0}}},
      {"radix integer", "16#1F 1\n", {{31, 1.0}}},
      // Empty radix digits read as 0; the lowest integer in radix form is in range.
      {"radix integer without digits", "16# 1\n# 2\n", {{0, 1.0}, {0, 2.0}}},
      {"lowest radix integer", "-16#80000000 1\n", {{INT32_MIN, 1.0}}},
      {"CR LF", "1 2.5\r\n3 3.5\r\n", {{1, 2.5}, {3, 3.5}}},
      {"CR LF between values", "1\r\n2.5\r\n", {{1, 2.5}}},
      {"no line feed at the end", "1 2.5\n3 3.5", {{1, 2.5}, {3, 3.5}}},
      {"CR ends the data", "1 2.5\rjunk 7\n3 3.5\n", {{1, 2.5}, {3, 3.5}}},
      {"CR hides the second value", "1\r 2.5\n3.5\n", {{1, 3.5}}},
      {"longest value text", "1 " + std::string(516, '0') + "2.5\n", {{1, 2.5}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    open_with(c.text);
    std::int32_t i = i_before;
    double x = x_before;
    for (const Values& want : c.after_each_read) {
      read_values(unit, {&i, &x});
      EXPECT_EQ(i, want.i);
      EXPECT_EQ(bits(x), bits(want.x)) << x;
    }
    close_unit(unit);
  }
}

TEST_F(FreeFormatRead, TargetsOfEitherKindInAnyOrder) {
  open_with("2.5 3 16#10\n-0.0 -2147483648\n");
  double x = 0.0, y = 0.0;
  std::int32_t i = 0, j = 0;
  read_values(unit, {&x, &y, &i});
  EXPECT_EQ(x, 2.5);
  EXPECT_EQ(y, 3.0);
  EXPECT_EQ(i, 16);
  read_values(unit, {&x, &j});
  EXPECT_EQ(bits(x), bits(-0.0));
  EXPECT_EQ(j, INT32_MIN);
}

// ------------------------------------------------------------------ faults

struct FaultCase {
  const char* what;
  std::string text;
  int reads;         // reads of (i, x) until the fault
  const char* code;  // condition number in the diagnostic
};

TEST_F(FreeFormatRead, FaultsEndTheRunWithAReadDiagnostic) {
  const FaultCase cases[] = {
      {"empty file", "", 1, "F0007"},
      {"only blank records", "\n  \n", 1, "F0007"},
      {"file ends before the real", "1\n", 1, "F0007"},
      {"fewer records than reads", "1 1.0\n", 2, "F0007"},
      {"integer with a point", "1.0 2.5\n", 1, "F0008"},
      {"integer out of range", "2147483648 1\n", 1, "F0008"},
      // No 32-bit pattern rule holds here: a radix value outside the range is a fault too.
      {"radix integer of 32 bits", "16#FFFFFFFF 1\n", 1, "F0008"},
      {"radix integer one past the range", "16#80000000 1\n", 1, "F0008"},
      {"letter after the real", "1 1.5Q3\n", 1, "F0009"},
      {"exponent letter alone", "1 1.5E\n", 1, "F0009"},
      {"overflow", "1 1E999\n", 1, "F0009"},
      {"repeat count 0", "0*5 1\n", 1, "F0010"},
      {"repeat count not an integer", "x*5 1\n", 1, "F0010"},
      {"repeat while one is pending", "2*3*4\n", 1, "F0010"},
      {"negative repeat count", "-2*4\n", 1, "F0010"},
      {"character constant", "'a' 1\n", 1, "F0011"},
      {"quoted constant", "1 \"a\"\n", 1, "F0011"},
      {"complex constant", "1 (1.0,2.0)\n", 1, "F0011"},
      {"value text too long", "1 " + std::string(517, '0') + "2.5\n", 1, "F0012"},
      {"repeated real for an integer", "1 2.5\n2*1.5\n", 2, "F0008"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dir_.write("in.dat", c.text);
    const std::string path = (dir_.path() / "in.dat").string();
    EXPECT_EXIT(
        {
          open_unit(unit, path, OpenMode::create_or_open);
          std::int32_t i = 0;
          double x = 0.0;
          for (int r = 0; r < c.reads; ++r) read_values(unit, {&i, &x});
          std::exit(0);  // not reached when the read faults
        },
        ::testing::ExitedWithCode(1), std::string("run-time error ") + c.code + ": READ\\(.*in\\.dat\\)");
  }
}

}  // namespace
}  // namespace tembrix
