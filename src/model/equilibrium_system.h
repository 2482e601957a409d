// The equilibrium system of the circles, its working copy and the refinement's history.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace tembrix {

// Column-by-column matrix of ld rows and ld+1 columns: entry (i, k) is element
// (i-1) + ld*(k-1). The equilibrium system uses ld = ncirc.
struct ColumnMatrix {
  int ld = 0;                // leading dimension: the number of rows
  std::vector<double> data;  // ld * (ld + 1) entries, column after column

  void allocate(int rows) {
    ld = rows;
    data.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(rows + 1), 0.0);
  }
  double& operator()(int i, int k) {
    return data[static_cast<std::size_t>(i - 1) +
                static_cast<std::size_t>(ld) * static_cast<std::size_t>(k - 1)];
  }
  double operator()(int i, int k) const {
    return data[static_cast<std::size_t>(i - 1) +
                static_cast<std::size_t>(ld) * static_cast<std::size_t>(k - 1)];
  }
};

// Change measures kept before a convergence-history file is written: each
// history file holds at most this many records.
inline constexpr int history_capacity = 3000;

struct EquilibriumSystem {
  ColumnMatrix amat;  // the system, columns 1..ncirc the pull coefficients, ncirc+1 the right-hand side; reduced by the first solve
  ColumnMatrix bmat;  // untouched copy of amat, from which every residual is formed
  std::array<double, history_capacity + 1> hist{};  // change measures of the refinement, positions 1..nhist
  int nhist = 0;         // capacity of hist in use (history_capacity)
  int ihist = 0;         // next free position in hist
  int ifile = 0;         // number of the next convergence-history file
  double resmean = 0.0;  // residual measure of the refinement, dimensionless; carried from one iteration to the next
};

}  // namespace tembrix
