// The damped refinement and its history files: the ends of the loop, the
// chunks of 3000, and the replayed refinement against full re-solves.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "equilibrium_support.h"
#include "oracles/refinement_reference.h"
#include "oracles/solver_reference.h"

namespace tembrix {
namespace {

using test::int_real_line;
using test::WorkDir;

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

// A state holding the system rows x = rhs (coefficients from coef(i, k)) in
// amat and bmat, counters as set_constants leaves them.
std::unique_ptr<RunState> system_state(int n, double eps, int maxit,
                                       const std::function<double(int, int)>& coef) {
  test::RunSetup setup;
  setup.ncirc = n;
  setup.eps = eps;
  setup.maxit = maxit;
  auto state = test::make_state(setup);
  set_constants(*state);
  for (int i = 1; i <= n; ++i) {
    for (int k = 1; k <= n + 1; ++k) state->system.amat(i, k) = state->system.bmat(i, k) = coef(i, k);
  }
  return state;
}

// A random, well-conditioned system: strong diagonal, mixed scales.
std::function<double(int, int)> random_system(unsigned seed) {
  return [seed](int i, int k) {
    std::mt19937_64 rng(seed * 1000003u + static_cast<unsigned>(i * 1009 + k));
    const double v = std::uniform_real_distribution<double>(-1.0, 1.0)(rng);
    return i == k ? 10.0 + v : v * std::ldexp(1.0, (i + k) % 5);
  };
}

// The identity in bmat with right-hand side b; amat is the identity with
// right-hand side x0, so the first solve gives x0 and every correction is
// b - x exactly: each iteration takes one tenth of the distance to b.
std::unique_ptr<RunState> damped_walk(double eps, int maxit, std::vector<double> x0, std::vector<double> b) {
  const int n = static_cast<int>(x0.size());
  auto state = system_state(n, eps, maxit, [&](int i, int k) { return k == n + 1 ? b[i - 1] : (i == k ? 1.0 : 0.0); });
  for (int i = 1; i <= n; ++i) state->system.amat(i, n + 1) = x0[static_cast<std::size_t>(i - 1)];
  return state;
}

std::string history_text(const RunState& state, int first_number, int count) {
  std::string text;
  for (int m = 1; m <= count; ++m) text += int_real_line(first_number + m - 1, state.system.hist[m]);
  return text;
}

TEST(Refinement, NoIterationWithoutPositiveLimit) {
  for (int maxit : {0, -3}) {
    WorkDir work;
    auto state = system_state(4, 1.0e-12, maxit, random_system(1));
    auto block = state->system.amat.data;
    std::vector<double> direct(5, 0.0);
    double pivot = 0.0;
    solve_system_reference(4, block.data(), direct.data(), pivot, 4);
    refine_solution(*state);
    for (int k = 1; k <= 4; ++k) {
      EXPECT_EQ(bits(state->circles.xm[k]), bits(direct[k])) << k;
      EXPECT_EQ(state->circles.dxm[k], 0.0) << k;
    }
    EXPECT_EQ(state->system.resmean, 0.0);
    EXPECT_TRUE(work.files().empty()) << maxit;
  }
}

TEST(Refinement, ResidualTestEndingTheFirstIterationWritesOneRecord) {
  WorkDir work;
  auto state = system_state(4, 1.0e300, 50, random_system(2));
  refine_solution(*state);
  EXPECT_EQ(work.files(), std::vector<std::string>{"1i"});
  EXPECT_EQ(work.read("1i"), int_real_line(1, 0.0));
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(state->circles.dxm[k], 0.0);
}

// With eps just above the change measure of iteration 6, the loop ends
// there: file 1i holds records 1..6, xm has had five updates and dxm is the
// sixth correction, not applied.
TEST(Refinement, ChangeTestEndsIterationN) {
  const std::vector<double> x0{5.0e5, 1.0e6}, b{1.0e6, 3.0e6};
  auto free_run = [&](int maxit) {
    WorkDir work;
    auto state = damped_walk(0.0, maxit, x0, b);
    refine_solution(*state);
    return state;
  };
  const auto forty = free_run(40);
  const double h6 = forty->system.hist[6];
  for (int m = 1; m < 6; ++m) ASSERT_GT(forty->system.hist[m], h6) << m;
  const double eps = std::nextafter(h6, 1.0);

  WorkDir work;
  auto state = damped_walk(eps, 40, x0, b);
  refine_solution(*state);
  EXPECT_EQ(work.files(), std::vector<std::string>{"1i"});
  EXPECT_EQ(work.read("1i"), history_text(*forty, 1, 6));
  EXPECT_EQ(state->system.ihist, 6);
  EXPECT_EQ(state->system.ifile, 1);
  const auto five = free_run(5);
  const auto six = free_run(6);
  for (int k = 1; k <= 2; ++k) {
    EXPECT_EQ(bits(state->circles.xm[k]), bits(five->circles.xm[k])) << k;
    EXPECT_EQ(bits(state->circles.dxm[k]), bits(six->circles.dxm[k])) << k;
  }
}

// Number of records in a history file, and its first and last global numbers.
struct FileShape {
  std::size_t records;
  int first, last;
};
FileShape shape_of(const std::string& text) {
  const auto lines = test::lines_of(text);
  if (lines.empty()) return {0, 0, 0};
  return {lines.size(), std::stoi(lines.front().substr(0, 12)), std::stoi(lines.back().substr(0, 12))};
}

// Everything the refinement leaves, for comparing two runs bit for bit.
void expect_same_outcome(const RunState& a, const RunState& b, const WorkDir& da, const WorkDir& db) {
  const int n = a.params.ncirc;
  for (int k = 1; k <= n; ++k) {
    ASSERT_EQ(bits(a.circles.xm[k]), bits(b.circles.xm[k])) << k;
    ASSERT_EQ(bits(a.circles.dxm[k]), bits(b.circles.dxm[k])) << k;
  }
  for (int m = 1; m <= history_capacity; ++m) ASSERT_EQ(bits(a.system.hist[m]), bits(b.system.hist[m])) << m;
  EXPECT_EQ(bits(a.system.resmean), bits(b.system.resmean));
  EXPECT_EQ(a.system.ihist, b.system.ihist);
  EXPECT_EQ(a.system.ifile, b.system.ifile);
  ASSERT_EQ(da.files(), db.files());
  for (const std::string& name : da.files()) EXPECT_EQ(da.read(name), db.read(name)) << name;
}

// eps <= 0: neither test can pass, exactly maxit iterations run, chunks of
// 3000 go to 1i, 2i, ...; one flush only where the two conditions meet.
TEST(Refinement, IterationLimitWritesChunksOfThreeThousand) {
  const struct {
    int maxit;
    std::vector<FileShape> files;
  } cases[] = {
      {7000, {{3000, 1, 3000}, {3000, 3001, 6000}, {1000, 6001, 7000}}},
      {3000, {{3000, 1, 3000}}},
      {3001, {{3000, 1, 3000}, {1, 3001, 3001}}},
  };
  for (const auto& c : cases) {
    WorkDir fast_dir;
    auto fast = system_state(5, 0.0, c.maxit, random_system(3));
    refine_solution(*fast);
    std::vector<std::string> names;
    for (std::size_t f = 1; f <= c.files.size(); ++f) names.push_back(std::to_string(f) + "i");
    std::sort(names.begin(), names.end());
    ASSERT_EQ(fast_dir.files(), names) << c.maxit;
    for (std::size_t f = 1; f <= c.files.size(); ++f) {
      const FileShape got = shape_of(fast_dir.read(std::to_string(f) + "i"));
      EXPECT_EQ(got.records, c.files[f - 1].records) << c.maxit << " file " << f;
      EXPECT_EQ(got.first, c.files[f - 1].first) << c.maxit << " file " << f;
      EXPECT_EQ(got.last, c.files[f - 1].last) << c.maxit << " file " << f;
    }
    EXPECT_EQ(fast->system.ihist, 1);
    EXPECT_EQ(fast->system.ifile, static_cast<int>(c.files.size()) + 1);

    WorkDir plain_dir;
    auto plain = system_state(5, -1.0, c.maxit, random_system(3));
    refine_solution_reference(*plain);
    expect_same_outcome(*fast, *plain, fast_dir, plain_dir);
  }
}

// The residual test passing in iteration 3001: file 2i holds one record,
// numbered 3001, carrying the change measure of iteration 1 still at
// position 1 of the buffer. With b = 0 the walk shrinks x by 0.9 each
// iteration, every change measure is exactly 1.0 and the residual measure
// keeps falling; x0 is scaled so that it is near 1.0 after 3000 iterations,
// and eps = that value ends iteration 3001 (the change test never can).
TEST(Refinement, ResidualTestEndingIterationAfterAFullChunk) {
  const std::vector<double> x0{1.0e137, -3.0e136}, b{0.0, 0.0};
  double after3000 = 0.0, after3001 = 0.0;
  {
    WorkDir work;
    auto state = damped_walk(0.0, 3000, x0, b);
    refine_solution(*state);
    after3000 = state->system.resmean;
    state = damped_walk(0.0, 3001, x0, b);
    refine_solution(*state);
    after3001 = state->system.resmean;
  }
  ASSERT_LT(after3001, after3000);
  ASSERT_LT(after3000, 1.0);

  WorkDir fast_dir;
  auto fast = damped_walk(after3000, 5000, x0, b);
  refine_solution(*fast);
  EXPECT_EQ(fast_dir.files(), (std::vector<std::string>{"1i", "2i"}));
  EXPECT_EQ(fast_dir.read("2i"), int_real_line(3001, 1.0));
  EXPECT_EQ(shape_of(fast_dir.read("1i")).records, 3000u);
  EXPECT_EQ(bits(fast->system.resmean), bits(after3001));

  WorkDir plain_dir;
  auto plain = damped_walk(after3000, 5000, x0, b);
  refine_solution_reference(*plain);
  expect_same_outcome(*fast, *plain, fast_dir, plain_dir);
}

// The replayed refinement against full re-solves on random systems, every
// way the loop can end, and the ring table written from the result.
TEST(Refinement, ReplayMatchesFullResolves) {
  const struct {
    int n;
    double eps;
    int maxit;
  } cases[] = {
      {1, 0.0, 40},    {1, 1.0e-15, 40},  {3, 0.0, 200},     {3, 1.0e-300, 30},
      {12, 0.0, 100},  {12, 1.0e-13, 100}, {12, 1.0e300, 10}, {40, -1.0, 25},
  };
  unsigned seed = 10;
  for (const auto& c : cases) {
    SCOPED_TRACE("n=" + std::to_string(c.n) + " eps=" + std::to_string(c.eps));
    WorkDir fast_dir;
    auto fast = system_state(c.n, c.eps, c.maxit, random_system(seed));
    refine_solution(*fast);
    write_ring_table(*fast);
    close_unit(unit_ring_table);
    WorkDir plain_dir;
    auto plain = system_state(c.n, c.eps, c.maxit, random_system(seed));
    refine_solution_reference(*plain);
    write_ring_table(*plain);
    close_unit(unit_ring_table);
    expect_same_outcome(*fast, *plain, fast_dir, plain_dir);
    ++seed;
  }
}

// A singular system stops every solve at the same step: xm and dxm stay 0.0
// and the residual test of iteration 1 can still end the refinement.
TEST(Refinement, SingularSystemLeavesTheSolutionAtZero) {
  auto singular = [](int i, int k) { return k == 2 ? 0.0 : random_system(5)(i, k); };
  WorkDir fast_dir;
  auto fast = system_state(3, 1.0e300, 10, singular);
  refine_solution(*fast);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(fast->circles.xm[k], 0.0);
  EXPECT_EQ(fast_dir.read("1i"), int_real_line(1, 0.0));
  WorkDir plain_dir;
  auto plain = system_state(3, 1.0e300, 10, singular);
  refine_solution_reference(*plain);
  expect_same_outcome(*fast, *plain, fast_dir, plain_dir);
}

using RefinementDeathTest = ::testing::Test;

// Past the residual test, the change measure divides 0.0 by 0.0: the run
// ends before any history record is written, on either path.
TEST(RefinementDeathTest, SingularSystemFaultsInTheChangeMeasure) {
  auto singular = [](int i, int k) { return k == 2 ? 0.0 : random_system(5)(i, k); };
  for (auto refine : {refine_solution, refine_solution_reference}) {
    WorkDir work;
    auto state = system_state(3, 1.0e-12, 10, singular);
    clear_arithmetic_faults();
    EXPECT_EXIT(refine(*state), ::testing::ExitedWithCode(1), "arithmetic");
    EXPECT_TRUE(work.files().empty());
  }
}

}  // namespace
}  // namespace tembrix
