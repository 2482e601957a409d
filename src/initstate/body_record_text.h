// Text of the body records of the initial-state file, formatted in bulk.
#pragma once

#include <cstddef>

#include "model/run_state.h"

namespace tembrix {

// A body record is 15 reals laid out as five lines of three 25-column
// right-aligned fields (one separating blank and a 24-column field), each
// line ended by CR LF.
inline constexpr std::size_t body_field_width = 25;
inline constexpr std::size_t body_line_bytes = 3 * body_field_width + 2;
inline constexpr std::size_t body_record_bytes = 5 * body_line_bytes;

// Writes the records of bodies first..last (ascending) to out, which must hold
// (last - first + 1) * body_record_bytes bytes. Safe to call from any thread.
void format_body_records(const BodyTables& bodies, std::size_t first, std::size_t last, char* out);

}  // namespace tembrix
