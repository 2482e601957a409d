#include "equilibrium/refinement.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "equilibrium/convergence_history.h"
#include "equilibrium/dense_solver.h"

namespace tembrix {

namespace {

// Residual of the untouched system at xm: rhs(i) = bmat(i, n+1) - sum_k
// bmat(i, k)*xm(k), each row's sum built in ascending k from 0.0. The rows
// advance together, column by column, so bmat is read contiguously; every
// row still receives its terms in the same order. Returns the residual
// measure after this iteration's |rhs(i)| were added to it in ascending i.
double residual(const ColumnMatrix& bmat, const std::vector<double>& xm, int n, std::vector<double>& sum,
                std::vector<double>& rhs, double resmean) {
  const auto ld = static_cast<std::size_t>(bmat.ld);
  const double* b = bmat.data.data();
  for (int i = 1; i <= n; ++i) sum[static_cast<std::size_t>(i)] = 0.0;
  double* __restrict acc = sum.data() + 1;
  for (int k = 1; k <= n; ++k) {
    const double xk = xm[static_cast<std::size_t>(k)];
    const double* __restrict col = b + ld * static_cast<std::size_t>(k - 1);
    for (int i = 0; i < n; ++i) acc[i] = (col[i] * xk) + acc[i];
  }
  const double* last = b + ld * static_cast<std::size_t>(n);
  for (int i = 1; i <= n; ++i) {
    const double r = last[i - 1] - sum[static_cast<std::size_t>(i)];
    rhs[static_cast<std::size_t>(i)] = r;
    resmean = std::fabs(r) + resmean;
  }
  return resmean;
}

// True when columns 1..n of the two blocks hold the same bits, so that an
// elimination of one is an elimination of the other.
bool same_coefficients(const ColumnMatrix& a, const ColumnMatrix& b, int n) {
  if (a.ld != b.ld) return false;
  const std::size_t count = static_cast<std::size_t>(a.ld) * static_cast<std::size_t>(n);
  return count == 0 || std::memcmp(a.data.data(), b.data.data(), count * sizeof(double)) == 0;
}

// Eliminates a copy of bmat's coefficients once, for a refinement whose first
// solve ran on other coefficients (the interaction matrix never leaves it so).
void record_bmat(const ColumnMatrix& bmat, int n, EliminationRecord& record) {
  std::vector<double> block(bmat.data);
  std::vector<double> unused(static_cast<std::size_t>(n) + 1, 0.0);
  double pivot = 0.0;
  solve_and_record(n, block.data(), unused.data(), pivot, bmat.ld, record);
}

// Mean relative size of the correction, summed in ascending k from 0.0.
double change_measure(const std::vector<double>& dxm, const std::vector<double>& xm, int n) {
  double dsum = 0.0;
  for (int k = 1; k <= n; ++k) {
    const auto kk = static_cast<std::size_t>(k);
    dsum = std::fabs(dxm[kk] / xm[kk]) + dsum;
  }
  return dsum / static_cast<double>(n);
}

}  // namespace

// One direct solve, then damped refinement until the residual measure or the
// change measure drops below eps, or maxit iterations have run. The first
// elimination is recorded and replayed on every residual, which gives the
// same bits as re-solving the restored system each time, at O(ncirc^2) per
// iteration. amat is left reduced by the first solve.
void refine_solution(RunState& state) {
  const int n = state.params.ncirc;
  const double eps = state.params.eps;
  const std::int64_t maxit = state.params.maxit;
  EquilibriumSystem& sys = state.system;
  CircleTables& c = state.circles;

  double pivot = 0.0;  // the solver's working pivot; its value is not used
  EliminationRecord record;
  // Every correction solve works on bmat's coefficients, restored into amat.
  const bool first_is_bmat = same_coefficients(sys.amat, sys.bmat, n);
  solve_and_record(n, sys.amat.data.data(), c.xm.data(), pivot, sys.amat.ld, record);
  bool record_ready = first_is_bmat;

  std::vector<double> sum(static_cast<std::size_t>(n) + 1, 0.0);
  std::vector<double> rhs(static_cast<std::size_t>(n) + 1, 0.0);
  for (std::int64_t it = 1; it <= maxit; ++it) {
    // The measure carries over from the previous iteration: it is never cleared here.
    sys.resmean = residual(sys.bmat, c.xm, n, sum, rhs, sys.resmean);
    sys.resmean = sys.resmean / static_cast<double>(n);
    if (sys.resmean < eps) {
      flush_history(state, sys.ihist);
      return;
    }
    if (!record_ready) {
      record_bmat(sys.bmat, n, record);
      record_ready = true;
    }
    replay_elimination(record, rhs.data(), c.dxm.data(), pivot);
    double& measure = sys.hist[static_cast<std::size_t>(sys.ihist)];
    measure = change_measure(c.dxm, c.xm, n);
    if (measure < eps) {
      // The final flush includes the measure that ended the loop; that
      // correction is not applied.
      flush_history(state, sys.ihist);
      return;
    }
    for (int k = 1; k <= n; ++k) {
      const auto kk = static_cast<std::size_t>(k);
      c.xm[kk] = (c.dxm[kk] * 0.1) + c.xm[kk];  // one tenth of the correction
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
