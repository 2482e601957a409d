#include "textio/free_format_numbers.h"

#include <charconv>
#include <string>
#include <system_error>

#include "textio/arith_fault.h"

namespace tembrix {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Value of c as a digit of bases up to 36 (letters of either case are 10..35),
// or 36 when c is no such digit.
unsigned digit_value(char c) {
  if (is_digit(c)) return static_cast<unsigned>(c - '0');
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned>(c - 'A') + 10;
  if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - 'a') + 10;
  return 36;
}

// Decimal digits (possibly none, which reads as 0) within the 32-bit range;
// a negative value may reach 2147483648 in magnitude.
std::optional<std::int32_t> decimal_integer(std::string_view digits, bool negative) {
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  for (char c : digits) {
    if (!is_digit(c)) return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return std::nullopt;  // checked per digit, so no overflow
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// How the value of base#digits is bounded.
enum class RadixValue {
  bit_pattern,  // the digits form a pattern of at most 32 bits, read as a signed integer
  in_range,     // the signed value itself must lie in the 32-bit range
};

// base#digits: an empty base means 16, empty digits read as 0 (as a sign alone
// does); a second '#', a base outside 2..36 or a digit not below the base is invalid.
std::optional<std::int32_t> radix_integer(std::string_view base_text, std::string_view digits, bool negative,
                                          RadixValue rule) {
  unsigned base = 16;
  if (!base_text.empty()) {
    base = 0;
    for (char c : base_text) {
      if (!is_digit(c)) return std::nullopt;
      base = base * 10 + static_cast<unsigned>(c - '0');
      if (base > 36) return std::nullopt;
    }
  }
  if (base < 2) return std::nullopt;
  const std::uint64_t limit = rule == RadixValue::bit_pattern ? 0xFFFFFFFFULL
                              : negative                      ? 0x80000000ULL
                                                              : 0x7FFFFFFFULL;
  std::uint64_t magnitude = 0;
  for (char c : digits) {
    const unsigned d = digit_value(c);  // a second '#' is no digit
    if (d >= base) return std::nullopt;
    magnitude = magnitude * base + d;
    if (magnitude > limit) return std::nullopt;  // checked per digit, so no overflow
  }
  std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
  if (negative) bits = 0U - bits;  // modular, so -16#80000000 stays -2147483648
  return static_cast<std::int32_t>(bits);
}

// Optional sign, then decimal digits or base#digits.
std::optional<std::int32_t> integer_with_rule(std::string_view text, RadixValue rule) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const std::size_t hash = text.find('#');
  if (hash == std::string_view::npos) return decimal_integer(text, negative);
  return radix_integer(text.substr(0, hash), text.substr(hash + 1), negative, rule);
}

// A real text split into its parts; the mantissa keeps its point.
struct DecimalText {
  bool negative = false;
  std::string_view mantissa;
  bool has_point = false;
  int digit_count = 0;
  std::int64_t exponent = 0;
};

// Exponent magnitudes are capped here: any cap far beyond the double range plus
// the longest mantissa leaves the rounded result unchanged.
constexpr std::int64_t exponent_cap = 100000000;

// Splits text into sign, mantissa and exponent; nullopt when the text is not
// exactly one number of that form (the mantissa may still hold no digit).
std::optional<DecimalText> split_real(std::string_view text) {
  DecimalText d;
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) d.negative = text[pos++] == '-';
  const std::size_t start = pos;
  for (; pos < text.size(); ++pos) {
    if (is_digit(text[pos])) {
      ++d.digit_count;
    } else if (text[pos] == '.' && !d.has_point) {
      d.has_point = true;
    } else {
      break;
    }
  }
  d.mantissa = text.substr(start, pos - start);
  if (pos == text.size()) return d;

  // Exponent: a letter with an optional sign, or a sign alone, then digits.
  const char c = text[pos];
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  } else if (c == '+' || c == '-') {
    ++pos;
  } else {
    return std::nullopt;
  }
  const bool exponent_negative = text[pos - 1] == '-';
  if (pos == text.size()) return std::nullopt;  // no digit after the letter or sign
  std::int64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    if (!is_digit(text[pos])) return std::nullopt;
    if (magnitude < exponent_cap) magnitude = magnitude * 10 + (text[pos] - '0');
  }
  d.exponent = exponent_negative ? -magnitude : magnitude;
  return d;
}

// The double nearest to the number d, whose mantissa holds at least one digit;
// a mantissa without a point has its last implied_decimals digits as decimals.
std::optional<double> nearest_double(const DecimalText& d, int implied_decimals) {
  std::string digits;
  std::int64_t fraction_digits = d.has_point ? 0 : implied_decimals;
  bool after_point = false;
  for (char c : d.mantissa) {
    if (c == '.') {
      after_point = true;
      continue;
    }
    if (after_point) ++fraction_digits;
    if (digits.empty() && c == '0') continue;  // leading zeros carry no value
    digits += c;
  }
  const double zero = d.negative ? -0.0 : 0.0;
  if (digits.empty()) return zero;

  const std::int64_t scale = d.exponent - fraction_digits;  // value = digits * 10^scale
  const auto significant = static_cast<std::int64_t>(digits.size());
  digits += 'e';
  digits += std::to_string(scale);
  double value = 0.0;
  std::from_chars_result result;
  {
    FaultFlagsGuard guard;  // underflow and inexact results are no fault of the input
    result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  }
  if (result.ec == std::errc::result_out_of_range) {
    // Out of range either way: below the smallest subnormal when the leading
    // digit stands after the point, beyond the largest double otherwise.
    if (scale + significant - 1 < 0) return zero;
    return std::nullopt;
  }
  if (result.ec != std::errc()) return std::nullopt;
  return d.negative ? -value : value;
}

}  // namespace

std::optional<std::int32_t> integer_from_text(std::string_view text) {
  return integer_with_rule(text, RadixValue::in_range);
}

std::optional<std::int32_t> integer_from_field_text(std::string_view text) {
  return integer_with_rule(text, RadixValue::bit_pattern);
}

std::optional<double> real_from_text(std::string_view text) {
  const auto d = split_real(text);
  if (!d || d->digit_count == 0) return std::nullopt;
  return nearest_double(*d, 0);
}

std::optional<double> real_from_field_text(std::string_view text, int implied_decimals) {
  if (text.empty() || text == "+" || text == "-") return 0.0;
  const auto d = split_real(text);
  if (!d) return std::nullopt;
  if (d->digit_count == 0) {
    // A point alone is zero; an exponent without any mantissa is no number.
    if (d->has_point) return 0.0;
    return std::nullopt;
  }
  return nearest_double(*d, implied_decimals);
}

}  // namespace tembrix
