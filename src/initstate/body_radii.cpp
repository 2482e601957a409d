#include "initstate/body_radii.h"

#include <cstddef>

#include "initstate/negative_mass_report.h"
#include "mathfn/program_math.h"

namespace tembrix {

// Gives every body the radius of a sphere of its mass at density densu,
// forms omax and the momentum of the barycentric set, and stops at the first
// body whose cubed radius is negative (a negative mass).
RadiiResult set_body_radii(RunState& state) {
  BodyTables& bodies = state.bodies;
  const ReferenceScales& s = state.scales;
  const auto first = static_cast<std::size_t>(state.ibfirst);
  const auto nbtot = static_cast<std::size_t>(state.nbtot);
  bodies.omax = 0.0;
  for (std::size_t b = first; b <= nbtot; ++b) {
    const double m = bodies.omo[b];
    // Zero masses are summed too: they add nothing but a signed zero.
    for (int k = 0; k < 3; ++k) bodies.pmom[k] = bodies.pmom[k] + bodies.vel[k][b] * m;
    // A zero densu divides by zero here, which ends the run before any
    // record is written.
    const double rad3 = (m * 3.0) / ((s.pi * s.densu) * 4.0);
    // Tested on rad3, not on the mass, so no negative base reaches pow.
    if (rad3 < 0.0) {
      report_negative_mass(state, static_cast<int>(b));
      return RadiiResult::negative_mass;
    }
    bodies.radb[b] = pmath::pow(rad3, s.third);
    if (m >= bodies.omax) bodies.omax = m;
  }
  return RadiiResult::completed;
}

}  // namespace tembrix
