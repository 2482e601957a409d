// Names of the numbered convergence-history files.
#pragma once

#include <array>
#include <cstdint>

namespace tembrix {

// The 4-character name field of file n: n right-aligned in 3 characters
// ("***" when it does not fit), then "i".
std::array<char, 4> numbered_name(std::int32_t n);

}  // namespace tembrix
