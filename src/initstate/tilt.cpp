#include "initstate/tilt.h"

#include <cstddef>

#include "mathfn/program_math.h"

namespace tembrix {

namespace {

// Rotates the pair (y, z) about the x axis in place: y' = c*y - s*z,
// z' = s*y + c*z. The z term is evaluated although z is 0.0 in the ring
// plane, so the signs of zero results follow the full rotation.
void rotate(double& y, double& z, double c, double s) {
  const double y0 = y;
  const double z0 = z;
  y = c * y0 - s * z0;
  z = s * y0 + c * z0;
}

}  // namespace

// Tilts the ring plane by `tilt` about the x axis (+y turns towards +z).
// Positions and velocities are rotated in place; the central body is put at
// the origin at rest.
void tilt_bodies(RunState& state) {
  BodyTables& bodies = state.bodies;
  const double tilt = state.params.tilt;
  const double c = pmath::cos(tilt);
  const double s = pmath::sin(tilt);
  const auto nbtot = static_cast<std::size_t>(state.nbtot);
  for (std::size_t b = 2; b <= nbtot; ++b) {
    rotate(bodies.pos[1][b], bodies.pos[2][b], c, s);
    rotate(bodies.vel[1][b], bodies.vel[2][b], c, s);
  }
  for (int k = 0; k < 3; ++k) {
    bodies.pos[k][1] = 0.0;
    bodies.vel[k][1] = 0.0;
  }
}

}  // namespace tembrix
