#include "equilibrium/interaction_matrix.h"

#include <algorithm>
#include <atomic>
#include <cfenv>
#include <system_error>
#include <thread>
#include <vector>

#include "equilibrium/matrix_build.h"
#include "equilibrium/matrix_row.h"
#include "equilibrium/phase_classes.h"
#include "textio/arith_fault.h"

namespace tembrix {

namespace {

// Below this many terms a second thread costs more than it saves.
constexpr double min_terms_per_thread = 50000.0;

// Rows are handed out in blocks so that neighbouring rows, whose entries
// share cache lines in every column, mostly stay with one thread.
int rows_per_block(int ncirc, int threads) { return std::clamp(ncirc / (threads * 8), 1, 8); }

// Builds rows taken from next until none is left, writing each to amat and bmat.
void build_rows(RunState& state, const PhaseClasses& classes, std::atomic<int>& next, int block) {
  const int n = state.params.ncirc;
  std::vector<double> cosines(static_cast<std::size_t>(state.params.nbc) + 1, 0.0);
  std::vector<double> row(static_cast<std::size_t>(n) + 2, 0.0);
  for (int first = next.fetch_add(block); first <= n; first = next.fetch_add(block)) {
    const int last = std::min(n, first + block - 1);
    for (int i = first; i <= last; ++i) {
      build_matrix_row(state, classes, i, cosines.data(), row.data());
      for (int k = 1; k <= n + 1; ++k) {
        state.system.amat(i, k) = row[static_cast<std::size_t>(k)];
        state.system.bmat(i, k) = row[static_cast<std::size_t>(k)];
      }
    }
  }
}

}  // namespace

void fill_angle_table(RunState& state) {
  CircleTables& c = state.circles;
  const double dphi = state.scales.dphi;
  for (int k = 1; k <= state.params.ncirc; ++k) {
    // One addition per body: phi(k,1) + (j-1)*dphi would round differently.
    for (int j = 2; j <= state.params.nbc; ++j) c.phi(k, j) = c.phi(k, j - 1) + dphi;
  }
}

int matrix_thread_count(int ncirc, int nbc) {
  const double terms = static_cast<double>(ncirc) * static_cast<double>(ncirc) * static_cast<double>(nbc);
  if (terms < 2.0 * min_terms_per_thread) return 1;
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return std::max(1, std::min(cores, ncirc));
}

void build_interaction_matrix_threads(RunState& state, int threads) {
  fill_angle_table(state);
  const PhaseClasses classes = group_by_phase(state.circles, state.params.ncirc);
  threads = std::max(1, threads);
  const int block = rows_per_block(state.params.ncirc, threads);
  std::atomic<int> next{1};

  // Fault flags are per thread: each helper starts clean and hands back what
  // it raised, and the calling thread raises the union, so a fault in any
  // row reaches the driver's check.
  std::vector<int> raised(static_cast<std::size_t>(threads), 0);
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<std::size_t>(threads));  // emplace_back then throws only if a thread cannot start
  for (int id = 1; id < threads; ++id) {
    try {
      helpers.emplace_back([&, id] {
        clear_arithmetic_faults();
        build_rows(state, classes, next, block);
        raised[static_cast<std::size_t>(id)] = raised_arithmetic_faults();
      });
    } catch (const std::system_error&) {
      break;  // no more threads to be had: the rows still get built by those running
    }
  }
  build_rows(state, classes, next, block);
  for (std::thread& helper : helpers) helper.join();
  int all = 0;
  for (int flags : raised) all |= flags;
  if (all != 0) std::feraiseexcept(all);
}

// Completes the angle table and builds amat and bmat, in parallel over rows.
void build_interaction_matrix(RunState& state) {
  build_interaction_matrix_threads(state, matrix_thread_count(state.params.ncirc, state.params.nbc));
}

}  // namespace tembrix
