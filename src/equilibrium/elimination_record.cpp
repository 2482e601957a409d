#include "equilibrium/elimination_record.h"

#include <utility>

#include "equilibrium/column_elimination.h"

namespace tembrix {

namespace {

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
