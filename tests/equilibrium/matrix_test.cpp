// The interaction matrix: the threaded row builder (with cosines shared by
// circles of equal phase offset) against the plain serial loops, bit for
// bit, for several thread counts and layouts; its physical properties; and
// arithmetic faults raised in any thread.
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "equilibrium/matrix_build.h"
#include "equilibrium_support.h"
#include "oracles/matrix_reference.h"

namespace tembrix {
namespace {

using test::make_state;
using test::RunSetup;

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

// A laid-out run state without files: constants, then the given offsets and
// radii, then the scales.
std::unique_ptr<RunState> laid_out(int ncirc, int nbc, const std::vector<double>& offsets,
                                   const std::vector<double>& radii) {
  RunSetup setup;
  setup.ncirc = ncirc;
  setup.nbc = nbc;
  auto state = make_state(setup);
  set_constants(*state);
  state->m0 = setup.fcen * setup.omtot;
  for (int k = 1; k <= ncirc; ++k) {
    state->circles.phi(k, 1) = offsets[static_cast<std::size_t>(k - 1)];
    state->circles.rad[static_cast<std::size_t>(k)] = radii[static_cast<std::size_t>(k - 1)];
  }
  set_scales(*state);
  return state;
}

struct Layout {
  std::string name;
  int ncirc, nbc;
  std::vector<double> offsets, radii;
};

std::vector<Layout> layouts() {
  std::vector<Layout> all;
  std::mt19937_64 rng(99);
  std::uniform_real_distribution<double> angle(-4.0, 4.0);
  auto evenly = [](int n, double step) {
    std::vector<double> r;
    for (int k = 1; k <= n; ++k) r.push_back(1.5e11 * (1.0 + step * (k - 1)));
    return r;
  };
  auto alternating = [](int n, double half) {
    std::vector<double> o;
    for (int k = 1; k <= n; ++k) o.push_back(k % 2 == 0 ? half : 0.0);
    return o;
  };
  all.push_back({"alternating offsets", 13, 17, alternating(13, 3.141592653589793 / 17), evenly(13, 0.3)});
  all.push_back({"no offsets", 9, 32, std::vector<double>(9, 0.0), evenly(9, 0.5)});
  all.push_back({"one body per circle", 11, 1, alternating(11, 1.0), evenly(11, 0.1)});
  std::vector<double> offsets, radii;
  for (int k = 1; k <= 20; ++k) {
    offsets.push_back(angle(rng));
    radii.push_back(1.0e11 * (1.0 + 0.37 * k + 0.01 * angle(rng)));
  }
  offsets[4] = offsets[9] = offsets[15];  // a class of three
  offsets[2] = 0.0;
  offsets[3] = -0.0;  // same value, other bits: kept apart
  all.push_back({"offsets from a file", 20, 23, offsets, radii});
  return all;
}

TEST(Matrix, ThreadedBuildMatchesSerialLoopsBitForBit) {
  for (const Layout& l : layouts()) {
    auto plain = laid_out(l.ncirc, l.nbc, l.offsets, l.radii);
    build_interaction_matrix_reference(*plain);
    for (int threads : {1, 2, 3, 7}) {
      auto fast = laid_out(l.ncirc, l.nbc, l.offsets, l.radii);
      build_interaction_matrix_threads(*fast, threads);
      SCOPED_TRACE(l.name + ", threads " + std::to_string(threads));
      ASSERT_EQ(fast->circles.phi_table.size(), plain->circles.phi_table.size());
      for (std::size_t t = 0; t < plain->circles.phi_table.size(); ++t) {
        ASSERT_EQ(bits(fast->circles.phi_table[t]), bits(plain->circles.phi_table[t])) << t;
      }
      for (std::size_t t = 0; t < plain->system.amat.data.size(); ++t) {
        ASSERT_EQ(bits(fast->system.amat.data[t]), bits(plain->system.amat.data[t])) << t;
        ASSERT_EQ(bits(fast->system.bmat.data[t]), bits(plain->system.bmat.data[t])) << t;
      }
    }
  }
}

// A circle's powers are taken four lanes and 64 bodies at a time: body counts
// below, at and above both (the own circle starts at body 2, one lane later),
// radius ratio 3 with no offsets so that body 1 sees b = 4, an exact power the
// fast path leaves to the C library, and a coincident pair whose lanes divide
// by zero, with the same flags as the serial loops.
TEST(Matrix, BatchedPowersMatchSerialLoopsAcrossLaneAndBatchEdges) {
  for (int nbc : {1, 2, 3, 4, 5, 6, 7, 8, 9, 63, 64, 65, 66, 67, 128, 129}) {
    for (bool coincident : {false, true}) {
      const std::vector<double> offsets = {0.0, 0.0, 0.25, 0.0};
      const std::vector<double> radii = {1.0e11, 3.0e11, 3.7e11, coincident ? 3.0e11 : 9.1e11};
      auto plain = laid_out(4, nbc, offsets, radii);
      clear_arithmetic_faults();
      build_interaction_matrix_reference(*plain);
      const int plain_faults = test::faults();
      auto fast = laid_out(4, nbc, offsets, radii);
      clear_arithmetic_faults();
      build_interaction_matrix_threads(*fast, 2);
      EXPECT_EQ(test::faults(), plain_faults) << nbc;
      EXPECT_EQ(plain_faults != 0, coincident) << nbc;
      clear_arithmetic_faults();
      for (std::size_t t = 0; t < plain->system.amat.data.size(); ++t) {
        ASSERT_EQ(bits(fast->system.amat.data[t]), bits(plain->system.amat.data[t])) << nbc << " " << t;
      }
    }
  }
}

TEST(Matrix, OneBodyPerCircleHasNoSelfPull) {
  const Layout l = layouts()[2];
  auto state = laid_out(l.ncirc, l.nbc, l.offsets, l.radii);
  build_interaction_matrix(*state);
  for (int i = 1; i <= l.ncirc; ++i) {
    EXPECT_EQ(bits(state->system.amat(i, i)), bits(0.0)) << i;
    EXPECT_NE(state->system.amat(i, i == 1 ? 2 : 1), 0.0) << i;
  }
}

TEST(Matrix, RightHandSideOfTheFirstRowIsGfacLessFcen) {
  const Layout l = layouts()[0];
  auto state = laid_out(l.ncirc, l.nbc, l.offsets, l.radii);
  build_interaction_matrix(*state);
  EXPECT_EQ(state->system.amat(1, l.ncirc + 1), state->scales.gfac - 0.9);
  EXPECT_EQ(state->system.bmat(1, l.ncirc + 1), state->scales.gfac - 0.9);
}

TEST(Matrix, AnglesStepByDphiFromEachOffset) {
  const Layout l = layouts()[1];  // every offset 0.0: every row of the table alike
  auto state = laid_out(l.ncirc, l.nbc, l.offsets, l.radii);
  build_interaction_matrix(*state);
  const CircleTables& c = state->circles;
  EXPECT_EQ(c.phi(1, 2), state->scales.dphi);
  for (int k = 2; k <= l.ncirc; ++k) {
    for (int j = 1; j <= l.nbc; ++j) EXPECT_EQ(bits(c.phi(k, j)), bits(c.phi(1, j))) << k << " " << j;
  }
}

// One circle at the computed radius: its own bodies pull with sring, and the
// balance asks for sring * (1 - fcen) / nbc.
TEST(Matrix, SingleCircleCoefficientIsTheSelfAttractionSum) {
  for (int nbc : {2, 3, 10, 100, 1000}) {
    test::WorkDir work;
    RunSetup setup;
    setup.nbc = nbc;
    auto state = make_state(setup);
    test::lay_out(*state);
    build_interaction_matrix(*state);
    const double sring = state->scales.sring;
    EXPECT_NEAR(state->system.amat(1, 1) / sring, 1.0, 1e-11) << nbc;
    EXPECT_NEAR(state->system.amat(1, 2) / (sring * (1.0 - 0.9) / nbc), 1.0, 1e-11) << nbc;
  }
}

// Two circles of one radius and one offset put bodies on each other: a zero
// distance. The fault flags reach the calling thread whichever thread built
// the rows.
TEST(MatrixFaults, CoincidentBodiesRaiseFlagsInTheCallingThread) {
  std::vector<double> offsets(40, 0.0), radii;
  for (int k = 1; k <= 40; ++k) radii.push_back(1.0e11 * k);
  radii[39] = radii[38];
  for (int threads : {1, 2, 3, 7}) {
    for (int round = 0; round < 5; ++round) {
      auto state = laid_out(40, 8, offsets, radii);
      clear_arithmetic_faults();
      build_interaction_matrix_threads(*state, threads);
      EXPECT_TRUE(test::faults() & (FE_DIVBYZERO | FE_INVALID)) << threads;
      clear_arithmetic_faults();
    }
  }
  radii[39] = 4.0e12;
  auto state = laid_out(40, 8, offsets, radii);
  clear_arithmetic_faults();
  build_interaction_matrix_threads(*state, 3);
  EXPECT_EQ(test::faults(), 0);
}

}  // namespace
}  // namespace tembrix
