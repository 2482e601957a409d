#include "oracles/refinement_reference.h"

#include <cmath>
#include <cstdint>

#include "equilibrium/convergence_history.h"
#include "oracles/solver_reference.h"

namespace tembrix {

void refine_solution_reference(RunState& state) {
  const int n = state.params.ncirc;
  const double eps = state.params.eps;
  const std::int64_t maxit = state.params.maxit;
  EquilibriumSystem& sys = state.system;
  CircleTables& c = state.circles;
  ColumnMatrix& amat = sys.amat;
  const ColumnMatrix& bmat = sys.bmat;

  double pivot = 0.0;
  solve_system_reference(n, amat.data.data(), c.xm.data(), pivot, amat.ld);
  for (std::int64_t it = 1; it <= maxit; ++it) {
    for (int i = 1; i <= n; ++i) {
      double a = 0.0;
      for (int k = 1; k <= n; ++k) {
        a = (bmat(i, k) * c.xm[static_cast<std::size_t>(k)]) + a;
        amat(i, k) = bmat(i, k);
      }
      amat(i, n + 1) = bmat(i, n + 1) - a;
      sys.resmean = std::fabs(amat(i, n + 1)) + sys.resmean;
    }
    sys.resmean = sys.resmean / static_cast<double>(n);
    if (sys.resmean < eps) {
      flush_history(state, sys.ihist);
      return;
    }
    solve_system_reference(n, amat.data.data(), c.dxm.data(), pivot, amat.ld);
    double dsum = 0.0;
    for (int k = 1; k <= n; ++k) {
      const auto kk = static_cast<std::size_t>(k);
      dsum = std::fabs(c.dxm[kk] / c.xm[kk]) + dsum;
    }
    sys.hist[static_cast<std::size_t>(sys.ihist)] = dsum / static_cast<double>(n);
    if (sys.hist[static_cast<std::size_t>(sys.ihist)] < eps) {
      flush_history(state, sys.ihist);
      return;
    }
    for (int k = 1; k <= n; ++k) {
      const auto kk = static_cast<std::size_t>(k);
      c.xm[kk] = (c.dxm[kk] * 0.1) + c.xm[kk];
    }
    sys.ihist = sys.ihist + 1;
    if (it == maxit || sys.ihist > sys.nhist) {
      flush_history(state, sys.ihist - 1);
      sys.ifile = sys.ifile + 1;
      sys.ihist = 1;
    }
  }
}

}  // namespace tembrix
