// Layout of one free-format record over lines of at most 80 characters.
#pragma once

#include <span>
#include <string>

#include "textio/item.h"

namespace tembrix {

// Appends the lines of one record to out, each line followed by CR LF.
void lay_out_record(std::span<const Item> items, std::string& out);

}  // namespace tembrix
