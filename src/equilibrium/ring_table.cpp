#include "equilibrium/ring_table.h"

#include <string_view>

#include "textio/item.h"
#include "textio/units.h"

namespace tembrix {

// Turns the solution into the body mass of each circle and the total mass
// (central body first, then nbc times each circle in ascending order), and
// writes one record per circle: k, rad(k), cmass(k), dxm(k).
void write_ring_table(RunState& state) {
  const RunParameters& p = state.params;
  CircleTables& c = state.circles;
  const double bodies = static_cast<double>(p.nbc);

  state.mtot = state.m0;
  for (int k = 1; k <= p.ncirc; ++k) {
    const auto kk = static_cast<std::size_t>(k);
    c.cmass[kk] = c.xm[kk] * p.omtot;
    state.mtot = (c.cmass[kk] * bodies) + state.mtot;
  }

  open_unit(unit_ring_table, std::string_view(state.fring.data(), state.fring.size()), OpenMode::create_or_open);
  for (int k = 1; k <= p.ncirc; ++k) {
    const auto kk = static_cast<std::size_t>(k);
    write_record(unit_ring_table, {int_item(k), real_item(c.rad[kk]), real_item(c.cmass[kk]), real_item(c.dxm[kk])});
  }
  // The ring table stays open: the end of the run closes it.
}

}  // namespace tembrix
