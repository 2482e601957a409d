// One item of a free-format output record: a 32-bit integer, a double, or a
// character string written exactly as it stands.
#pragma once

#include <cstdint>
#include <string_view>

namespace tembrix {

struct Item {
  enum class Kind : std::uint8_t { integer, real, character };
  Kind kind;
  std::int32_t i = 0;
  double r = 0.0;
  std::string_view c{};
};

// The item of each kind; a character item refers to its text, which must
// outlive the writing of the record.
inline Item int_item(std::int32_t v) { return Item{Item::Kind::integer, v, 0.0, {}}; }
inline Item real_item(double v) { return Item{Item::Kind::real, 0, v, {}}; }
inline Item char_item(std::string_view v) { return Item{Item::Kind::character, 0, 0.0, v}; }

}  // namespace tembrix
