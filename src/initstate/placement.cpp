#include "initstate/placement.h"

#include <cstddef>

#include "mathfn/program_math.h"

namespace tembrix {

// Puts every circle body on its circle in the ring plane (z = 0), moving with
// the rigid rotation omegau about +z. The central body keeps 0.0 everywhere.
void place_bodies(RunState& state) {
  CircleTables& circles = state.circles;
  BodyTables& bodies = state.bodies;
  const double rad1 = circles.rad[1];
  const double lunit = state.scales.lunit;
  const double omegau = state.scales.omegau;
  const double mtot = state.mtot;
  std::size_t b = 1;
  for (int k = 1; k <= state.params.ncirc; ++k) {
    const double r = (circles.rrel[k] * rad1) / lunit;
    circles.rrel[k] = r;
    const double mass = circles.cmass[k] / mtot;
    for (int j = 1; j <= state.params.nbc; ++j) {
      ++b;
      const double a = circles.phi(k, j);
      const double sin_a = pmath::sin(a);
      const double cos_a = pmath::cos(a);
      bodies.omo[b] = mass;
      bodies.pos[0][b] = cos_a * r;
      bodies.pos[1][b] = sin_a * r;
      bodies.pos[2][b] = 0.0;
      bodies.vel[0][b] = -((sin_a * r) * omegau);
      bodies.vel[1][b] = (cos_a * r) * omegau;
      bodies.vel[2][b] = 0.0;
    }
  }
}

}  // namespace tembrix
