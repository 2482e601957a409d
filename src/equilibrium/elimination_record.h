// What one elimination leaves behind, kept so that further right-hand sides of
// the same coefficients are solved with the very operations a full solve
// would apply to them, at O(n^2) per solve instead of O(n^3).
#pragma once

#include <cstddef>
#include <vector>

namespace tembrix {

struct EliminationRecord {
  int n = 0;
  int stop_step = 0;             // 0: every step done; else the step with a zero pivot
  double last_pivot = 0.0;       // the pivot the solver's pivot argument ends with
  std::vector<int> pivot_row;    // 1..n: row exchanged with row k in step k
  std::vector<double> pivots;    // 1..n: the divisor of step k
  std::vector<std::size_t> offset;  // 1..n: start of column k of lower / row k of upper
  std::vector<double> lower;     // multipliers of step k (rows k+1..n), column by column
  std::vector<double> upper;     // normalised row i (columns i+1..n), row by row
};

// solve_system on a (same contract and results) that also fills record with
// the pivots, exchanges and reduced triangles of the elimination.
void solve_and_record(int n, double* a, double* x, double& pivot, int ld, EliminationRecord& record);

// Solves the recorded coefficients for the right-hand side rhs (1-based,
// overwritten): exchange, division by the pivot and multiply-subtract per
// step, then the back substitution, exactly as solve_system would on the
// full block. After a recorded stop on a zero pivot, x is left untouched.
void replay_elimination(const EliminationRecord& record, double* rhs, double* x, double& pivot);

}  // namespace tembrix
