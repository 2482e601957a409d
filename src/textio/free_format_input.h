// Free-format (list-directed) reading of integers and reals from a unit.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <variant>

namespace tembrix {

// Where one value read goes: an integer or a real.
using ReadTarget = std::variant<std::int32_t*, double*>;

// One read operation on an open unit: fills the targets in order from the text,
// honouring separators, nulls, repeat counts and the slash; every fault ends
// the run through fatal_io_error with the operation READ.
void read_values(int unit, std::initializer_list<ReadTarget> targets);

}  // namespace tembrix
