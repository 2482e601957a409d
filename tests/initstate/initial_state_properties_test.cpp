// Properties of the initial state of a larger run (30 circles of 40 bodies)
// whose masses come from the equilibrium phases, read back from the written
// file; and the cube count of the header.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "equilibrium/equilibrium_support.h"
#include "initstate/barycentre.h"
#include "initstate/body_radii.h"
#include "initstate/code_units.h"
#include "initstate/initial_state_file.h"
#include "initstate/placement.h"
#include "initstate/tilt.h"
#include "small_run.h"
#include "textio/units.h"

namespace tembrix::test {
namespace {

// The file split into records: header (24 items), bodies (15 each), trailer (15).
struct StateFile {
  std::vector<std::string> header, trailer;
  std::vector<std::vector<std::string>> bodies;

  static double real(const std::string& s) { return std::strtod(s.c_str(), nullptr); }
};

StateFile read_state(const std::string& text, int nbtot) {
  std::istringstream in(text);
  std::vector<std::string> items;
  for (std::string item; in >> item;) items.push_back(item);
  StateFile f;
  EXPECT_EQ(items.size(), 24u + 15u * static_cast<std::size_t>(nbtot) + 15u);
  f.header.assign(items.begin(), items.begin() + 24);
  for (int b = 0; b < nbtot; ++b) f.bodies.emplace_back(items.begin() + 24 + 15 * b, items.begin() + 39 + 15 * b);
  f.trailer.assign(items.end() - 15, items.end());
  return f;
}

// The run state as the equilibrium phases leave it, from the parameters of
// the case (computed radii, drad 1.0, central share 0.9, one-year period,
// aligned phases: with the half-step offsets this set needs a negative mass).
std::unique_ptr<RunState> equilibrium_state(const SmallCase& c) {
  auto s = std::make_unique<RunState>();
  set_fixed_names(*s);
  RunParameters& p = s->params;
  p.ncirc = c.ncirc;
  p.nbc = c.nbc;
  p.drad = 1.0;
  p.omtot = 2.0e30;
  p.fcen = 0.9;
  p.iphase = 1;
  p.period = 1.0;
  p.eps = 1.0e-12;
  p.maxit = 50;
  p.tilt = c.tilt;
  p.dens = c.dens;
  p.hval = c.hval;
  p.itag = c.itag;
  std::memcpy(p.fstate.data(), "state.dat   ", 12);
  s->allocate_tables();
  run_equilibrium(*s);
  close_unit(unit_ring_table);
  return s;
}

class InitialStateProperties : public ::testing::TestWithParam<double> {
 protected:
  void SetUp() override {
    c_ = thirty_by_forty(GetParam());
    state_ = equilibrium_state(c_);
    set_code_units(*state_);
    place_bodies(*state_);
    tilt_bodies(*state_);
    move_to_barycentre(*state_);
    ASSERT_EQ(set_body_radii(*state_), RadiiResult::completed);
    write_initial_state(*state_);
    file_ = read_state(scratch_.dir().read("state.dat"), state_->nbtot);
  }

  InScratchDir scratch_;
  SmallCase c_;
  std::unique_ptr<RunState> state_;
  StateFile file_;
};

TEST_P(InitialStateProperties, MassesSumToOneAndMomentumIsOfRoundingSize) {
  double mass = 0.0, scale = 0.0;
  for (const auto& rec : file_.bodies) {
    mass += StateFile::real(rec[0]);
    scale += std::fabs(StateFile::real(rec[0]) * StateFile::real(rec[5]));
  }
  EXPECT_NEAR(mass, 1.0, 1e-14);
  for (int i = 4; i < 7; ++i) EXPECT_LT(std::fabs(StateFile::real(file_.header[i])), 1e-15 * scale) << i;
  // The angular momentum of a positive rotation points along the tilted normal (0, -sin, cos).
  const double lz = StateFile::real(file_.header[9]);
  EXPECT_GT(lz, 0.0);
  EXPECT_NEAR(StateFile::real(file_.header[8]) / lz, -std::tan(GetParam()), 1e-12);
}

TEST_P(InitialStateProperties, BodiesOfOneCircleShareMassAndRadius) {
  for (int k = 0; k < c_.ncirc; ++k) {
    const auto& first = file_.bodies[1 + k * c_.nbc];
    for (int j = 1; j < c_.nbc; ++j) {
      const auto& rec = file_.bodies[1 + k * c_.nbc + j];
      ASSERT_EQ(rec[0], first[0]) << "circle " << k + 1;
      ASSERT_EQ(rec[13], first[13]) << "circle " << k + 1;
    }
  }
  for (const auto& rec : file_.bodies)
    for (int i : {7, 8, 9, 10, 11, 12, 14}) ASSERT_EQ(rec[i], "0.000000000000000E+000");
}

TEST_P(InitialStateProperties, HeaderAndTrailerAgree) {
  EXPECT_EQ(file_.header[19], std::to_string(state_->nbtot));
  EXPECT_EQ(file_.trailer[1], file_.header[19]);
  EXPECT_EQ(file_.header[23], "11");  // 1202^third = 10.63
  EXPECT_EQ(file_.trailer[0], "7");
  for (int i = 5; i < 15; ++i) EXPECT_EQ(file_.trailer[i], "0");
}

INSTANTIATE_TEST_SUITE_P(Tilts, InitialStateProperties, ::testing::Values(0.0, 0.7));

// Without a tilt the set stays in the ring plane exactly.
TEST(InitialStateUntilted, ZComponentsAndInPlaneAngularMomentumAreExactlyZero) {
  InScratchDir scratch;
  auto s = equilibrium_state(thirty_by_forty(0.0));
  set_code_units(*s);
  place_bodies(*s);
  tilt_bodies(*s);
  move_to_barycentre(*s);
  ASSERT_EQ(set_body_radii(*s), RadiiResult::completed);
  for (std::size_t b = 1; b <= static_cast<std::size_t>(s->nbtot); ++b) {
    ASSERT_EQ(s->bodies.pos[2][b], 0.0) << b;
    ASSERT_EQ(s->bodies.vel[2][b], 0.0) << b;
  }
  EXPECT_EQ(s->bodies.angm[0], 0.0);
  EXPECT_EQ(s->bodies.angm[1], 0.0);
  EXPECT_EQ(s->bodies.pmom[2], 0.0);
}

TEST(CubeCount, IsTheNearestIntegerToTheCubeRootOfOneMoreThanTheBodies) {
  const struct {
    int nbtot, ncube;
  } rows[] = {{1, 1}, {2, 1}, {3, 2}, {7, 2}, {14, 2}, {15, 3}, {999, 10}, {1000001, 100}};
  for (const auto& r : rows) EXPECT_EQ(ncube_of(r.nbtot, 1.0 / 3.0), r.ncube) << r.nbtot;
  // The power itself falls just short of 10 here: without the added half it would be 9.
  EXPECT_LT(std::pow(1000.0, 1.0 / 3.0), 10.0);
}

}  // namespace
}  // namespace tembrix::test
