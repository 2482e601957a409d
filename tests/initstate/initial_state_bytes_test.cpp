// The initial-state file of small hand-built runs, byte for byte, against a
// model that keeps every table of the initial-state phases apart (in-plane, tilted,
// barycentric, reserved) and follows the formulas literally.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "initstate/barycentre.h"
#include "initstate/body_radii.h"
#include "initstate/code_units.h"
#include "initstate/initial_state_file.h"
#include "initial_state_model.h"
#include "initstate/placement.h"
#include "initstate/tilt.h"
#include "mathfn/program_math.h"
#include "small_run.h"
#include "textio/units.h"

namespace tembrix::test {
namespace {

using ModelBodies = InitialStateModel;

// The plain model's input for a hand-built case: the same tables make_state fills.
ModelBodies model(const SmallCase& c) {
  InitialStateInput in;
  in.ncirc = c.ncirc;
  in.nbc = c.nbc;
  in.tilt = c.tilt;
  in.dens = c.dens;
  in.m0 = c.m0;
  in.mtot = c.m0;
  for (int k = 1; k <= c.ncirc; ++k) in.mtot = (c.cmass[k - 1] * c.nbc) + in.mtot;
  in.tunit = test_tunit;
  in.omegau = test_omegau;
  in.runit = c.rad[0];
  in.cmass.assign(static_cast<std::size_t>(c.ncirc) + 1, 0.0);
  in.rrel.assign(static_cast<std::size_t>(c.ncirc) + 1, 0.0);
  in.phi.assign(static_cast<std::size_t>(c.ncirc) + 1, std::vector<double>(static_cast<std::size_t>(c.nbc) + 1, 0.0));
  const double dphi = (3.141592653589793 * 2.0) / c.nbc;
  for (int k = 1; k <= c.ncirc; ++k) {
    in.cmass[k] = c.cmass[k - 1];
    in.rrel[k] = c.rad[k - 1] / c.rad[0];
    for (int j = 1; j <= c.nbc; ++j) in.phi[k][j] = c.offset[k - 1] + (j - 1) * dphi;
  }
  return model_initial_state(in);
}

// The expected file: header, five lines per body, trailer.
std::string expected_file(const SmallCase& c, const ModelBodies& m, int ncube) {
  const int nbtot = c.ncirc * c.nbc + 1;
  double mtot = c.m0;
  for (int k = 1; k <= c.ncirc; ++k) mtot = (c.cmass[k - 1] * c.nbc) + mtot;
  std::string s;
  s += line({R(0.0), R(m.omax), R(0.0)});
  s += line({R(0.0), R(m.pmom[1]), R(m.pmom[2])});
  s += line({R(m.pmom[3]), R(m.angm[1]), R(m.angm[2])});
  s += line({R(m.angm[3]), R(0.0), R(0.0)});
  s += line({R(0.0), R(0.0), R(0.0)});
  s += line({R(0.0), R(c.hval), I(1), I(1)});
  s += line({I(nbtot), R(1.0), R(0.5)});
  s += line({R(0.25), I(ncube)});
  for (int b = 1; b <= nbtot; ++b) {
    s += line({R(m.omo[b]), R(m.pos[b][1]), R(m.pos[b][2])});
    s += line({R(m.pos[b][3]), R(m.vel[b][1]), R(m.vel[b][2])});
    s += line({R(m.vel[b][3]), R(m.zv1[b][1]), R(m.zv1[b][2])});
    s += line({R(m.zv1[b][3]), R(m.zv2[b][1]), R(m.zv2[b][2])});
    s += line({R(m.zv2[b][3]), R(m.radb[b]), R(m.zs[b])});
  }
  s += line({I(c.itag), I(nbtot), R(mtot), R(m.lunit)});
  s += line({R(m.vunit), I(0), I(0), I(0), I(0)});
  s += line({I(0), I(0), I(0), I(0), I(0), I(0)});
  return s;
}

struct BytesCase {
  const char* name;
  SmallCase c;
  int ncube;
};

void PrintTo(const BytesCase& c, std::ostream* os) { *os << c.name; }

// Every stored value to the bit: the file shows 16 digits, a 1-ulp slip in an
// operand order would hide there.
void expect_same_bits(const RunState& s, const ModelBodies& m) {
  const BodyTables& t = s.bodies;
  for (std::size_t b = 1; b <= static_cast<std::size_t>(s.nbtot); ++b) {
    ASSERT_EQ(t.omo[b], m.omo[b]) << b;
    ASSERT_EQ(t.radb[b], m.radb[b]) << b;
    for (int k = 0; k < 3; ++k) {
      ASSERT_EQ(std::bit_cast<std::uint64_t>(t.pos[k][b]), std::bit_cast<std::uint64_t>(m.pos[b][k + 1])) << b;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(t.vel[k][b]), std::bit_cast<std::uint64_t>(m.vel[b][k + 1])) << b;
    }
  }
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(t.pmom[k], m.pmom[k + 1]);
    EXPECT_EQ(t.angm[k], m.angm[k + 1]);
    EXPECT_EQ(t.rcm[k], m.rcm[k + 1]);
  }
  EXPECT_EQ(t.omax, m.omax);
  EXPECT_EQ(s.scales.lunit, m.lunit);
  EXPECT_EQ(s.scales.vunit, m.vunit);
  EXPECT_EQ(s.scales.densu, m.densu);
}

class InitialStateBytes : public ::testing::TestWithParam<BytesCase> {
 protected:
  InScratchDir scratch_;
};

TEST_P(InitialStateBytes, FileMatchesTheModelByteForByte) {
  const BytesCase& t = GetParam();
  auto state = make_state(t.c);
  set_code_units(*state);
  place_bodies(*state);
  tilt_bodies(*state);
  move_to_barycentre(*state);
  ASSERT_EQ(set_body_radii(*state), RadiiResult::completed);
  write_initial_state(*state);
  const ModelBodies m = model(t.c);
  ASSERT_EQ(m.negative_body, 0);
  expect_same_bits(*state, m);
  const std::string got = scratch_.dir().read("state.dat");
  const std::string want = expected_file(t.c, m, t.ncube);
  ASSERT_EQ(got.size(), want.size());
  // Line by line, so a failure names the first line that differs.
  std::size_t at = 0;
  for (int n = 1; at < want.size(); ++n) {
    const std::size_t end = want.find("\r\n", at) + 2;
    ASSERT_EQ(got.substr(at, end - at), want.substr(at, end - at)) << "line " << n;
    at = end;
  }
}

SmallCase one_body() { return SmallCase{}; }

SmallCase three_bodies() {
  SmallCase c;
  c.nbc = 3;
  c.offset = {0.25};
  return c;
}

SmallCase two_circles_tilted() {
  SmallCase c;
  c.ncirc = 2;
  c.nbc = 3;
  c.tilt = 0.3;
  c.cmass = {3.0e27, 1.0e27};
  c.rad = {1.496e11, 2.4e11};
  c.offset = {0.0, 0.5235987755982988};
  c.hval = -123.456;
  c.itag = -5;
  return c;
}

// No central mass and an empty circle: both bodies of zero mass end at the
// origin at rest with radius 0.0, and the rest is not shifted by them.
SmallCase zero_masses() {
  SmallCase c = two_circles_tilted();
  c.m0 = 0.0;
  c.cmass = {3.0e27, 0.0};
  return c;
}

INSTANTIATE_TEST_SUITE_P(SmallRuns, InitialStateBytes,
                         ::testing::Values(BytesCase{"one_body", one_body(), 1},
                                           BytesCase{"three_bodies", three_bodies(), 2},
                                           BytesCase{"two_circles_tilted", two_circles_tilted(), 2},
                                           BytesCase{"zero_masses", zero_masses(), 2},
                                           BytesCase{"thirty_by_forty", thirty_by_forty(1.1), 11}),
                         [](const auto& info) { return std::string(info.param.name); });

// The bodies of zero mass are written as all zeros, whatever their placement.
TEST(InitialStateZeroMass, BodiesOfZeroMassAreAtTheOriginAtRest) {
  auto state = make_state(zero_masses());
  set_code_units(*state);
  place_bodies(*state);
  tilt_bodies(*state);
  move_to_barycentre(*state);
  ASSERT_EQ(set_body_radii(*state), RadiiResult::completed);
  for (std::size_t b : {1u, 5u, 6u, 7u}) {
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(state->bodies.pos[k][b], 0.0) << b;
      EXPECT_EQ(state->bodies.vel[k][b], 0.0) << b;
      EXPECT_FALSE(std::signbit(state->bodies.pos[k][b])) << b;
    }
    EXPECT_EQ(state->bodies.radb[b], 0.0);
  }
}

}  // namespace
}  // namespace tembrix::test
