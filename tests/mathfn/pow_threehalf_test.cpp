// The fast power 1.5 against the C library's pow(x, 1.5): the same bits and
// the same IEEE flags on every path (Dekker's products, fused multiply-adds,
// four lanes), and the fast path declining exactly where it must.
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "mathfn/pow_threehalf.h"
#include "mathfn/pow_threehalf_paths.h"
#include "mathfn/program_math.h"

namespace {

using namespace tembrix::pmath;

struct Outcome {
  std::uint64_t bits;
  int flags;
};

template <class F>
Outcome run(F f) {
  std::feclearexcept(FE_ALL_EXCEPT);
  const double y = f();
  const int flags = std::fetestexcept(FE_ALL_EXCEPT);
  return {std::bit_cast<std::uint64_t>(y), flags};
}

Outcome library(double x) {
  return run([x] { return std::pow(x, 1.5); });
}

// pow_threehalf on one argument through every path this CPU has: the scalar
// entry, the portable kernel, the FMA kernel, the four-lane kernel (x in each
// lane, the other lanes 1.0), and the program's pow with y = 1.5.
void expect_library_bits(double x) {
  const Outcome want = library(x);
  auto check = [&](const char* path, Outcome got) {
    EXPECT_EQ(got.bits, want.bits) << path << " x=" << std::hexfloat << x;
    EXPECT_EQ(got.flags, want.flags) << path << " x=" << std::hexfloat << x;
  };
  check("pow_threehalf", run([x] { return pow_threehalf(x); }));
  check("pmath::pow", run([x] { return tembrix::pmath::pow(x, 1.5); }));
  auto via = [x](bool (*kernel)(double, double*)) {
    return run([x, kernel] {
      double y;
      return kernel(x, &y) ? y : std::pow(x, 1.5);
    });
  };
  check("portable", via(threehalf_paths::try_portable));
  if (threehalf_paths::fma_available()) check("fma", via(threehalf_paths::try_fma));
  for (int lane = 0; lane < 4; ++lane) {
    double in[5] = {1.0, 1.0, 1.0, 1.0, 1.0};
    double out[5];
    in[lane] = x;
    check("pow_n", run([&] {
      pow_threehalf_n(in, out, 5);
      return out[lane];
    }));
  }
}

bool decides(double x) {
  double y = 0.0;
  const bool fast = try_pow_threehalf(x, &y);
  double z = 0.0;
  EXPECT_EQ(threehalf_paths::try_portable(x, &z), fast) << std::hexfloat << x;
  if (fast) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(y), std::bit_cast<std::uint64_t>(z));
  }
  return fast;
}

struct Case {
  double x;
  bool fast;  // the fast path decides it
  const char* why;
};

const double inf = std::numeric_limits<double>::infinity();
const double nan_ = std::numeric_limits<double>::quiet_NaN();

TEST(PowThreehalf, HardCasesMatchTheLibraryAndDeclineWhereTheyMust) {
  const Case cases[] = {
      {2.0, true, "an irrational power"},
      {0.0625 * 3.0, true, "a small ordinary argument"},
      {1.0, false, "exact: the library raises no inexact for 1"},
      {4.0, false, "exact 8: the library still raises inexact"},
      {0.25, false, "exact 1/8"},
      {9.0, false, "exact 27"},
      {43291044225.0, false, "208065^2: x^1.5 = 208065^3 is a midpoint"},
      {68718952449.0, false, "262143^2: x^1.5 is a midpoint"},
      {0x1.ac3f1374ea95ep+0, false, "3e-7 ULP from a midpoint (found by search)"},
      {0x1.8df1b1e6c52f0p+0, false, "2e-6 ULP from a midpoint"},
      {0x1.fe9019cfdfe3dp+0, false, "3e-6 ULP from a midpoint"},
      {0x1.f5d3557abce6dp+0, false, "1.4e-5 ULP from a midpoint"},
      {0x1p-600, false, "lowest bound, exact power"},
      {0x1.0000000000002p-600, true, "just inside the lower bound"},
      {0x1.fffffffffffffp-601, false, "just below the lower bound"},
      {0x1.ffffffffffffep+599, true, "just inside the upper bound"},
      {0x1p+600, false, "the upper bound itself"},
      {0x1p+682, false, "x^1.5 = 2^1023"},
      {0x1.0000000000001p+683, false, "overflows"},
      {std::numeric_limits<double>::max(), false, "overflows"},
      {0x1p-1022, false, "smallest normal: underflows"},
      {0x1p-700, false, "x^1.5 subnormal"},
      {0x1p-1074, false, "smallest subnormal"},
      {0x0.8p-1022, false, "a subnormal"},
      {0.0, false, "zero"},
      {-0.0, false, "negative zero"},
      {-2.0, false, "negative: invalid"},
      {-0x1p-1074, false, "negative subnormal"},
      {inf, false, "infinity"},
      {-inf, false, "minus infinity"},
      {nan_, false, "NaN"},
      {-nan_, false, "negative NaN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(decides(c.x), c.fast) << std::hexfloat << c.x;
    expect_library_bits(c.x);
  }
}

// Random arguments: bit patterns over the fast range and beyond, and the bases
// the matrix forms (radius ratios up to 1000 both ways, any angle). Every path,
// bits and flags; the fast path must decide most of them.
TEST(PowThreehalf, RandomArgumentsMatchTheLibraryOnEveryPath) {
  std::mt19937_64 rng(20261211);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  constexpr int count = 1 << 20;
  std::vector<double> xs(count);
  for (int k = 0; k < count; ++k) {
    switch (k % 4) {
      case 0: {  // any positive normal in [2^-700, 2^700)
        const std::uint64_t e = 1023 - 700 + rng() % 1400;
        xs[k] = std::bit_cast<double>((e << 52) | (rng() >> 12));
        break;
      }
      case 1: xs[k] = std::bit_cast<double>(rng()); break;  // anything, NaN included
      default: {
        const double rho = std::exp((unit(rng) * 2.0 - 1.0) * std::log(1000.0));
        const double c = std::cos(unit(rng) * 6.283185307179586) * rho;
        xs[k] = ((rho * rho) + 1.0) - (c * 2.0);
      }
    }
  }
  std::vector<double> fast(count);
  pow_threehalf_n(xs.data(), fast.data(), count);
  int decided = 0;
  int in_range = 0;
  for (int k = 0; k < count; ++k) {
    const double x = xs[k];
    const Outcome want = library(x);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(fast[k]), want.bits) << "pow_n x=" << std::hexfloat << x;
    const Outcome got = run([x] { return pow_threehalf(x); });
    ASSERT_EQ(got.bits, want.bits) << std::hexfloat << x;
    ASSERT_EQ(got.flags, want.flags) << std::hexfloat << x;
    double y;
    if (x >= 0x1p-600 && x < 0x1p600) ++in_range;
    if (try_pow_threehalf(x, &y)) ++decided;
    double z;
    if (threehalf_paths::try_portable(x, &z)) {
      ASSERT_EQ(std::bit_cast<std::uint64_t>(z), want.bits) << "portable x=" << std::hexfloat << x;
    }
  }
  // About 1/9 of the in-range arguments lie within 1/18 ULP of a midpoint.
  EXPECT_GT(decided, in_range * 0.85);
  EXPECT_LT(decided, in_range * 0.92);
}

// The batch entry crosses its four lanes: every length 0..13, with undecided
// arguments (library-only) put in every position, and nothing written past n.
TEST(PowThreehalf, BatchesOfEveryLengthMatchOneAtATime) {
  const double odd[] = {4.0, -1.0, 0.0, nan_, 0x1p-1074, 43291044225.0, inf};
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> base(1e-5, 4e6);
  for (int n = 0; n <= 13; ++n) {
    for (int at = 0; at < n; ++at) {
      std::vector<double> x(static_cast<std::size_t>(n) + 1);
      for (double& v : x) v = base(rng);
      x[static_cast<std::size_t>(at)] = odd[(n + at) % 7];
      std::vector<double> out(static_cast<std::size_t>(n) + 1, -7.0);
      const Outcome batch = run([&] {
        pow_threehalf_n(x.data(), out.data(), n);
        return 0.0;
      });
      int want_flags = 0;
      for (int k = 0; k < n; ++k) {
        const Outcome one = library(x[static_cast<std::size_t>(k)]);
        want_flags |= one.flags;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(out[static_cast<std::size_t>(k)]), one.bits) << n << " " << k;
      }
      EXPECT_EQ(batch.flags, want_flags) << "n=" << n << " odd at " << at;
      EXPECT_EQ(out[static_cast<std::size_t>(n)], -7.0) << "written past n=" << n;
    }
  }
}

// Other exponents go to the library untouched, one at a time and in batches.
TEST(PowThreehalf, OtherExponentsAreTheLibrarys) {
  const double x[] = {2.0, 0.5, 3.0, 1e10, 7.0};
  const double ys[] = {0x1.5555555555555p-2, 1.5000000000000002, 2.0};
  for (double y : ys) {
    double out[5];
    tembrix::pmath::pow_n(x, y, out, 5);
    for (int k = 0; k < 5; ++k) {
      EXPECT_EQ(std::bit_cast<std::uint64_t>(out[k]), std::bit_cast<std::uint64_t>(std::pow(x[k], y)));
      EXPECT_EQ(std::bit_cast<std::uint64_t>(tembrix::pmath::pow(x[k], y)),
                std::bit_cast<std::uint64_t>(std::pow(x[k], y)));
    }
  }
}

}  // namespace
