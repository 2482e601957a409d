// The fixed-width name fields of a run.
#pragma once

#include <array>

namespace tembrix {

// A fixed 12-character name field, kept with every blank and code 0 it holds.
using NameField = std::array<char, 12>;

}  // namespace tembrix
