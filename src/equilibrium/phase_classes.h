// Circles grouped by the exact bits of their phase offset. The angle table
// row of a circle is built from its offset alone, so circles of one group
// have identical rows, and the cosine of an angle difference against them is
// the same double: it need be evaluated only once per group.
#pragma once

#include <vector>

#include "run/run_state.h"

namespace tembrix {

struct PhaseClasses {
  std::vector<int> members;  // circle numbers, grouped by class
  std::vector<int> start;    // class c is members[start[c] .. start[c+1]); one more entry than classes

  int count() const { return static_cast<int>(start.size()) - 1; }
};

// Groups circles 1..ncirc by the bit pattern of phi(k, 1) (so +0.0 and -0.0,
// or NaNs of different payloads, are never merged).
PhaseClasses group_by_phase(const CircleTables& circles, int ncirc);

}  // namespace tembrix
