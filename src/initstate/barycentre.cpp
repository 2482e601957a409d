#include "initstate/barycentre.h"

#include <cstddef>
#include <vector>

namespace tembrix {

// Moves the tilted set to its barycentric frame and forms its angular
// momentum. Bodies of zero mass are left out of every sum and end at the
// origin at rest.
void move_to_barycentre(RunState& state) {
  BodyTables& bodies = state.bodies;
  const auto first = static_cast<std::size_t>(state.ibfirst);
  const auto nbtot = static_cast<std::size_t>(state.nbtot);
  const std::vector<double>& omo = bodies.omo;
  bodies.rcm = {0.0, 0.0, 0.0};
  bodies.pmom = {0.0, 0.0, 0.0};
  bodies.angm = {0.0, 0.0, 0.0};

  // Each component is its own running sum in ascending body order, so the
  // components can be summed one after another.
  for (int k = 0; k < 3; ++k) {
    double rcm = 0.0;
    double pmom = 0.0;
    for (std::size_t b = first; b <= nbtot; ++b) {
      if (omo[b] == 0.0) continue;
      rcm = bodies.pos[k][b] * omo[b] + rcm;
      pmom = pmom + bodies.vel[k][b] * omo[b];
    }
    bodies.rcm[k] = rcm;
    bodies.pmom[k] = pmom;
  }

  const auto& rcm = bodies.rcm;
  const auto& vcm = bodies.pmom;
  double l1 = 0.0, l2 = 0.0, l3 = 0.0;
  for (std::size_t b = first; b <= nbtot; ++b) {
    const double m = omo[b];
    if (m == 0.0) {
      // Never shifted: the body stays at the origin at rest.
      for (int k = 0; k < 3; ++k) bodies.pos[k][b] = bodies.vel[k][b] = 0.0;
      continue;
    }
    const double x = bodies.pos[0][b] = bodies.pos[0][b] - rcm[0];
    const double y = bodies.pos[1][b] = bodies.pos[1][b] - rcm[1];
    const double z = bodies.pos[2][b] = bodies.pos[2][b] - rcm[2];
    const double vx = bodies.vel[0][b] = bodies.vel[0][b] - vcm[0];
    const double vy = bodies.vel[1][b] = bodies.vel[1][b] - vcm[1];
    const double vz = bodies.vel[2][b] = bodies.vel[2][b] - vcm[2];
    // m (r x v), one component at a time.
    l1 = (l1 - (vy * z) * m) + (vz * y) * m;
    l2 = ((vx * z) * m + l2) - (x * vz) * m;
    l3 = ((x * vy) * m + l3) - (vx * y) * m;
  }
  bodies.angm = {l1, l2, l3};
  // The momentum is formed again from the shifted velocities by set_body_radii.
  bodies.pmom = {0.0, 0.0, 0.0};
}

}  // namespace tembrix
