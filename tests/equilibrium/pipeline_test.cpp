// The equilibrium phases in the order of a run: one circle reproduces its
// first mass estimate, the ring table's records, and the production phases
// (threaded matrix, replayed refinement) against the plain ones, file for file.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "equilibrium/matrix_build.h"
#include "equilibrium_support.h"
#include "oracles/matrix_reference.h"
#include "oracles/refinement_reference.h"

namespace tembrix {
namespace {

using test::make_state;
using test::RunSetup;
using test::WorkDir;

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

// A single circle at the computed radius is in balance with the first
// estimate mring/nbc, so the solution returns it and the total mass.
TEST(Pipeline, OneCircleReproducesTheFirstEstimate) {
  for (int nbc : {2, 3, 10, 100, 1000}) {
    WorkDir work;
    RunSetup setup;
    setup.nbc = nbc;
    auto state = make_state(setup);
    test::run_equilibrium(*state);
    const double mring = 2.0e30 - 0.9 * 2.0e30;
    EXPECT_NEAR(state->circles.cmass[1] / (mring / nbc), 1.0, 1e-11) << nbc;
    EXPECT_NEAR(state->mtot / 2.0e30, 1.0, 1e-11) << nbc;
  }
}

// Each record: integer and three reals over two lines, 62 and 25 columns.
TEST(Pipeline, RingTableRecords) {
  WorkDir work;
  RunSetup setup;
  setup.ncirc = 4;
  setup.nbc = 6;
  setup.maxit = 0;  // the direct solution, and dxm all 0.0
  auto state = make_state(setup);
  test::run_equilibrium(*state);
  close_unit(unit_ring_table);
  std::string expected;
  double mtot = state->m0;
  for (int k = 1; k <= 4; ++k) {
    const double cmass = state->circles.xm[k] * 2.0e30;
    EXPECT_EQ(state->circles.cmass[k], cmass);
    mtot = (cmass * 6.0) + mtot;
    expected.append(" ").append(test::field(std::to_string(k), 11));
    expected.append(" ").append(test::field(test::real_text(state->circles.rad[k]), 24));
    expected.append(" ").append(test::field(test::real_text(cmass), 24)).append("\r\n");
    expected.append(" ").append(test::field(test::real_text(0.0), 24)).append("\r\n");
  }
  EXPECT_EQ(state->mtot, mtot);
  const std::string table = work.read("QxNcRMEr.dat");
  EXPECT_EQ(table, expected);
  for (const std::string& line : test::lines_of(table)) EXPECT_TRUE(line.size() == 62 || line.size() == 25) << line;
}

// The ring table stays open for the end of the run: nothing is lost when
// every unit is closed then.
TEST(Pipeline, RingTableIsLeftOpen) {
  WorkDir work;
  RunSetup setup;
  setup.ncirc = 2;
  auto state = make_state(setup);
  test::run_equilibrium(*state);
  EXPECT_FALSE(unit_name(unit_ring_table).empty());
  close_all_units();
  EXPECT_EQ(test::lines_of(work.read("QxNcRMEr.dat")).size(), 4u);
}

// Every file and every value of the equilibrium, production phases against
// the serial matrix loops and the refinement that re-solves in full.
TEST(Pipeline, ProductionPhasesMatchPlainPhases) {
  const struct {
    int ncirc, nbc, iphase, maxit;
    double eps, drad;
  } cases[] = {
      {24, 30, 0, 3500, 0.0, 1.0},
      {17, 9, 1, 200, 1.0e-14, 1.1},
      {60, 40, 0, 40, 1.0e-9, 1.05},  // large enough for every core
  };
  for (const auto& c : cases) {
    RunSetup setup;
    setup.ncirc = c.ncirc;
    setup.nbc = c.nbc;
    setup.iphase = c.iphase;
    setup.maxit = c.maxit;
    setup.eps = c.eps;
    setup.drad = c.drad;
    WorkDir fast_dir;
    auto fast = make_state(setup);
    test::run_equilibrium(*fast);
    close_unit(unit_ring_table);
    WorkDir plain_dir;
    auto plain = make_state(setup);
    test::lay_out(*plain);
    build_interaction_matrix_reference(*plain);
    refine_solution_reference(*plain);
    write_ring_table(*plain);
    close_unit(unit_ring_table);

    SCOPED_TRACE("ncirc " + std::to_string(c.ncirc));
    ASSERT_EQ(fast_dir.files(), plain_dir.files());
    for (const std::string& name : fast_dir.files()) EXPECT_EQ(fast_dir.read(name), plain_dir.read(name)) << name;
    for (int k = 1; k <= c.ncirc; ++k) {
      EXPECT_EQ(bits(fast->circles.xm[k]), bits(plain->circles.xm[k])) << k;
      EXPECT_EQ(bits(fast->circles.dxm[k]), bits(plain->circles.dxm[k])) << k;
      EXPECT_EQ(bits(fast->circles.cmass[k]), bits(plain->circles.cmass[k])) << k;
    }
    EXPECT_EQ(bits(fast->mtot), bits(plain->mtot));
    EXPECT_EQ(bits(fast->system.resmean), bits(plain->system.resmean));
    EXPECT_EQ(fast->system.ifile, plain->system.ifile);
    EXPECT_EQ(fast->system.ihist, plain->system.ihist);
  }
}

}  // namespace
}  // namespace tembrix
