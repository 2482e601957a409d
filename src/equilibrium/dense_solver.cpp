#include "equilibrium/dense_solver.h"

#include <cstddef>

#include "equilibrium/column_elimination.h"

namespace tembrix {

void solve_system(int n, double* a, double* x, double& pivot, int ld) {
  if (n < 1) return;  // nothing to solve; x is left alone
  if (eliminate_in_columns(n, a, static_cast<std::size_t>(ld), pivot, nullptr) != 0) return;
  back_substitute(n, a, static_cast<std::size_t>(ld), x);
}

}  // namespace tembrix
