#include "equilibrium/dense_solver.h"

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

// Reduces the augmented system of order n in a (entry (i, j) at
// (i-1) + ld*(j-1)) in place: the pivot of each step on the diagonal, the
// normalised upper triangle to its right, the multipliers left below it.
// pivot receives the pivot of each step; pivot_rows (1-based, may be null)
// receives the row chosen at each step. Returns 0 when all n steps were done,
// else the step whose pivot was exactly 0.0 (nothing after it ran).
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

// Back substitution on a reduced block: x(n) = a(n, n+1), then upwards, each
// row subtracting its terms in ascending column order (no division: the
// reduced diagonal is 1). x is 1-based.
void back_substitute(int n, const double* a, std::size_t ld, double* x) {
  auto at = [a, ld](int i, int j) { return a[static_cast<std::size_t>(i - 1) + ld * static_cast<std::size_t>(j - 1)]; };
  x[n] = at(n, n + 1);
  for (int i = n - 1; i >= 1; --i) {
    double s = at(i, n + 1);
    for (int j = i + 1; j <= n; ++j) s = s - (at(i, j) * x[j]);
    x[i] = s;
  }
}

// Packs the multipliers column by column and the normalised upper triangle row
// by row, so that the replay walks both contiguously.
void keep_triangles(int n, const double* a, std::size_t ld, EliminationRecord& record) {
  auto at = [a, ld](int i, int j) { return a[static_cast<std::size_t>(i - 1) + ld * static_cast<std::size_t>(j - 1)]; };
  const std::size_t count = static_cast<std::size_t>(n) * static_cast<std::size_t>(n - 1) / 2;
  record.offset.assign(static_cast<std::size_t>(n) + 1, 0);
  record.lower.assign(count, 0.0);
  record.upper.assign(count, 0.0);
  std::size_t start = 0;
  for (int k = 1; k <= n; ++k) {
    record.offset[static_cast<std::size_t>(k)] = start;
    for (int i = k + 1; i <= n; ++i) {
      record.lower[start + static_cast<std::size_t>(i - k - 1)] = at(i, k);
      record.upper[start + static_cast<std::size_t>(i - k - 1)] = at(k, i);
    }
    start += static_cast<std::size_t>(n - k);
  }
}

}  // namespace

void solve_system(int n, double* a, double* x, double& pivot, int ld) {
  if (n < 1) return;  // nothing to solve; x is left alone
  if (eliminate_in_columns(n, a, static_cast<std::size_t>(ld), pivot, nullptr) != 0) return;
  back_substitute(n, a, static_cast<std::size_t>(ld), x);
}

void solve_and_record(int n, double* a, double* x, double& pivot, int ld, EliminationRecord& record) {
  record = EliminationRecord{};
  record.n = n;
  if (n < 1) return;
  const auto lead = static_cast<std::size_t>(ld);
  record.pivot_row.assign(static_cast<std::size_t>(n) + 1, 0);
  record.stop_step = eliminate_in_columns(n, a, lead, pivot, record.pivot_row.data());
  record.last_pivot = pivot;
  if (record.stop_step != 0) return;
  record.pivots.assign(static_cast<std::size_t>(n) + 1, 0.0);
  for (int k = 1; k <= n; ++k) {
    // The pivot stays on the diagonal after its step.
    record.pivots[static_cast<std::size_t>(k)] = a[static_cast<std::size_t>(k - 1) * (lead + 1)];
  }
  keep_triangles(n, a, lead, record);
  back_substitute(n, a, lead, x);
}

void replay_elimination(const EliminationRecord& record, double* rhs, double* x, double& pivot) {
  const int n = record.n;
  pivot = record.last_pivot;
  if (n < 1 || record.stop_step != 0) return;
  for (int k = 1; k <= n; ++k) {
    const int r = record.pivot_row[static_cast<std::size_t>(k)];
    if (r != k) std::swap(rhs[k], rhs[r]);
    rhs[k] = rhs[k] / record.pivots[static_cast<std::size_t>(k)];
    const double bk = rhs[k];
    const double* m = record.lower.data() + record.offset[static_cast<std::size_t>(k)];
    double* below = rhs + k + 1;
    for (int t = 0; t < n - k; ++t) below[t] = below[t] - (bk * m[t]);
  }
  x[n] = rhs[n];
  for (int i = n - 1; i >= 1; --i) {
    const double* u = record.upper.data() + record.offset[static_cast<std::size_t>(i)];
    const double* later = x + i + 1;
    double s = rhs[i];
    for (int t = 0; t < n - i; ++t) s = s - (u[t] * later[t]);
    x[i] = s;
  }
}

}  // namespace tembrix
