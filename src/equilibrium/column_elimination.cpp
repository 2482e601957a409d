#include "equilibrium/column_elimination.h"

#include <cmath>
#include <utility>

namespace tembrix {

namespace {

// y(t) = y(t) - (s * x(t)) for t = 0..count-1: one elimination step on one
// column. The entries are independent, so the compiler may vectorise; with
// contraction off every entry is still one product and one difference.
void subtract_multiple(double* __restrict y, const double* __restrict x, double s, int count) {
  for (int t = 0; t < count; ++t) y[t] = y[t] - (s * x[t]);
}

}  // namespace

int eliminate_in_columns(int n, double* a, std::size_t ld, double& pivot, int* pivot_rows) {
  // Column j (1-based) starts at a + ld*(j-1); row i of it is element i-1.
  auto column = [a, ld](int j) { return a + ld * static_cast<std::size_t>(j - 1); };
  for (int k = 1; k <= n; ++k) {
    double* ck = column(k);
    // Strictly greater: on a tie the lowest row keeps the pivot.
    pivot = ck[k - 1];
    int r = k;
    for (int i = k + 1; i <= n; ++i) {
      if (std::fabs(ck[i - 1]) > std::fabs(pivot)) {
        pivot = ck[i - 1];
        r = i;
      }
    }
    if (pivot_rows) pivot_rows[k] = r;
    if (pivot == 0.0) return k;
    // Rows k and r change places in columns k..n+1 only; the multipliers of
    // earlier steps stay with their rows.
    if (r != k) std::swap(ck[k - 1], ck[r - 1]);
    // Each later column is exchanged, normalised by a true division, and
    // eliminated in one pass; every entry gets the same operations, in the
    // same order, as with the row-wise loops.
    for (int j = k + 1; j <= n + 1; ++j) {
      double* cj = column(j);
      if (r != k) std::swap(cj[k - 1], cj[r - 1]);
      cj[k - 1] = cj[k - 1] / pivot;
      subtract_multiple(cj + k, ck + k, cj[k - 1], n - k);
    }
  }
  return 0;
}

void back_substitute(int n, const double* a, std::size_t ld, double* x) {
  auto at = [a, ld](int i, int j) { return a[static_cast<std::size_t>(i - 1) + ld * static_cast<std::size_t>(j - 1)]; };
  x[n] = at(n, n + 1);
  for (int i = n - 1; i >= 1; --i) {
    double s = at(i, n + 1);
    for (int j = i + 1; j <= n; ++j) s = s - (at(i, j) * x[j]);
    x[i] = s;
  }
}

}  // namespace tembrix
