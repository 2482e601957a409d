// The fixed-column fields of the parameter file: where a field lies in its
// record and how its characters convert to a value. Pure functions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tembrix {

// Every field starts at column 60; columns 1 to 59 hold a label.
inline constexpr std::size_t field_column = 60;
// Widths: integers 12 or 5, reals 11 with 5 implied decimals, names 12.
inline constexpr std::size_t wide_integer_width = 12;
inline constexpr std::size_t narrow_integer_width = 5;
inline constexpr std::size_t real_width = 11;
inline constexpr int real_implied_decimals = 5;
inline constexpr std::size_t name_width = 12;
// No field reaches past column 71, so no more of a record is ever needed.
inline constexpr std::size_t record_columns_used = 71;

enum class FieldStatus { ok, invalid, end_of_file };

template <class T>
struct FieldValue {
  FieldStatus status = FieldStatus::invalid;
  T value{};
};

// The width characters from column 60 of a record (its text without the line
// feed): a carriage return ends the record, and a record that ends early is
// filled up with blanks.
std::string field_text(std::string_view record, std::size_t width);

// An integer field: blanks and tabs dropped, a comma ends it and a code 26
// before the comma ends the file; the text is then cut at its first code 0 and
// read by the integer syntax (sign, digits or base#digits as a 32-bit pattern).
FieldValue<std::int32_t> integer_field(std::string_view field);

// A real field: collected as an integer field, then a real with 5 implied
// decimals when it has no point; blank reads as 0.0.
FieldValue<double> real_field(std::string_view field);

}  // namespace tembrix
