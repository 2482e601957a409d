#include "parameters/parameter_fields.h"

#include <algorithm>

#include "textio/free_format_numbers.h"

namespace tembrix {

namespace {

constexpr char end_of_file_code = 26;  // a code 26 inside a numeric field ends the file

// The characters of a numeric field that form its number. The field is taken
// first: blanks and tabs are dropped wherever they stand, a comma ends it, a
// code 26 before that ends the file (even after a code 0). Only then is the
// text cut at its first code 0.
FieldValue<std::string> number_text(std::string_view field) {
  FieldValue<std::string> text{FieldStatus::ok, {}};
  for (char c : field) {
    if (c == ',') break;
    if (c == end_of_file_code) return {FieldStatus::end_of_file, {}};
    if (c != ' ' && c != '\t') text.value += c;
  }
  text.value.resize(std::min(text.value.find('\0'), text.value.size()));
  return text;
}

}  // namespace

std::string field_text(std::string_view record, std::size_t width) {
  record = record.substr(0, record.find('\r'));
  std::string field(width, ' ');
  if (record.size() >= field_column) {
    const std::string_view present = record.substr(field_column - 1, width);
    present.copy(field.data(), present.size());
  }
  return field;
}

FieldValue<std::int32_t> integer_field(std::string_view field) {
  const auto text = number_text(field);
  if (text.status != FieldStatus::ok) return {text.status, 0};
  const auto value = integer_from_field_text(text.value);
  if (!value) return {FieldStatus::invalid, 0};
  return {FieldStatus::ok, *value};
}

FieldValue<double> real_field(std::string_view field) {
  const auto text = number_text(field);
  if (text.status != FieldStatus::ok) return {text.status, 0.0};
  // The conversion keeps the arithmetic fault flags as they were, so a
  // magnitude below the smallest double is no fault.
  const auto value = real_from_field_text(text.value, real_implied_decimals);
  if (!value) return {FieldStatus::invalid, 0.0};
  return {FieldStatus::ok, *value};
}

}  // namespace tembrix
