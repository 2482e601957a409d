#include "model/run_state.h"

#include <cstddef>
#include <cstring>

namespace tembrix {

void RunState::allocate_tables() {
  const auto n = static_cast<std::size_t>(params.ncirc);
  const auto m = static_cast<std::size_t>(params.nbc);
  circles.ncirc = params.ncirc;
  circles.nbc = params.nbc;
  for (auto* table : {&circles.rad, &circles.rrel, &circles.cmass, &circles.xm, &circles.dxm}) {
    table->assign(n + 1, 0.0);
  }
  circles.phi_table.assign(n * m, 0.0);
  system.amat.allocate(params.ncirc);
  system.bmat.allocate(params.ncirc);
  const std::size_t count = n * m + 2;  // bodies 1..nbtot, entry 0 unused
  bodies.omo.assign(count, 0.0);
  bodies.radb.assign(count, 0.0);
  for (int c = 0; c < 3; ++c) {
    bodies.pos[c].assign(count, 0.0);
    bodies.vel[c].assign(count, 0.0);
  }
}

void set_fixed_names(RunState& state) {
  std::memcpy(state.fpar.data(), "Tembrix2.dat", 12);
  std::memcpy(state.frep.data(), "ErTembri.dat", 12);
  std::memcpy(state.fring.data(), "QxNcRMEr.dat", 12);
  std::memcpy(state.fphin.data(), "QxStrfi0.dat", 12);
  std::memcpy(state.fphout.data(), "QxStrfi1.dat", 12);
}

}  // namespace tembrix
