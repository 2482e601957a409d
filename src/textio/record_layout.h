// Layout of one free-format record over lines of at most 80 characters.
#pragma once

#include <span>
#include <cstddef>
#include <string>
#include <vector>

#include "textio/item.h"

namespace tembrix {

// Appends the lines of one record to out, each line followed by CR LF.
void lay_out_record(std::span<const Item> items, std::string& out);

// As above, and appends to line_starts the offset in out at which each line begins
// (the console needs the lines one by one, and a character item may hold CR LF itself).
void lay_out_record(std::span<const Item> items, std::string& out,
                    std::vector<std::size_t>& line_starts);

}  // namespace tembrix
