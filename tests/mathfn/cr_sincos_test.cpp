// The correctly rounded sine and cosine against GNU MPFR (rounded to nearest at
// 53 bits, which is the correctly rounded double for these values), bit for bit,
// and their IEEE flags against the C library's functions.
#include "mathfn/cr_sincos.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "mathfn/cr_sincos_constants.h"
#include "mathfn/sincos_fast.h"

namespace {

using tembrix::pmath::cr_cos;
using tembrix::pmath::cr_sin;

double reference(double x, bool cosine) {
  mpfr_t a;
  mpfr_t y;
  mpfr_init2(a, 53);
  mpfr_init2(y, 53);
  mpfr_set_d(a, x, MPFR_RNDN);
  if (cosine) {
    mpfr_cos(y, a, MPFR_RNDN);
  } else {
    mpfr_sin(y, a, MPFR_RNDN);
  }
  const double r = mpfr_get_d(y, MPFR_RNDN);
  mpfr_clear(y);
  mpfr_clear(a);
  return r;
}

std::uint64_t bits(double x) { return std::bit_cast<std::uint64_t>(x); }

std::string hex(double x) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%a", x);
  return buf;
}

constexpr int kFlags = FE_INVALID | FE_OVERFLOW | FE_UNDERFLOW | FE_DIVBYZERO | FE_INEXACT;

int flags_of(double (*f)(double), double x, double* out) {
  std::feclearexcept(FE_ALL_EXCEPT);
  volatile double y = f(x);
  const int raised = std::fetestexcept(kFlags);
  *out = y;
  return raised;
}

double libc_sin(double x) { return std::sin(x); }
double libc_cos(double x) { return std::cos(x); }

// Bits against MPFR (NaN: any NaN), flags against the C library.
void expect_exact(double x) {
  for (const bool cosine : {false, true}) {
    double got = 0;
    double libc = 0;
    const int got_flags = flags_of(cosine ? cr_cos : cr_sin, x, &got);
    const int libc_flags = flags_of(cosine ? libc_cos : libc_sin, x, &libc);
    const char* name = cosine ? "cos" : "sin";
    if (std::isnan(x) || std::isinf(x)) {
      EXPECT_TRUE(std::isnan(got)) << name << "(" << hex(x) << ")";
    } else {
      const double want = reference(x, cosine);
      EXPECT_EQ(bits(got), bits(want)) << name << "(" << hex(x) << ") = " << hex(got) << ", exact " << hex(want);
    }
    EXPECT_EQ(got_flags, libc_flags) << name << "(" << hex(x) << ") flags";
  }
}

double nearest_to_half_pi_multiple(int k) {
  mpfr_t v;
  mpfr_init2(v, 300);
  mpfr_const_pi(v, MPFR_RNDN);
  mpfr_mul_si(v, v, k, MPFR_RNDN);
  mpfr_div_2ui(v, v, 1, MPFR_RNDN);
  const double d = mpfr_get_d(v, MPFR_RNDN);
  mpfr_clear(v);
  return d;
}

TEST(CrSinCos, SpecialAndBoundaryArgumentsAreExactWithTheLibraryFlags) {
  const double fast_max = tembrix::pmath::sincos_constants::kFastMax;
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<double> rows = {
      0.0, 0x1p-1074, 0x1p-1060, 0x1.fffffffffffffp-1023, DBL_MIN, 0x1p-600,
      // The small-argument shortcuts end at 2^-26 (sine) and 2^-27 (cosine).
      std::nextafter(0x1p-27, 0.0), 0x1p-27, std::nextafter(0x1p-27, 1.0),
      std::nextafter(0x1p-26, 0.0), 0x1p-26, std::nextafter(0x1p-26, 1.0),
      // The series' range ends near pi/4; quadrant changes come at odd multiples.
      0x1.921fb54442d18p-1, 0x1.921fb54442d19p-1, 1.0, 2.0, 3.0, 0.5,
      // The fast path ends at 2^20.
      std::nextafter(fast_max, 0.0), fast_max, std::nextafter(fast_max, inf), 0x1p21,
      // Far beyond: MPFR reduces these.
      1e22, 0x1p60, 0x1p300, 0x1.7e43c8800759cp+996, DBL_MAX, inf,
      std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::signaling_NaN()};
  for (const double x : rows) {
    expect_exact(x);
    expect_exact(-x);
  }
}

TEST(CrSinCos, ZeroAndInfinityGiveTheSignedResults) {
  EXPECT_EQ(bits(cr_sin(-0.0)), bits(-0.0));
  EXPECT_EQ(bits(cr_sin(0.0)), bits(0.0));
  EXPECT_EQ(cr_cos(-0.0), 1.0);
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(bits(cr_sin(inf)), bits(std::sin(inf)));
  EXPECT_EQ(bits(cr_cos(-inf)), bits(std::cos(-inf)));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(bits(cr_sin(nan)), bits(nan));
}

// The doubles nearest to k pi/2 (and their neighbours) are where the reduced
// argument cancels most and sine or cosine come near zero or one.
TEST(CrSinCos, ArgumentsNearMultiplesOfHalfPiAreExact) {
  for (int k = 1; k <= 600; ++k) {
    const double d = nearest_to_half_pi_multiple(k);
    for (const double x : {std::nextafter(d, 0.0), d, std::nextafter(d, 1e9)}) {
      expect_exact(x);
      expect_exact(-x);
    }
  }
  // And near multiples up to the fast path's end.
  for (int k = 1000; k <= 667000; k += 3331) {
    const double d = nearest_to_half_pi_multiple(k);
    expect_exact(d);
    expect_exact(-std::nextafter(d, 0.0));
  }
}

// Arguments whose sine or cosine lies so near a midpoint between two doubles
// that the fast path's bound cannot decide it (found by a search over a few
// turns): they run through MPFR.
TEST(CrSinCos, ValuesNearAMidpointAreExact) {
  const std::vector<double> rows = {
      0x1.8bcb50364509p+4, -0x1.287e4355bbabfp+4, -0x1.4975d073d625fp+4, -0x1.71bc2bdabe9c8p+1,
      0x1.9454e52cd71ecp+3, 0x1.a4e10df9566cp+2, -0x1.4cf6b59b1dee3p+4, -0x1.17cf24edcd4acp+4,
      0x1.cfa26d2d80a78p+1, -0x1.9b9532f9185a7p+3, 0x1.adf46b6b20d1cp+2, -0x1.67d3f1855458p-3,
      0x1.2ea3b7d4f5fccp+3, -0x1.3586a39fcb13ep+4, 0x1.6d886fd63ebb8p+1, 0x1.31a67b96eae36p+4,
      -0x1.54b74020b4058p+3, 0x1.8bcfb2057abd4p+3, 0x1.7cf5f96073988p+4, 0x1.3317b8c3a3e9ap+4,
      0x1.615dcdc6d0182p+4, -0x1.771ada6552793p+4, 0x1.a89795110be8cp+3, -0x1.e81caee599c6p-1};
  int undecided = 0;
  for (const double x : rows) {
    expect_exact(x);
    double y = 0;
    undecided += !tembrix::pmath::detail::sincos_fast_plain(x, false, &y);
    undecided += !tembrix::pmath::detail::sincos_fast_plain(x, true, &y);
  }
  // Each row is undecided for one of the two functions at least.
  EXPECT_GE(undecided, static_cast<int>(rows.size()));
}

// A million arguments over the angles the program forms, against MPFR.
TEST(CrSinCos, RandomAnglesOfAFewTurnsAreExact) {
  std::mt19937_64 rng(20261211);
  std::uniform_real_distribution<double> turns(-8 * M_PI, 8 * M_PI);
  std::uniform_real_distribution<double> exponent(-30.0, 21.0);
  long mismatches = 0;
  long flag_mismatches = 0;
  constexpr int kCount = 500000;
  for (int i = 0; i < kCount; ++i) {
    // Half uniform over a few turns, half spread over magnitudes 2^-30..2^21
    // (small tilts, the fast path's end, and beyond).
    double x = turns(rng);
    if (i % 2 == 1) {
      x = std::copysign(std::exp2(exponent(rng)), x);
    }
    for (const bool cosine : {false, true}) {
      double got = 0;
      double libc = 0;
      const int got_flags = flags_of(cosine ? cr_cos : cr_sin, x, &got);
      const int libc_flags = flags_of(cosine ? libc_cos : libc_sin, x, &libc);
      if (bits(got) != bits(reference(x, cosine))) {
        if (++mismatches < 10) {
          ADD_FAILURE() << (cosine ? "cos(" : "sin(") << hex(x) << ") = " << hex(got);
        }
      }
      flag_mismatches += got_flags != libc_flags;
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(flag_mismatches, 0);
}

// The two instruction-set builds of the fast path agree bit for bit and in
// their decisions, so a CPU without fused multiply-add gets the same results;
// and the rounding test rarely gives up (a wrong error bound would show here).
TEST(CrSinCos, BothFastPathBuildsAgreeAndRarelyFallBack) {
  if (!__builtin_cpu_supports("fma")) {
    GTEST_SKIP() << "this CPU has no fused multiply-add instructions";
  }
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> turns(-8 * M_PI, 8 * M_PI);
  long fallbacks = 0;
  constexpr int kCount = 200000;
  for (int i = 0; i < kCount; ++i) {
    const double x = turns(rng);
    if (std::fabs(x) < 0x1p-26) {
      continue;
    }
    for (const bool cosine : {false, true}) {
      double a = 0;
      double b = 0;
      const bool fa = tembrix::pmath::detail::sincos_fast_fma(x, cosine, &a);
      const bool fb = tembrix::pmath::detail::sincos_fast_plain(x, cosine, &b);
      ASSERT_EQ(fa, fb) << hex(x);
      if (fa) {
        ASSERT_EQ(bits(a), bits(b)) << hex(x);
      } else {
        ++fallbacks;
      }
    }
  }
  EXPECT_LT(fallbacks, 20) << "of " << 2 * kCount;
}

// The matrix threads call cosine at once; MPFR's caches must be per thread.
TEST(CrSinCos, ConcurrentCallsIncludingTheFallbackAreExact) {
  EXPECT_TRUE(mpfr_buildopt_tls_p());
  std::vector<double> args;
  std::vector<double> want;
  for (int i = 0; i < 400; ++i) {
    args.push_back(0x1p21 + 977.25 * i);  // beyond the fast path: always MPFR
    args.push_back(0.37 + 0.5 * i);
  }
  for (const double x : args) {
    want.push_back(reference(x, true));
  }
  std::vector<long> wrong(4, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 5; ++round) {
        for (std::size_t i = 0; i < args.size(); ++i) {
          wrong[t] += bits(cr_cos(args[i])) != bits(want[i]);
        }
      }
    });
  }
  for (auto& th : threads) {
    th.join();
  }
  for (const long w : wrong) {
    EXPECT_EQ(w, 0);
  }
}

}  // namespace
