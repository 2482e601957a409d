// Per-body tables of the initial state and the totals of the body set.
#pragma once

#include <array>
#include <vector>

namespace tembrix {

// Every table is indexed by body b = 1..nbtot (entry 0 unused): body 1 is the
// central body, body j of circle k is body 1 + (k-1)*nbc + j. Vectors are
// stored component by component: component c (x, y, z) of body b is
// pos[c-1][b]. The in-plane and tilted coordinates are formed in pos/vel on
// the way, and the reserved columns of the initial-state file (always 0.0) are
// not stored. All values are in code units (G = 1, mass unit mtot).
struct BodyTables {
  std::vector<double> omo;               // body mass, a fraction of mtot
  std::vector<double> radb;              // body radius, code lengths
  std::array<std::vector<double>, 3> pos;  // position: in the ring plane, then tilted, then barycentric
  std::array<std::vector<double>, 3> vel;  // velocity, in the same frames as pos
  std::array<double, 3> rcm{};   // centre of mass of the tilted set, code lengths
  std::array<double, 3> pmom{};  // total momentum of the barycentric set (rounding only)
  std::array<double, 3> angm{};  // total angular momentum of the barycentric set
  double omax = 0.0;             // largest body mass
};

}  // namespace tembrix
