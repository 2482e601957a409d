// Direct-sum diagnostics of an initial state in its own code units (G = 1):
// is it the rigidly rotating, radially balanced ring set it claims to be?
//
// The rotation is read from the state itself: its axis is the direction of
// the total angular momentum L, its rate |L| / I, I being the moment of
// inertia about that axis. The rings' centre is the central body when it has
// mass (the body the rings were balanced around) and the centre of mass when
// it has none.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "statefile/initial_state.h"
#include "statefile/ring_table.h"

namespace tembrix::inspect {

struct CheckOptions {
  double tolerance = 1e-9;  // relative; every check must stay within it
  unsigned threads = 0;     // 0: every core
};

// One ring's first body: its distance from the rotation axis, its mass, and
// the relative residual (inward pull - centripetal) / centripetal.
struct RingBalance {
  double radius = 0.0;
  double body_mass = 0.0;
  double residual = 0.0;
};

// One check over the whole state: its worst relative deviation, where that
// is (a ring or body number, 1-based; 0 for a check of totals) and whether it
// stays within the tolerance.
struct CheckLine {
  std::string name;
  double worst = 0.0;
  std::string where;
  bool holds = false;
};

struct CheckResult {
  std::size_t rings = 0;
  std::size_t bodies_per_ring = 0;
  std::array<double, 3> axis{};  // unit vector of the rotation axis
  double rate = 0.0;             // angular rate, radians per code time unit
  std::vector<RingBalance> balance;  // ring k at index k - 1
  std::vector<CheckLine> checks;     // balance, rigid rotation, ring plane, ring masses, ring
                                     // radii, centre of mass, momentum, angular momentum, total mass
  bool holds() const;
};

// Checks `state` against the ring table `rings` (the table's radii in metres
// and body masses in kilograms, turned into code units with the trailer's
// lunit and mtot). Throws std::invalid_argument when the two do not describe
// the same ring set (the circle bodies not a multiple of the rings) or the
// trailer's units are not positive.
CheckResult check_state(const statefile::InitialState& state, const std::vector<statefile::RingRow>& rings,
                        const CheckOptions& options);

// Bodies per chunk of the passes over all bodies; a size that keeps a chunk's
// arrays in the cache and gives every core many chunks of the largest state.
inline constexpr std::size_t kBodyChunk = 1u << 14;

}  // namespace tembrix::inspect
