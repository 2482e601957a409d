// The diagnostics of check_state against a plain model: one straightforward
// loop over the bodies, in long double. The chunked, threaded sums must agree
// with it, and must not depend on the number of threads, for states below, at
// and above the chunk size.
#include <cmath>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "inspect/state_check.h"

namespace {

using namespace tembrix;
using statefile::InitialState;

// One ring of nbc equal bodies around a central body, rigidly rotating at the
// rate that balances the ring's first body, tilted by `tilt` about x. Masses
// sum to 1; code and SI units coincide (mtot = lunit = 1).
InitialState ring_state(std::size_t nbc, double tilt, double central = 0.5) {
  InitialState s;
  const std::size_t n = nbc + 1;
  auto& b = s.bodies;
  for (auto* v : {&b.mass, &b.pos[0], &b.pos[1], &b.pos[2], &b.vel[0], &b.vel[1], &b.vel[2], &b.radius}) v->assign(n, 0.0);
  const double m = (1.0 - central) / static_cast<double>(nbc);
  long double sring = 0;
  for (std::size_t j = 1; j < nbc; ++j) sring += 0.25L / std::sin(static_cast<long double>(j) * M_PIl / nbc);
  const double rate = static_cast<double>(std::sqrt(central + m * sring));  // radius 1
  b.mass[0] = central;
  for (std::size_t j = 0; j < nbc; ++j) {
    const double a = 2.0 * M_PI * static_cast<double>(j) / static_cast<double>(nbc);
    const double x = std::cos(a), y = std::sin(a);
    b.mass[1 + j] = m;
    b.pos[0][1 + j] = x;
    b.pos[1][1 + j] = std::cos(tilt) * y;
    b.pos[2][1 + j] = std::sin(tilt) * y;
    b.vel[0][1 + j] = -rate * y;
    b.vel[1][1 + j] = std::cos(tilt) * rate * x;
    b.vel[2][1 + j] = std::sin(tilt) * rate * x;
    b.radius[1 + j] = 1e-3;
  }
  // The header's angular momentum: m * r x v summed, along the tilted normal.
  const double l = static_cast<double>(nbc) * m * rate;
  s.header.reals[7] = 0.0;
  s.header.reals[8] = -std::sin(tilt) * l;
  s.header.reals[9] = std::cos(tilt) * l;
  s.header.integers = {1, 1, static_cast<std::int32_t>(n), 1};
  s.trailer = {1, static_cast<std::int32_t>(n), 1.0, 1.0, 1.0, {}};
  return s;
}

std::vector<statefile::RingRow> ring_table(const InitialState& s) {
  return {{1.0, s.bodies.mass[1], 0.0}};
}

// The plain model: every sum one loop over all bodies in long double.
struct Plain {
  long double mass = 0, residual = 0;
  std::array<long double, 3> moment{}, momentum{}, angular{};
};

Plain plain_model(const InitialState& s) {
  const auto& b = s.bodies;
  Plain p;
  std::array<long double, 3> pull{};
  for (std::size_t i = 0; i < b.size(); ++i) {
    const long double m = b.mass[i];
    p.mass += m;
    for (int c = 0; c < 3; ++c) {
      p.moment[c] += m * b.pos[c][i];
      p.momentum[c] += m * b.vel[c][i];
    }
    p.angular[0] += m * (static_cast<long double>(b.pos[1][i]) * b.vel[2][i] - static_cast<long double>(b.pos[2][i]) * b.vel[1][i]);
    p.angular[1] += m * (static_cast<long double>(b.pos[2][i]) * b.vel[0][i] - static_cast<long double>(b.pos[0][i]) * b.vel[2][i]);
    p.angular[2] += m * (static_cast<long double>(b.pos[0][i]) * b.vel[1][i] - static_cast<long double>(b.pos[1][i]) * b.vel[0][i]);
    if (i == 1) continue;
    std::array<long double, 3> d;
    for (int c = 0; c < 3; ++c) d[c] = static_cast<long double>(b.pos[c][i]) - b.pos[c][1];
    const long double r2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    for (int c = 0; c < 3; ++c) pull[c] += m * d[c] / (r2 * std::sqrt(r2));
  }
  // Body 1 lies at radius 1 from the central body at the origin, on the x axis.
  const long double lnorm = std::sqrt(p.angular[0] * p.angular[0] + p.angular[1] * p.angular[1] + p.angular[2] * p.angular[2]);
  long double inertia = 0;
  for (std::size_t i = 0; i < b.size(); ++i) {
    const long double r2 = static_cast<long double>(b.pos[0][i]) * b.pos[0][i] +
                           static_cast<long double>(b.pos[1][i]) * b.pos[1][i] +
                           static_cast<long double>(b.pos[2][i]) * b.pos[2][i];
    inertia += b.mass[i] * r2;  // every body lies in the ring plane
  }
  const long double rate = lnorm / inertia;
  p.residual = (-pull[0] - rate * rate) / (rate * rate);  // the pull points to the centre, along -x
  return p;
}

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(StateCheck, AgreesWithThePlainModelAndDoesNotDependOnThreadsAcrossTheChunkSize) {
  for (std::size_t n : {inspect::kBodyChunk - 1, inspect::kBodyChunk, inspect::kBodyChunk + 1, 3 * inspect::kBodyChunk + 5}) {
    const InitialState s = ring_state(n - 1, 0.3);
    const Plain p = plain_model(s);
    inspect::CheckOptions one;
    one.threads = 1;
    const inspect::CheckResult first = inspect::check_state(s, ring_table(s), one);
    EXPECT_TRUE(first.holds()) << n;
    EXPECT_NEAR(first.balance[0].residual, static_cast<double>(p.residual), 1e-14) << n;
    EXPECT_NEAR(first.checks[8].worst, static_cast<double>(std::fabs(p.mass - 1)), 1e-15) << n;
    for (unsigned threads : {2u, 3u, 8u}) {
      inspect::CheckOptions many;
      many.threads = threads;
      const inspect::CheckResult r = inspect::check_state(s, ring_table(s), many);
      EXPECT_TRUE(same_bits(r.rate, first.rate)) << n << " " << threads;
      EXPECT_TRUE(same_bits(r.balance[0].residual, first.balance[0].residual)) << n << " " << threads;
      for (std::size_t c = 0; c < r.checks.size(); ++c) {
        EXPECT_TRUE(same_bits(r.checks[c].worst, first.checks[c].worst)) << r.checks[c].name << " " << n;
        EXPECT_EQ(r.checks[c].where, first.checks[c].where) << r.checks[c].name << " " << n;
      }
    }
  }
}

// Each check reacts to the fault it is about, and names where it is.
TEST(StateCheck, EachCheckNamesItsFault) {
  const struct {
    const char* check;
    std::function<void(InitialState&)> change;
    const char* where;
  } cases[] = {
      {"balance", [](InitialState& s) { s.bodies.mass[0] *= 1.001; }, "ring 1"},
      {"rigid rotation", [](InitialState& s) { s.bodies.vel[2][7] += 1e-6; }, "body 8"},
      {"ring plane", [](InitialState& s) {
         s.bodies.pos[1][4] -= 1e-7 * std::sin(0.7);  // along the ring plane's normal
         s.bodies.pos[2][4] += 1e-7 * std::cos(0.7);
       }, "body 5"},
      {"ring masses", [](InitialState& s) { s.bodies.mass[5] *= 1 + 1e-7; }, "body 6"},
      {"ring radii", [](InitialState& s) { s.bodies.pos[0][9] *= 1 + 1e-7; }, "body 10"},
      {"centre of mass", [](InitialState& s) { for (std::size_t i = 0; i < s.bodies.size(); ++i) s.bodies.pos[0][i] += 1e-6; }, ""},
      {"momentum", [](InitialState& s) { for (std::size_t i = 0; i < s.bodies.size(); ++i) s.bodies.vel[1][i] += 1e-6; }, ""},
      {"angular momentum", [](InitialState& s) { s.header.reals[9] *= -1; }, ""},
      {"total mass", [](InitialState& s) { s.bodies.mass[0] += 1e-8; }, ""},
  };
  for (const auto& c : cases) {
    InitialState s = ring_state(12, 0.7);
    const auto table = ring_table(s);
    ASSERT_TRUE(inspect::check_state(s, table, {}).holds());
    c.change(s);
    const inspect::CheckResult r = inspect::check_state(s, table, {});
    const auto line = std::find_if(r.checks.begin(), r.checks.end(), [&](const auto& l) { return l.name == c.check; });
    ASSERT_NE(line, r.checks.end()) << c.check;
    EXPECT_FALSE(line->holds) << c.check;
    EXPECT_EQ(line->where, c.where) << c.check;
  }
}

TEST(StateCheck, RingTableThatDoesNotFitIsRefused) {
  const InitialState s = ring_state(6, 0.0);
  EXPECT_THROW(inspect::check_state(s, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}}, {}), std::invalid_argument);
  EXPECT_THROW(inspect::check_state(s, {}, {}), std::invalid_argument);
  InitialState no_units = s;
  no_units.trailer.lunit = 0.0;
  EXPECT_THROW(inspect::check_state(no_units, ring_table(s), {}), std::invalid_argument);
  // Two rings of three bodies fit.
  EXPECT_NO_THROW(inspect::check_state(s, {{1, 1, 0}, {1, 1, 0}}, {}));
}

}  // namespace
