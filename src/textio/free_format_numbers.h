// Conversion of number texts to values: the integer and real syntax shared by
// the free-format reads and the fixed-column fields of the parameter file.
// Every function is pure: a text that breaks the syntax or the range gives
// std::nullopt, and the arithmetic fault flags are left as they were.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tembrix {

// Longest value text a free-format read accepts.
inline constexpr std::size_t max_value_text = 519;

// Free-format integer text: optional sign, then decimal digits or base#digits
// (base 2..36, empty base = 16, digits 0-9 and letters of either case, empty
// digits = 0); the value must lie in the 32-bit range either way, so
// 16#FFFFFFFF is out of range and -16#80000000 is -2147483648. Empty text and
// a sign alone read as 0.
std::optional<std::int32_t> integer_from_text(std::string_view text);

// Integer text of a fixed-column field (blanks already dropped): as above,
// except that base#digits may fill 32 bits and their pattern is the value
// (16#FFFFFFFF is -1, 16#80000000 is -2147483648).
std::optional<std::int32_t> integer_from_field_text(std::string_view text);

// Free-format real text: optional sign, digits with at most one point (at
// least one digit), optional exponent (E, e, D or d with optional sign and
// digits, or a sign directly followed by digits). The whole text must be used.
// Nearest double; a magnitude that rounds beyond the largest double gives
// nullopt, one below the smallest double gives a subnormal or zero.
std::optional<double> real_from_text(std::string_view text);

// Real text of a fixed-column field (blanks already dropped): the free-format
// syntax, except that a point alone, a sign alone or nothing reads as 0.0 and
// that a mantissa without a point has its last `implied_decimals` digits
// after the point (12345 with 5 reads as 0.12345, 15E2 as 0.015).
std::optional<double> real_from_field_text(std::string_view text, int implied_decimals);

}  // namespace tembrix
