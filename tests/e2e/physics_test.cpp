// Physics of the written initial state: read back from the file, the bodies
// must form a rigidly rotating set in which the first body of every circle is
// in radial balance. The accelerations are summed directly over all bodies
// (G = 1 in code units), independently of how the program set up its system.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_support.h"

namespace tembrix::test {
namespace {

using Real = long double;

struct Vec3 {
  Real x = 0, y = 0, z = 0;
};
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Real s, Vec3 a) { return {s * a.x, s * a.y, s * a.z}; }
Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Real dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Real norm(Vec3 a) { return std::sqrt(dot(a, a)); }

std::vector<std::string> tokens(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> items;
  for (std::string item; in >> item;) items.push_back(item);
  return items;
}

Real real(const std::string& s) { return std::strtold(s.c_str(), nullptr); }

struct Body {
  Real m;
  Vec3 r, v;
};

// The initial-state file: header of 24 items, 15 per body, trailer of 15.
struct InitialState {
  std::vector<Body> bodies;  // bodies[0] is the central body
  Real mtot = 0, lunit = 0;

  explicit InitialState(const std::string& text) {
    const auto items = tokens(text);
    const std::size_t nbtot = std::stoul(items.at(19));
    EXPECT_EQ(items.size(), 24 + 15 * nbtot + 15);
    for (std::size_t b = 0; b < nbtot; ++b) {
      const auto* f = &items[24 + 15 * b];
      bodies.push_back({real(f[0]), {real(f[1]), real(f[2]), real(f[3])}, {real(f[4]), real(f[5]), real(f[6])}});
    }
    mtot = real(items[items.size() - 13]);
    lunit = real(items[items.size() - 12]);
  }
};

// Acceleration on body i from every other body of nonzero mass, G = 1.
Vec3 acceleration(const std::vector<Body>& bodies, std::size_t i) {
  Vec3 a;
  for (std::size_t j = 0; j < bodies.size(); ++j) {
    if (j == i || bodies[j].m == 0) continue;
    const Vec3 d = bodies[j].r - bodies[i].r;
    const Real r = norm(d);
    a = a + (bodies[j].m / (r * r * r)) * d;
  }
  return a;
}

struct Config {
  const char* name;
  int ncirc, nbc;
  std::string fcen, tilt, drad, iphase;
  std::vector<double> radii;  // read from a radii file when not empty
};

void PrintTo(const Config& c, std::ostream* os) { *os << c.name; }

class Physics : public ::testing::TestWithParam<Config> {};

TEST_P(Physics, FirstBodyOfEveryCircleIsInRadialBalanceAndTheSetRotatesRigidly) {
  const Config& c = GetParam();
  ScratchDir dir;
  Parameters p;
  p.ncirc = std::to_string(c.ncirc);
  p.nbc = std::to_string(c.nbc);
  p.fcen = c.fcen;
  p.tilt = c.tilt;
  p.drad = c.drad;
  p.iphase = c.iphase;
  p.eps = "1.0D-14";
  p.maxit = "200";
  if (!c.radii.empty()) {
    p.iradf = "1";
    std::string text;
    for (std::size_t k = 0; k < c.radii.size(); ++k)
      text += std::to_string(k + 1) + " " + std::to_string(c.radii[k]) + "\n";  // "150000000000.000000"
    dir.write("radii.dat", text);
  }
  dir.write("Tembrix2.dat", p.text());
  const RunResult run = run_in(dir.path(), TEMBRIX2_BINARY);
  ASSERT_EQ(run.status, 0) << run.err << run.out;
  const InitialState s(dir.read("state.dat"));
  ASSERT_EQ(s.bodies.size(), static_cast<std::size_t>(c.ncirc * c.nbc + 1));

  // Ring table: circle number, radius in metres, body mass in kg, correction.
  const auto ring = tokens(dir.read("QxNcRMEr.dat"));
  ASSERT_EQ(ring.size(), 4u * static_cast<std::size_t>(c.ncirc));

  const Real omegau = 200 * 3.14159265358979323846L;  // one code time unit is 100 periods
  const Real tilt = std::strtold(c.tilt.c_str(), nullptr);
  const Vec3 normal{0, -std::sin(tilt), std::cos(tilt)};  // the ring plane's normal after the tilt
  const Body& centre = s.bodies[0];
  Real total = 0;
  for (const Body& b : s.bodies) total += b.m;
  EXPECT_NEAR(static_cast<double>(total), 1.0, 1e-14);

  for (int k = 1; k <= c.ncirc; ++k) {
    const std::size_t first = 1 + static_cast<std::size_t>(k - 1) * c.nbc;
    const Real rad = real(ring[4 * (k - 1) + 1]);
    const Real cmass = real(ring[4 * (k - 1) + 2]);
    for (int j = 0; j < c.nbc; ++j) {
      const Body& b = s.bodies[first + j];
      const Vec3 rel = b.r - centre.r;
      // On its circle, with the circle's mass, in the tilted plane, moving
      // with the rigid rotation about the central body.
      ASSERT_NEAR(static_cast<double>(norm(rel) * s.lunit / rad), 1.0, 1e-13) << "circle " << k << " body " << j + 1;
      ASSERT_NEAR(static_cast<double>(b.m * s.mtot / cmass), 1.0, 1e-14) << "circle " << k;
      ASSERT_LT(static_cast<double>(std::fabs(dot(rel, normal)) / norm(rel)), 1e-14);
      const Vec3 rigid = omegau * cross(normal, rel);
      ASSERT_LT(static_cast<double>(norm((b.v - centre.v) - rigid) / norm(rigid)), 1e-13)
          << "circle " << k << " body " << j + 1;
    }
    // Radial balance of the first body: the pull towards the central body
    // equals the centripetal acceleration of the rotation.
    const Body& b = s.bodies[first];
    const Vec3 rel = centre.r - b.r;
    const Real r = norm(rel);
    const Real inward = dot(acceleration(s.bodies, first), rel) / r;
    EXPECT_NEAR(static_cast<double>(inward / (omegau * omegau * r)), 1.0, 1e-9) << "circle " << k;
  }
}

const Config configs[] = {
    {"one_circle", 1, 3, "0.9", "0.0", "1.0", "0", {}},
    {"five_circles_tilted", 5, 12, "0.5", "0.3", "1.0", "0", {}},
    {"twenty_circles_steep", 20, 50, "0.99", "1.2", "1.0", "0", {}},
    {"sixty_circles_of_200", 60, 200, "0.9", "0.05", "1.0", "0", {}},
    // The outer body, in line with the inner one, is held by it and the centre.
    {"one_body_per_circle", 2, 1, "0.5", "-0.5", "1.0", "1", {}},
    {"aligned_phases_close_step", 5, 30, "0.9", "0.9", "0.7", "1", {}},
    {"no_central_mass", 3, 7, "0.0", "0.2", "1.0", "0", {}},
    {"read_radii", 4, 20, "0.8", "2.5", "1.0", "0", {1.5e11, 2.2e11, 3.1e11, 4.0e11}},
};

INSTANTIATE_TEST_SUITE_P(Runs, Physics, ::testing::ValuesIn(configs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tembrix::test
