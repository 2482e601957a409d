#include "oracles/solver_reference.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace tembrix {

void solve_system_reference(int n, double* a, double* x, double& pivot, int ld) {
  if (n < 1) return;
  auto at = [a, ld](int i, int j) -> double& {
    return a[static_cast<std::size_t>(i - 1) + static_cast<std::size_t>(ld) * static_cast<std::size_t>(j - 1)];
  };
  for (int k = 1; k <= n; ++k) {
    pivot = at(k, k);
    int r = k;
    for (int i = k + 1; i <= n; ++i) {
      if (std::fabs(at(i, k)) > std::fabs(pivot)) {
        pivot = at(i, k);
        r = i;
      }
    }
    if (pivot == 0.0) return;
    if (r != k) {
      for (int j = k; j <= n + 1; ++j) std::swap(at(k, j), at(r, j));
    }
    for (int j = k + 1; j <= n + 1; ++j) at(k, j) = at(k, j) / pivot;
    for (int i = k + 1; i <= n; ++i) {
      const double m = at(i, k);
      for (int j = k + 1; j <= n + 1; ++j) at(i, j) = at(i, j) - (at(k, j) * m);
    }
  }
  x[n] = at(n, n + 1);
  for (int i = n - 1; i >= 1; --i) {
    double s = at(i, n + 1);
    for (int j = i + 1; j <= n; ++j) s = s - (at(i, j) * x[j]);
    x[i] = s;
  }
}

}  // namespace tembrix
