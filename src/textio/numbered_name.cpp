#include "textio/numbered_name.h"

#include <string>

namespace tembrix {

std::array<char, 4> numbered_name(std::int32_t n) {
  std::array<char, 4> field{' ', ' ', ' ', 'i'};
  const std::string text = std::to_string(n);
  if (text.size() > 3) {
    field = {'*', '*', '*', 'i'};  // the number does not fit its 3 columns
  } else {
    text.copy(field.data() + (3 - text.size()), text.size());  // right-aligned
  }
  return field;
}

}  // namespace tembrix
