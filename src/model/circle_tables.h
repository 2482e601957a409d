// Per-circle tables: radii, masses, the equilibrium solution and the angle table.
#pragma once

#include <cstddef>
#include <vector>

namespace tembrix {

// Every table is indexed by circle k = 1..ncirc (entry 0 unused); the angle
// table phi(k, j) is stored column by column with leading dimension ncirc.
struct CircleTables {
  int ncirc = 0;                  // number of circles the tables are sized for
  int nbc = 0;                    // number of bodies on each circle
  std::vector<double> rad;        // radius of circle k, metres
  std::vector<double> rrel;       // rad(k) / rad(1); rescaled to code lengths by the placement
  std::vector<double> cmass;      // mass of one body of circle k, kg (cmass(1) starts as a first estimate)
  std::vector<double> xm;         // solution of the equilibrium system: body mass of circle k over omtot
  std::vector<double> dxm;        // last correction of xm computed by the refinement
  std::vector<double> phi_table;  // angle of body j of circle k, radians; column 1 the phase offsets

  double& phi(int k, int j) {
    return phi_table[static_cast<std::size_t>(k - 1) +
                     static_cast<std::size_t>(ncirc) * static_cast<std::size_t>(j - 1)];
  }
  double phi(int k, int j) const {
    return phi_table[static_cast<std::size_t>(k - 1) +
                     static_cast<std::size_t>(ncirc) * static_cast<std::size_t>(j - 1)];
  }
};

}  // namespace tembrix
