// Fixed constants, rotation scales, the self-attraction sum, the counters,
// and the reference scales made from them.
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>

#include "equilibrium_support.h"

namespace tembrix {
namespace {

using test::make_state;
using test::RunSetup;

TEST(Constants, FixedValues) {
  auto state = make_state(RunSetup{});
  set_constants(*state);
  const ReferenceScales& s = state->scales;
  EXPECT_EQ(s.pi, 3.141592653589793);
  EXPECT_EQ(s.twopi, 6.283185307179586);
  EXPECT_EQ(s.grav, 6.67259e-11);
  EXPECT_EQ(s.yeardays, 365.25636042);
  EXPECT_EQ(s.daysec, 86400.0);
  EXPECT_EQ(s.threehalf, 1.5);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(s.third), 0x3FD5555555555555u);  // nearest to 1/3
}

TEST(Constants, SelfAttractionSumAndAngularStep) {
  const struct {
    int nbc;
    double sring;
    double dphi;
  } cases[] = {
      {1, 0.0, 6.283185307179586},                 // empty sum
      {2, 0.25, 3.141592653589793},                // one term, sin(pi/2) = 1
      {3, 0.5773502691896257, 6.283185307179586 / 3.0},
      {4, 0.9571067811865475, 1.5707963267948966},
  };
  for (const auto& c : cases) {
    RunSetup setup;
    setup.nbc = c.nbc;
    auto state = make_state(setup);
    set_constants(*state);
    EXPECT_EQ(state->scales.sring, c.sring) << c.nbc;
    EXPECT_EQ(state->scales.dphi, c.dphi) << c.nbc;
  }
}

// 999 terms added in ascending j: the bits depend on that order and on the
// angle being (j-1)*pi first and divided by nbc second.
TEST(Constants, SelfAttractionSumOfAThousandBodies) {
  RunSetup setup;
  setup.ncirc = 1000;
  setup.nbc = 1000;
  auto state = make_state(setup);
  set_constants(*state);
  const double pi = 3.141592653589793;
  double expected = 0.0;
  for (int j = 2; j <= 1000; ++j) expected = 0.25 / std::sin((static_cast<double>(j - 1) * pi) / 1000.0) + expected;
  EXPECT_EQ(state->scales.sring, expected);
  EXPECT_NEAR(state->scales.sring, 1119.39848304, 1e-8);
  double paired = 0.0;  // the same terms in descending order give other bits
  for (int j = 1000; j >= 2; --j) paired = 0.25 / std::sin((static_cast<double>(j - 1) * pi) / 1000.0) + paired;
  EXPECT_NE(state->scales.sring, paired);
  EXPECT_EQ(state->nbtot, 1000001);
}

TEST(Constants, RotationAndReferenceScalesOfOneYear) {
  auto state = make_state(RunSetup{});
  set_constants(*state);
  const ReferenceScales& s = state->scales;
  EXPECT_EQ(s.tper, 31558149.540288);
  EXPECT_NEAR(s.omega / 1.99098660685e-7, 1.0, 1e-11);
  EXPECT_EQ(s.omega2, s.omega * s.omega);

  state->circles.rad[1] = 1.5e11;
  set_scales(*state);
  EXPECT_NEAR(s.tunit / 3.16875360111e-10, 1.0, 1e-11);
  EXPECT_NEAR(s.omegau, 628.3185307179, 1e-9);
  EXPECT_EQ(s.runit, 1.5e11);
  EXPECT_EQ(state->circles.rrel[1], 1.0);
}

TEST(Constants, CountersStartAfresh) {
  RunSetup setup;
  setup.ncirc = 7;
  setup.nbc = 5;
  auto state = make_state(setup);
  state->system.resmean = 42.0;
  set_constants(*state);
  EXPECT_EQ(state->nbtot, 36);
  EXPECT_EQ(state->ibfirst, 1);
  EXPECT_EQ(state->system.nhist, 3000);
  EXPECT_EQ(state->system.ihist, 1);
  EXPECT_EQ(state->system.ifile, 1);
  EXPECT_EQ(state->system.resmean, 0.0);
}

// omegau does not depend on the period (200 pi up to the last bits), and
// gfac is omega2*runit^3 / (grav*omtot); rrel(k) is rad(k)/rad(1).
TEST(Scales, FollowThePeriodAndTheRadii) {
  for (double period : {0.25, 1.0, 11.86}) {
    RunSetup setup;
    setup.ncirc = 3;
    setup.period = period;
    auto state = make_state(setup);
    set_constants(*state);
    state->circles.rad = {0.0, 2.0e11, 3.0e11, 5.0e11};
    set_scales(*state);
    const ReferenceScales& s = state->scales;
    EXPECT_NEAR(s.omegau, 200.0 * s.pi, 1e-10) << period;
    const double r = 2.0e11;
    EXPECT_NEAR(s.gfac / (s.omega2 * r * r * r / (s.grav * 2.0e30)), 1.0, 1e-15) << period;
    EXPECT_EQ(state->circles.rrel[2], 1.5);
    EXPECT_EQ(state->circles.rrel[3], 2.5);
  }
}

TEST(ConstantsFaults, ZeroPeriodOrZeroBodiesDivideByZero) {
  for (auto [period, nbc] : {std::pair{0.0, 3}, std::pair{1.0, 0}}) {
    RunSetup setup;
    setup.period = period;
    setup.nbc = nbc;
    auto state = make_state(setup);
    clear_arithmetic_faults();
    set_constants(*state);
    EXPECT_TRUE(test::faults() & FE_DIVBYZERO) << period << " " << nbc;
    clear_arithmetic_faults();
  }
  auto state = make_state(RunSetup{});
  clear_arithmetic_faults();
  set_constants(*state);
  EXPECT_EQ(test::faults(), 0);
}

TEST(ScalesFaults, ZeroFirstRadiusOrZeroMassDivideByZero) {
  for (auto [rad1, omtot] : {std::pair{0.0, 2.0e30}, std::pair{1.5e11, 0.0}}) {
    RunSetup setup;
    setup.omtot = omtot;
    auto state = make_state(setup);
    set_constants(*state);
    state->circles.rad[1] = rad1;
    clear_arithmetic_faults();
    set_scales(*state);
    EXPECT_TRUE(test::faults() & (FE_DIVBYZERO | FE_INVALID)) << rad1 << " " << omtot;
    clear_arithmetic_faults();
  }
}

}  // namespace
}  // namespace tembrix
