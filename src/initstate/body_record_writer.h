// Writes the body records of the initial-state file in large blocks.
#pragma once

#include <cstddef>

#include "model/run_state.h"

namespace tembrix {

// Bodies per block: about 1.6 MB of text. Blocks of 1 MB and more go from the
// unit layer to the file without a copy through its buffer; four blocks in
// flight (two per worker) still cost little memory.
inline constexpr std::size_t bodies_per_block = 4096;

// Writes the records of bodies first..last, in ascending order, to the open
// unit. Blocks are formatted on up to `threads` worker threads (0: as many as
// the machine has, at most 2) and written in order by the calling thread, so
// the file's bytes do not depend on the thread count, and the calling
// thread's arithmetic-fault flags are the ones the unit layer checks.
void write_body_records(const BodyTables& bodies, std::size_t first, std::size_t last, int unit,
                        unsigned threads = 0);

}  // namespace tembrix
