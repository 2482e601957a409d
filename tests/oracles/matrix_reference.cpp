#include "oracles/matrix_reference.h"

#include <cmath>

#include "equilibrium/matrix_build.h"

namespace tembrix {

void build_interaction_matrix_reference(RunState& state) {
  const int n = state.params.ncirc;
  const int nbc = state.params.nbc;
  CircleTables& c = state.circles;
  const double threehalf = state.scales.threehalf;
  fill_angle_table(state);
  for (int i = 1; i <= n; ++i) {
    for (int k = 1; k <= n; ++k) {
      double s = 0.0;
      const double rho = c.rad[static_cast<std::size_t>(k)] / c.rad[static_cast<std::size_t>(i)];
      for (int j = 1; j <= nbc; ++j) {
        double t = 0.0;  // the body's pull on itself is never evaluated
        if (j != 1 || k != i) {
          const double delta = c.phi(k, j) - c.phi(i, 1);
          const double cr = std::cos(delta) * rho;
          const double b = ((rho * rho) + 1.0) - (cr * 2.0);
          t = (1.0 - cr) / std::pow(b, threehalf);
        }
        s = t + s;
      }
      state.system.amat(i, k) = s;
      state.system.bmat(i, k) = s;
    }
    const double rrel = c.rrel[static_cast<std::size_t>(i)];
    const double q = rrel * rrel;
    const double r = ((rrel * state.scales.gfac) * q) - state.params.fcen;
    state.system.amat(i, n + 1) = r;
    state.system.bmat(i, n + 1) = r;
  }
}

}  // namespace tembrix
