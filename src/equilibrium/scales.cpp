#include "equilibrium/scales.h"

namespace tembrix {

// Sets tunit, omegau, runit, rrel(1..ncirc) and gfac from the period and the
// radii; a zero rad(1) or omtot raises a fault flag.
void set_scales(RunState& state) {
  ReferenceScales& s = state.scales;
  CircleTables& c = state.circles;

  s.tunit = 1.0 / (s.tper * 100.0);  // one code time unit lasts 100 periods
  s.omegau = s.omega / s.tunit;
  s.runit = c.rad[1];
  for (int k = 1; k <= state.params.ncirc; ++k) c.rrel[k] = c.rad[k] / s.runit;
  // Centrifugal over gravitational acceleration at the reference radius.
  const double numerator = ((s.runit * s.runit) * s.omega2) * s.runit;
  s.gfac = numerator / (s.grav * state.params.omtot);
}

}  // namespace tembrix
