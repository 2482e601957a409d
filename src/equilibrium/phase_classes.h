// Circles grouped by the exact bits of their phase offset. The angle table
// row of a circle is built from its offset alone, so circles of one group
// have identical rows, and the cosine of an angle difference against them is
// the same double: it need be evaluated only once per group.
#pragma once

#include <vector>

#include "model/run_state.h"

namespace tembrix {

struct PhaseClasses {
  int nbc = 0;
  std::vector<int> members;     // circle numbers, grouped by class
  std::vector<int> start;       // class c is members[start[c] .. start[c+1]); one more entry than classes
  std::vector<double> angles;   // angle-table row of each class, nbc entries per class, contiguous

  int count() const { return static_cast<int>(start.size()) - 1; }
  // Angles of bodies 1..nbc (at 0..nbc-1) on the circles of class c.
  const double* angles_of(int c) const {
    return angles.data() + static_cast<std::size_t>(c) * static_cast<std::size_t>(nbc);
  }
};

// Groups circles 1..ncirc by the bit pattern of phi(k, 1) (so +0.0 and -0.0,
// or NaNs of different payloads, are never merged) and copies one angle-table
// row per class, so that the row builder reads angles contiguously. Needs the
// complete angle table.
PhaseClasses group_by_phase(const CircleTables& circles, int ncirc);

}  // namespace tembrix
