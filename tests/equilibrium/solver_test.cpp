// The dense solver: the worked examples bit for bit, the zero-pivot stop, and
// the column-wise solver and the replayed elimination against the plain
// row-wise loops on random systems.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "equilibrium/dense_solver.h"
#include "equilibrium/dense_solver.h"
#include "oracles/solver_reference.h"

namespace tembrix {
namespace {

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

// An augmented block of order n in a block of ld rows, every unused entry a
// sentinel so that a stray write shows.
struct Block {
  int n, ld;
  std::vector<double> a;
  Block(int order, int lead) : n(order), ld(lead), a(static_cast<std::size_t>(lead) * (lead + 1), -777.0) {}
  double& at(int i, int j) { return a[static_cast<std::size_t>(i - 1) + static_cast<std::size_t>(ld) * (j - 1)]; }
};

Block from_rows(const std::vector<std::vector<double>>& rows, const std::vector<double>& rhs, int ld) {
  const int n = static_cast<int>(rows.size());
  Block b(n, ld);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) b.at(i, j) = rows[i - 1][j - 1];
    b.at(i, n + 1) = rhs[i - 1];
  }
  return b;
}

using Solver = void (*)(int, double*, double*, double&, int);

// solve_and_record followed by a replay on the original right-hand side: the
// replay must give what the recording solve gave.
void record_then_replay(int n, double* a, double* x, double& pivot, int ld) {
  std::vector<double> rhs(static_cast<std::size_t>(n) + 1);
  for (int i = 1; i <= n; ++i) rhs[i] = a[(i - 1) + static_cast<std::size_t>(ld) * n];
  EliminationRecord record;
  std::vector<double> first(x, x + n + 1);
  solve_and_record(n, a, first.data(), pivot, ld, record);
  replay_elimination(record, rhs.data(), x, pivot);
  for (int i = 1; i <= n; ++i) EXPECT_EQ(bits(x[i]), bits(first[i])) << i;
}

const std::pair<const char*, Solver> solvers[] = {
    {"column-wise", solve_system}, {"row-wise", solve_system_reference}, {"replayed", record_then_replay}};

TEST(Solver, WorkedExamples) {
  const double untouched = 99.0;
  const struct {
    std::vector<std::vector<double>> rows;
    std::vector<double> rhs;
    std::vector<double> x;  // empty: the solve stops on a zero pivot
    double pivot;
  } cases[] = {
      {{{4.0}}, {2.0}, {0.5}, 4.0},
      {{{0.0}}, {2.0}, {}, 0.0},
      {{{0.0, 1.0}, {1.0, 0.0}}, {2.0, 3.0}, {3.0, 2.0}, 1.0},          // rows exchanged in step 1
      {{{1.0, 2.0}, {2.0, 4.0}}, {1.0, 1.0}, {}, 0.0},                  // row 2 chosen, then 0.0
      {{{1.0, 5.0}, {-1.0, 7.0}}, {1.0, 1.0}, {0.16666666666666674, 0.16666666666666666}, 12.0},
      {{{-3.0, 1.0}, {3.0, 1.0}}, {1.0, 2.0}, {0.16666666666666669, 1.5}, 2.0},  // tie: row 1 keeps the pivot
  };
  for (const auto& [name, solve] : solvers) {
    for (const auto& c : cases) {
      for (int ld : {static_cast<int>(c.rows.size()), static_cast<int>(c.rows.size()) + 2}) {
        Block b = from_rows(c.rows, c.rhs, ld);
        std::vector<double> x(static_cast<std::size_t>(ld) + 1, untouched);
        double pivot = -1.0;
        solve(b.n, b.a.data(), x.data(), pivot, ld);
        SCOPED_TRACE(std::string(name) + " n=" + std::to_string(b.n) + " ld=" + std::to_string(ld));
        EXPECT_EQ(pivot, c.pivot);
        for (int i = 1; i <= b.n; ++i) EXPECT_EQ(x[i], c.x.empty() ? untouched : c.x[i - 1]) << i;
        for (int i = b.n + 1; i <= ld; ++i) EXPECT_EQ(x[i], untouched);
        for (int j = 1; j <= ld + 1; ++j) {
          for (int i = 1; i <= ld; ++i) {
            if (i > b.n || j > b.n + 1) {
              EXPECT_EQ(b.at(i, j), -777.0) << i << "," << j;
            }
          }
        }
      }
    }
  }
}

TEST(Solver, ZeroPivotKeepsItsSign) {
  // Column 1 all -0.0: the first pivot is a(1,1) = -0.0 and the solve stops.
  for (const auto& [name, solve] : solvers) {
    Block b = from_rows({{-0.0, 1.0}, {0.0, 2.0}}, {1.0, 1.0}, 2);
    std::vector<double> x(3, 5.0);
    double pivot = 1.0;
    solve(2, b.a.data(), x.data(), pivot, 2);
    EXPECT_EQ(bits(pivot), bits(-0.0)) << name;
    EXPECT_EQ(x[1], 5.0) << name;
  }
}

// A random system with repeated magnitudes (ties), zeros and a wide range of
// scales; singular when a whole column is zero.
Block random_block(int n, int ld, std::mt19937_64& rng, int zero_column) {
  Block b(n, ld);
  std::uniform_int_distribution<int> small(-4, 4);
  std::uniform_real_distribution<double> real(-1.0, 1.0);
  std::uniform_int_distribution<int> scale(-30, 30);
  for (int j = 1; j <= n + 1; ++j) {
    for (int i = 1; i <= n; ++i) {
      const bool tie_prone = (i + j) % 3 == 0;
      b.at(i, j) = tie_prone ? static_cast<double>(small(rng)) : std::ldexp(real(rng), scale(rng));
      if (j == zero_column) b.at(i, j) = 0.0;
    }
  }
  return b;
}

// Same bits in x, pivot and the whole reduced block, complete or stopped.
TEST(Solver, ColumnWiseMatchesRowWiseBitForBit) {
  std::mt19937_64 rng(20240611);
  for (int n : {1, 2, 3, 5, 8, 17, 64, 129, 300, 1000}) {
    for (int zero_column : {0, 1, n / 2 + 1, n}) {
      if (n == 1000 && zero_column != 0) continue;  // the largest order once, complete
      const int ld = n + (n % 3);
      Block fast = random_block(n, ld, rng, zero_column);
      Block plain = fast;
      std::vector<double> xf(static_cast<std::size_t>(ld) + 1, 3.0), xp = xf;
      double pf = 0.0, pp = 0.0;
      solve_system(n, fast.a.data(), xf.data(), pf, ld);
      solve_system_reference(n, plain.a.data(), xp.data(), pp, ld);
      SCOPED_TRACE("n=" + std::to_string(n) + " zero column " + std::to_string(zero_column));
      EXPECT_EQ(bits(pf), bits(pp));
      for (std::size_t t = 0; t < xf.size(); ++t) ASSERT_EQ(bits(xf[t]), bits(xp[t])) << t;
      for (std::size_t t = 0; t < fast.a.size(); ++t) ASSERT_EQ(bits(fast.a[t]), bits(plain.a[t])) << t;
      if (zero_column != 0) {
        EXPECT_EQ(pf, 0.0);
      }
    }
  }
}

// Replaying the recorded elimination on new right-hand sides gives the bits of
// a full solve of the same coefficients with that right-hand side.
TEST(Solver, ReplayMatchesFullSolveOnNewRightHandSides) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> real(-1.0e3, 1.0e3);
  for (int n : {1, 2, 4, 31, 200}) {
    for (int zero_column : {0, n}) {
      Block original = random_block(n, n, rng, zero_column);
      Block work = original;
      std::vector<double> x0(static_cast<std::size_t>(n) + 1, 0.0);
      double pivot = 0.0;
      EliminationRecord record;
      solve_and_record(n, work.a.data(), x0.data(), pivot, n, record);
      for (int round = 0; round < 4; ++round) {
        Block full = original;
        std::vector<double> rhs(static_cast<std::size_t>(n) + 1, 0.0);
        for (int i = 1; i <= n; ++i) full.at(i, n + 1) = rhs[i] = real(rng);
        std::vector<double> xr(static_cast<std::size_t>(n) + 1, -2.0), xs = xr;
        double pr = 1.0, ps = 1.0;
        replay_elimination(record, rhs.data(), xr.data(), pr);
        solve_system_reference(n, full.a.data(), xs.data(), ps, n);
        SCOPED_TRACE("n=" + std::to_string(n) + " zero column " + std::to_string(zero_column));
        EXPECT_EQ(bits(pr), bits(ps));
        for (int i = 0; i <= n; ++i) ASSERT_EQ(bits(xr[i]), bits(xs[i])) << i;
      }
    }
  }
}

}  // namespace
}  // namespace tembrix
