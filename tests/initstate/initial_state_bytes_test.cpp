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
#include "initstate/placement.h"
#include "initstate/tilt.h"
#include "small_run.h"
#include "textio/units.h"

namespace tembrix::test {
namespace {

using Vec = std::vector<double>;

// Every per-body table separately, indexed 1..nbtot.
struct ModelBodies {
  Vec omo, xpl, ypl, zpl, vxpl, vypl, vzpl, radb, zs;
  std::vector<Vec> rtil, vtil, pos, vel, zv1, zv2;  // [b][c], c = 1..3
  double rcm[4] = {}, pmom[4] = {}, angm[4] = {}, omax = 0.0;
  double lunit = 0.0, vunit = 0.0, densu = 0.0, mtot = 0.0;
};

ModelBodies model(const SmallCase& c) {
  const double pi = 3.141592653589793, third = 1.0 / 3.0, grav = 6.67259e-11;
  const double tunit = test_tunit, omegau = test_omegau, dphi = (pi * 2.0) / c.nbc;
  const int nbtot = c.ncirc * c.nbc + 1;
  ModelBodies m;
  const auto n = static_cast<std::size_t>(nbtot) + 1;
  for (Vec* t : {&m.omo, &m.xpl, &m.ypl, &m.zpl, &m.vxpl, &m.vypl, &m.vzpl, &m.radb, &m.zs}) t->assign(n, 0.0);
  for (auto* t : {&m.rtil, &m.vtil, &m.pos, &m.vel, &m.zv1, &m.zv2}) t->assign(n, Vec(4, 0.0));
  double mtot = c.m0;
  for (int k = 1; k <= c.ncirc; ++k) mtot = (c.cmass[k - 1] * c.nbc) + mtot;
  m.mtot = mtot;
  // Code units and placement.
  m.omo[1] = c.m0 / mtot;
  m.lunit = std::pow((mtot * grav) / (tunit * tunit), third);
  m.vunit = 1.0 / (m.lunit * tunit);
  m.densu = (((c.dens * m.lunit) * m.lunit) * m.lunit) / mtot;
  int b = 1;
  for (int k = 1; k <= c.ncirc; ++k) {
    const double rrel = ((c.rad[k - 1] / c.rad[0]) * c.rad[0]) / m.lunit;
    for (int j = 1; j <= c.nbc; ++j) {
      const double a = c.offset[k - 1] + (j - 1) * dphi;
      ++b;
      m.omo[b] = c.cmass[k - 1] / mtot;
      m.xpl[b] = std::cos(a) * rrel;
      m.ypl[b] = std::sin(a) * rrel;
      m.zpl[b] = 0.0;
      m.vxpl[b] = -((std::sin(a) * rrel) * omegau);
      m.vypl[b] = (std::cos(a) * rrel) * omegau;
      m.vzpl[b] = 0.0;
    }
  }
  // Tilt.
  for (b = 2; b <= nbtot; ++b) {
    m.rtil[b][1] = m.xpl[b];
    m.rtil[b][2] = std::cos(c.tilt) * m.ypl[b] - std::sin(c.tilt) * m.zpl[b];
    m.rtil[b][3] = std::sin(c.tilt) * m.ypl[b] + std::cos(c.tilt) * m.zpl[b];
    m.vtil[b][1] = m.vxpl[b];
    m.vtil[b][2] = std::cos(c.tilt) * m.vypl[b] - std::sin(c.tilt) * m.vzpl[b];
    m.vtil[b][3] = std::sin(c.tilt) * m.vypl[b] + std::cos(c.tilt) * m.vzpl[b];
  }
  // Barycentre, bodies in order, components inside.
  for (b = 1; b <= nbtot; ++b) {
    if (m.omo[b] == 0.0) continue;
    for (int cc = 1; cc <= 3; ++cc) {
      m.rcm[cc] = m.rtil[b][cc] * m.omo[b] + m.rcm[cc];
      m.pmom[cc] = m.pmom[cc] + m.vtil[b][cc] * m.omo[b];
    }
  }
  for (b = 1; b <= nbtot; ++b) {
    if (m.omo[b] == 0.0) continue;
    for (int cc = 1; cc <= 3; ++cc) {
      m.pos[b][cc] = m.rtil[b][cc] - m.rcm[cc];
      m.vel[b][cc] = m.vtil[b][cc] - m.pmom[cc];
    }
    const double w = m.omo[b], x = m.pos[b][1], y = m.pos[b][2], z = m.pos[b][3];
    const double vx = m.vel[b][1], vy = m.vel[b][2], vz = m.vel[b][3];
    m.angm[1] = (m.angm[1] - (vy * z) * w) + (vz * y) * w;
    m.angm[2] = ((vx * z) * w + m.angm[2]) - (x * vz) * w;
    m.angm[3] = ((x * vy) * w + m.angm[3]) - (vx * y) * w;
  }
  for (int cc = 1; cc <= 3; ++cc) m.pmom[cc] = 0.0;
  // Radii.
  for (b = 1; b <= nbtot; ++b) {
    for (int cc = 1; cc <= 3; ++cc) m.pmom[cc] = m.pmom[cc] + m.vel[b][cc] * m.omo[b];
    const double rad3 = (m.omo[b] * 3.0) / ((pi * m.densu) * 4.0);
    m.radb[b] = std::pow(rad3, third);
    if (m.omo[b] >= m.omax) m.omax = m.omo[b];
  }
  return m;
}

// The expected file: header, five lines per body, trailer.
std::string expected_file(const SmallCase& c, const ModelBodies& m, int ncube) {
  const int nbtot = c.ncirc * c.nbc + 1;
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
  s += line({I(c.itag), I(nbtot), R(m.mtot), R(m.lunit)});
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
