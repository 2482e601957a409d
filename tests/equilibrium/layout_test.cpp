// The circle layout: phase offsets and the phase files, the mass split, the
// radii (computed or read) and the set-up report, and the faults that end
// the run on the way.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "equilibrium_support.h"
#include "mathfn/program_math.h"

namespace tembrix {
namespace {

using test::int_real_line;
using test::make_state;
using test::RunSetup;
using test::WorkDir;

TEST(Layout, PhaseOffsetsAndThePhaseFile) {
  const double quarter = 0.7853981633974483;  // dphi/2 for 4 bodies
  const struct {
    int iphase, ncirc;
    std::vector<double> offsets;
  } cases[] = {
      {0, 3, {0.0, quarter, 0.0}},  // odd ncirc: the last circle is not shifted
      {0, 4, {0.0, quarter, 0.0, quarter}},
      {2, 1, {0.0}},
      {1, 4, {0.0, 0.0, 0.0, 0.0}},  // 1: no pattern
  };
  for (const auto& c : cases) {
    WorkDir work;
    RunSetup setup;
    setup.iphase = c.iphase;
    setup.ncirc = c.ncirc;
    setup.nbc = 4;
    auto state = make_state(setup);
    set_constants(*state);
    lay_out_circles(*state);
    std::string expected;
    for (int k = 1; k <= c.ncirc; ++k) {
      EXPECT_EQ(state->circles.phi(k, 1), c.offsets[k - 1]) << c.iphase << " circle " << k;
      expected += int_real_line(k, c.offsets[k - 1]);
    }
    EXPECT_EQ(work.read("QxStrfi1.dat"), expected);
    EXPECT_FALSE(work.exists("QxStrfi0.dat"));
  }
}

// The integers of the phase file are discarded; values take d exponents,
// commas, blanks and CR LF line ends.
TEST(Layout, PhaseFileIsReadInRecordOrder) {
  WorkDir work;
  work.write("QxStrfi0.dat", "7 1.5d-1\r\n\r\n7,2.5D0\r\n  7 , -3.0 9.9\r\n");
  RunSetup setup;
  setup.ncirc = 3;
  setup.iphf = 1;
  auto state = make_state(setup);
  set_constants(*state);
  lay_out_circles(*state);
  EXPECT_EQ(state->circles.phi(1, 1), 0.15);
  EXPECT_EQ(state->circles.phi(2, 1), 2.5);
  EXPECT_EQ(state->circles.phi(3, 1), -3.0);
  EXPECT_FALSE(work.exists("QxStrfi1.dat"));
}

TEST(Layout, MassSplitAndComputedRadii) {
  for (double drad : {0.5, 1.0, 3.0}) {
    WorkDir work;
    RunSetup setup;
    setup.ncirc = 4;
    setup.nbc = 7;
    setup.fcen = 1.0;
    setup.drad = drad;
    auto state = make_state(setup);
    set_constants(*state);
    lay_out_circles(*state);
    const ReferenceScales& s = state->scales;
    const std::vector<double>& rad = state->circles.rad;
    EXPECT_EQ(state->m0, 2.0e30);
    EXPECT_EQ(state->mring, 0.0);
    EXPECT_EQ(state->circles.cmass[1], 0.0);
    // All the mass in the centre: rad(1) is the Kepler radius of the period.
    // third is below 1/3 by 2^-54, so the cube misses by about ln(p) * 2^-54.
    EXPECT_EQ(rad[1], tembrix::pmath::pow((2.0e30 * s.grav) / s.omega2, s.third));
    EXPECT_NEAR(rad[1] * rad[1] * rad[1] * s.omega2 / (s.grav * 2.0e30), 1.0, 1e-14);
    for (int k = 2; k <= 4; ++k) EXPECT_EQ(rad[k], (rad[1] * k) * drad) << drad << " " << k;
    if (drad == 0.5) {
      EXPECT_EQ(rad[2], rad[1]);
    }
    if (drad == 1.0) {
      EXPECT_EQ(rad[3], 3.0 * rad[1]);
    }
  }
}

// The first radius balances the centre and all circle bodies counted on
// circle 1: omega2 * r^3 = grav * (m0 + cmass(1) * sring).
TEST(Layout, FirstRadiusBalancesCentreAndRing) {
  WorkDir work;
  RunSetup setup;
  setup.nbc = 12;
  setup.fcen = 0.5;
  auto state = make_state(setup);
  set_constants(*state);
  lay_out_circles(*state);
  const ReferenceScales& s = state->scales;
  EXPECT_EQ(state->m0, 1.0e30);
  EXPECT_EQ(state->mring, 1.0e30);
  EXPECT_EQ(state->circles.cmass[1], 1.0e30 / 12.0);
  const double r = state->circles.rad[1];
  const double pull = s.grav * (state->m0 + state->circles.cmass[1] * s.sring);
  EXPECT_NEAR(s.omega2 * r * r * r / pull, 1.0, 1e-14);
}

// Record 1 breaks after the two character items (63 columns); its reals
// start the second line with no blank before their 24-column field.
std::string expected_report(const RunState& state) {
  const auto& rad = state.circles.rad;
  std::string text = " Initial masses of the central and the body of the 1-st circle \r\n";
  text.append(test::field(test::real_text(state.m0), 24)).append(" ");
  text.append(test::field(test::real_text(state.circles.cmass[1]), 24)).append("\r\n");
  text.append(" Radii of the circles\r\n");
  text.append("            1   ").append(test::field(test::real_text(rad[1]), 24)).append("\r\n");
  for (int k = 2; k <= state.params.ncirc; ++k) text += int_real_line(k, rad[k]);
  return text;
}

TEST(Layout, SetUpReportBytes) {
  for (int ncirc : {1, 3}) {
    WorkDir work;
    work.write("ErTembri.dat", std::string(5000, 'x'));  // replaced, not appended to
    RunSetup setup;
    setup.ncirc = ncirc;
    setup.nbc = 5;
    setup.drad = 1.25;
    auto state = make_state(setup);
    set_constants(*state);
    lay_out_circles(*state);
    const std::string report = work.read("ErTembri.dat");
    EXPECT_EQ(report, expected_report(*state));
    const auto lines = test::lines_of(report);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].size(), 63u);
    EXPECT_EQ(lines[1].size(), 49u);
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(ncirc) + 3);
  }
}

TEST(Layout, RadiiReadFromFile) {
  WorkDir work;
  work.write("radii.dat", "  5 1.5E+11\r\n\r\n6, 2.25d11\n7 3.0e11 extra\n");
  RunSetup setup;
  setup.ncirc = 3;
  setup.iradf = 1;
  setup.drad = 7.0;  // not used with radii from a file
  auto state = make_state(setup);
  set_constants(*state);
  lay_out_circles(*state);
  EXPECT_EQ(state->circles.rad[1], 1.5e11);
  EXPECT_EQ(state->circles.rad[2], 2.25e11);
  EXPECT_EQ(state->circles.rad[3], 3.0e11);
  EXPECT_EQ(work.read("ErTembri.dat"), expected_report(*state));
}

using LayoutDeathTest = ::testing::Test;

TEST(LayoutDeathTest, BadRadiiFilesEndTheRun) {
  const struct {
    const char* name;
    const char* text;  // null: no file
  } cases[] = {
      {"missing", nullptr},
      {"too short", "1 1.5e11\n2 3.0e11\n"},
      {"malformed", "1 1.5e11\n2 1.5Q3\n3 4.5e11\n"},
  };
  for (const auto& c : cases) {
    WorkDir work;
    if (c.text) work.write("radii.dat", c.text);
    RunSetup setup;
    setup.ncirc = 3;
    setup.iradf = 1;
    auto state = make_state(setup);
    set_constants(*state);
    EXPECT_EXIT(lay_out_circles(*state), ::testing::ExitedWithCode(1), "READ\\(radii\\.dat\\)") << c.name;
    EXPECT_TRUE(work.exists("radii.dat")) << c.name;  // a missing file is created empty
    if (!c.text) {
      EXPECT_EQ(work.read("radii.dat"), "");
    }
    EXPECT_FALSE(work.exists("ErTembri.dat")) << c.name;
  }
}

// A negative total mass leaves no real cube root: the run ends after the
// phase file and before the report file is touched.
TEST(LayoutDeathTest, NegativeBaseOfTheCubeRootEndsTheRun) {
  WorkDir work;
  RunSetup setup;
  setup.ncirc = 2;
  setup.omtot = -2.0e30;
  auto state = make_state(setup);
  set_constants(*state);
  clear_arithmetic_faults();
  EXPECT_EXIT(lay_out_circles(*state), ::testing::ExitedWithCode(1), "arithmetic");
  EXPECT_EQ(work.read("QxStrfi1.dat"), int_real_line(1, 0.0) + int_real_line(2, state->scales.dphi * 0.5));
  EXPECT_FALSE(work.exists("ErTembri.dat"));
}

}  // namespace
}  // namespace tembrix
