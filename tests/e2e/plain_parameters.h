// Plain reading of the fixed-column parameter file for the model of a whole
// run: records split at line feeds, the field cut from column 60, its
// characters taken one by one, then the number syntax checked by hand and the
// decimal number rounded by strtod (correctly rounded in glibc).
#pragma once

#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace tembrix::test {

// The 17 values of the parameter file, at their values before reading.
struct PlainParameters {
  std::int32_t ncirc = 0, nbc = 0;
  double drad = 0.0;
  std::int32_t iradf = 0;
  std::string fradii = std::string(12, '\0');
  double omtot = 0.0, fcen = 0.0;
  std::int32_t iphase = 0, iphf = 0;
  double period = 0.0, eps = 0.0;
  std::int32_t maxit = 0;
  double tilt = 0.0, dens = 0.0, hval = 0.0;
  std::string fstate = std::string(12, '\0');
  std::int32_t itag = 0;
};

// Restores the floating-point flags on leaving: converting input text is never
// an arithmetic fault of the run.
class PlainFlagsKept {
 public:
  PlainFlagsKept() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
  ~PlainFlagsKept() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }

 private:
  std::fexcept_t saved_;
};

inline bool plain_is_digit(char c) { return c >= '0' && c <= '9'; }

// Integer text: sign, then decimal digits in the 32-bit range, or base#digits
// (empty base 16, empty digits 0) whose pattern of at most 32 bits is the
// value, negated modulo 2^32 after a minus sign. Empty text or a sign alone is 0.
inline std::optional<std::int32_t> plain_integer(std::string t, bool radix_as_pattern) {
  bool negative = false;
  if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
    negative = t[0] == '-';
    t.erase(0, 1);
  }
  const std::size_t hash = t.find('#');
  if (hash == std::string::npos) {
    long long v = 0;
    for (char c : t) {
      if (!plain_is_digit(c)) return std::nullopt;
      v = v * 10 + (c - '0');
      if (v > 2147483648LL) return std::nullopt;
    }
    if (negative) v = -v;
    if (v > 2147483647LL) return std::nullopt;
    return static_cast<std::int32_t>(v);
  }
  long long base = 16;
  if (hash > 0) {
    base = 0;
    for (std::size_t n = 0; n < hash; ++n) {
      if (!plain_is_digit(t[n])) return std::nullopt;
      base = base * 10 + (t[n] - '0');
      if (base > 36) return std::nullopt;
    }
  }
  if (base < 2) return std::nullopt;
  unsigned long long v = 0;
  for (std::size_t n = hash + 1; n < t.size(); ++n) {
    const char c = t[n];
    long long d = 99;
    if (plain_is_digit(c)) d = c - '0';
    if (c >= 'a' && c <= 'z') d = c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') d = c - 'A' + 10;
    if (d >= base) return std::nullopt;
    v = v * static_cast<unsigned long long>(base) + static_cast<unsigned long long>(d);
    if (v > 0xFFFFFFFFULL) return std::nullopt;
  }
  if (!radix_as_pattern) {
    // Free-format reads: the value itself must lie in the 32-bit range.
    const long long s = negative ? -static_cast<long long>(v) : static_cast<long long>(v);
    if (s < -2147483648LL || s > 2147483647LL) return std::nullopt;
    return static_cast<std::int32_t>(s);
  }
  std::uint32_t bits = static_cast<std::uint32_t>(v);
  if (negative) bits = 0U - bits;
  return static_cast<std::int32_t>(bits);
}

// Real text: sign, digits with at most one point, optional exponent (a letter
// E D e d with optional sign, or a sign alone, then digits); the whole text.
// A mantissa without a point has its last `implied` digits as decimals.
// nullopt for anything else and for a magnitude beyond the largest double.
// With a mantissa of no digit: nullopt, or 0.0 when `point_alone_is_zero`
// and the mantissa is a point.
inline std::optional<double> plain_real(const std::string& t, int implied, bool point_alone_is_zero) {
  std::size_t p = 0;
  bool negative = false;
  if (p < t.size() && (t[p] == '+' || t[p] == '-')) negative = t[p++] == '-';
  std::string digits;
  bool point = false;
  for (; p < t.size(); ++p) {
    if (plain_is_digit(t[p])) {
      digits += t[p];
    } else if (t[p] == '.' && !point) {
      point = true;
      digits += '.';
    } else {
      break;
    }
  }
  std::string exponent;
  if (p < t.size()) {
    const char c = t[p];
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
      ++p;
      if (p < t.size() && (t[p] == '+' || t[p] == '-')) exponent += t[p++];
    } else if (c == '+' || c == '-') {
      exponent += t[p++];
    } else {
      return std::nullopt;
    }
    if (p == t.size()) return std::nullopt;
    for (; p < t.size(); ++p) {
      if (!plain_is_digit(t[p])) return std::nullopt;
      exponent += t[p];
    }
  }
  if (digits.find_first_of("0123456789") == std::string::npos) {
    if (point && point_alone_is_zero) return 0.0;
    return std::nullopt;
  }
  if (!point) {
    // Implied decimals: put the point before the last `implied` digits.
    while (static_cast<int>(digits.size()) < implied) digits.insert(0, 1, '0');
    digits.insert(digits.size() - static_cast<std::size_t>(implied), 1, '.');
  }
  std::string text = (negative ? "-" : "") + digits + (exponent.empty() ? "" : "e" + exponent);
  PlainFlagsKept kept;
  errno = 0;
  const double v = std::strtod(text.c_str(), nullptr);
  if (std::isinf(v)) return std::nullopt;
  return v;
}

// The records of a text file: split at line feeds, each cut at its first
// carriage return; a last line without a line feed is a record too.
inline std::vector<std::string> plain_records(const std::string& bytes) {
  std::vector<std::string> records;
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t end = bytes.find('\n', at);
    if (end == std::string::npos) end = bytes.size();
    std::string r = bytes.substr(at, end - at);
    const std::size_t cr = r.find('\r');
    if (cr != std::string::npos) r.resize(cr);
    records.push_back(r);
    at = end + 1;
  }
  return records;
}

enum class PlainField { ok, invalid, end_of_file };

// The characters of a numeric field of `width` from column 60: blanks and tabs
// dropped, a comma or the record's end stops the taking, code 26 ends the
// file; then the text is cut at its first code 0.
inline PlainField plain_take(const std::string& record, std::size_t width, std::string& out) {
  out.clear();
  for (std::size_t n = 59; n < 59 + width && n < record.size(); ++n) {
    const char c = record[n];
    if (c == ' ' || c == '\t') continue;
    if (c == ',') break;
    if (c == '\x1a') return PlainField::end_of_file;
    out += c;
  }
  const std::size_t nul = out.find('\0');
  if (nul != std::string::npos) out.resize(nul);
  return PlainField::ok;
}

// Reads the parameter file's bytes into p, record by record; false at the
// first record that is missing or cannot be read (it and the later fields
// keep their values).
inline bool plain_read_parameters(const std::string& bytes, PlainParameters& p) {
  const std::vector<std::string> records = plain_records(bytes);
  std::size_t r = 0;
  std::string t;
  auto integer = [&](std::int32_t& target, std::size_t width) {
    if (r >= records.size() || plain_take(records[r++], width, t) != PlainField::ok) return false;
    const auto v = plain_integer(t, true);
    if (!v) return false;
    target = *v;
    return true;
  };
  auto real = [&](double& target) {
    if (r >= records.size() || plain_take(records[r++], 11, t) != PlainField::ok) return false;
    const auto v = (t.empty() || t == "+" || t == "-") ? std::optional<double>(0.0) : plain_real(t, 5, true);
    if (!v) return false;
    target = *v;
    return true;
  };
  auto name = [&](std::string& target) {
    if (r >= records.size()) return false;
    std::string field = records[r++];
    field = field.size() > 59 ? field.substr(59, 12) : "";
    field.resize(12, ' ');
    target = field;
    return true;
  };
  return integer(p.ncirc, 12) && integer(p.nbc, 12) && real(p.drad) && integer(p.iradf, 5) &&
         name(p.fradii) && real(p.omtot) && real(p.fcen) && integer(p.iphase, 5) && integer(p.iphf, 5) &&
         real(p.period) && real(p.eps) && integer(p.maxit, 12) && real(p.tilt) && real(p.dens) &&
         real(p.hval) && name(p.fstate) && integer(p.itag, 12);
}

}  // namespace tembrix::test
