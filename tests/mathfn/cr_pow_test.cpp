// The correctly rounded powers against an independent exact model (GNU MPFR at
// 200 bits, then rounded once to a double), and their IEEE flags against the
// C library's pow, which defines the flags the program's faults rely on.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "mathfn/cr_pow.h"

namespace {

using tembrix::pmath::cr_pow;
using tembrix::pmath::cr_pow_third;
using tembrix::pmath::cr_pow_threehalf;

constexpr double kThird = 0x1.5555555555555p-2;  // the double nearest 1/3
constexpr int kFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW | FE_UNDERFLOW | FE_INEXACT;

// x^y for x > 0 rounded to nearest: 200 bits first, one rounding to a double
// after (no exact power of these exponents lies within 2^-150 of a midpoint
// without being the midpoint itself, which both roundings then tie to even).
double exact_model(double x, double y) {
  mpfr_t mx, my, r;
  mpfr_inits2(200, mx, my, r, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_d(mx, x, MPFR_RNDN);
  mpfr_set_d(my, y, MPFR_RNDN);
  mpfr_pow(r, mx, my, MPFR_RNDN);
  const double out = mpfr_get_d(r, MPFR_RNDN);
  mpfr_clears(mx, my, r, static_cast<mpfr_ptr>(nullptr));
  return out;
}

struct Outcome {
  std::uint64_t bits;
  int flags;
};

template <class F>
Outcome run(F f) {
  std::feclearexcept(FE_ALL_EXCEPT);
  const volatile double r = f();
  const int flags = std::fetestexcept(kFlags);
  return {std::bit_cast<std::uint64_t>(static_cast<double>(r)), flags};
}

Outcome libc(double x, double y) {
  return run([&] { return std::pow(x, y); });
}

// The value of the model (x > 0) or, for the special bases, the C library's;
// the flags of the C library.
void expect_like_pow(double x, double y, Outcome got) {
  const Outcome ref = libc(x, y);
  const double want = (x > 0.0 && std::isfinite(x)) ? exact_model(x, y) : std::bit_cast<double>(ref.bits);
  EXPECT_EQ(got.bits, std::bit_cast<std::uint64_t>(want)) << std::hexfloat << x << " ^ " << y << " gave "
                                                          << std::bit_cast<double>(got.bits) << ", exact " << want;
  EXPECT_EQ(got.flags, ref.flags) << std::hexfloat << x << " ^ " << y;
}

void check_third(double x) { expect_like_pow(x, kThird, run([&] { return cr_pow_third(x); })); }
void check_threehalf(double x) { expect_like_pow(x, 1.5, run([&] { return cr_pow_threehalf(x); })); }

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = HUGE_VAL;
const double kMax = std::numeric_limits<double>::max();

// Every base the C library treats specially, the ends of the range, the edges
// of underflow and overflow of x^1.5 (2^-682.67 and 2^682.67), and 1.
const std::vector<double> kSpecialBases = {
    0.0,     -0.0,   kInf,    -kInf,        kNaN,          -kNaN,          -1.0,       -4.0,
    -0x1p-1074, -kMax, 1.0,   0x1p-1074,    0x1p-1073,     0x1p-1022,      0x1.fffffffffffffp-1023,
    kMax,    0x1p-700, 0x1p-682, 0x1.428a2f98d728bp-682, 0x1.428a2f98d728ap-682, 0x1.965fea53d6e3cp-682,
    0x1p683, 0x1.428a2f98d728ap+682, 0x1.428a2f98d728bp+682, 0x1.965fea53d6e3cp+682, 0x1p682,
    4.0,     9.0,    8.0,     0x1p-690,     0x1.8p-690,    2.0,            0.5,        3.0};

TEST(CrPow, SpecialAndEdgeBasesMatchTheCLibrarysAnswersAndFlags) {
  for (double x : kSpecialBases) {
    check_third(x);
    check_threehalf(x);
  }
  // A signalling NaN is quieted and raises invalid.
  const double snan = std::numeric_limits<double>::signaling_NaN();
  check_third(snan);
  check_threehalf(snan);
}

TEST(CrPow, NegativeBasesAreInvalidWithTheMachinesNaN) {
  // The default NaN of x86 (sign set, quiet), as 0/0 gives it, and invalid alone.
  for (double x : {-1.0, -0x1p-1074, -3.5e300}) {
    for (const Outcome o : {run([&] { return cr_pow_third(x); }), run([&] { return cr_pow_threehalf(x); })}) {
      EXPECT_EQ(o.bits, 0xfff8000000000000u);
      EXPECT_EQ(o.flags, FE_INVALID);
    }
  }
}

// x = k^3 * 2^(3n): x^third is near k * 2^n but not on it, since third < 1/3
// by 1/(3 * 2^54); the shift is a few units in the last place for large x,
// so these land on or near midpoints. x = k^2 * 4^n: x^1.5 = k^3 * 8^n
// exactly, a midpoint whenever k^3 needs 54 bits.
TEST(CrPow, ExactPowersAndTheirNeighbours) {
  for (std::uint64_t k = 1; k < 3000; ++k) {
    const double k3 = static_cast<double>(k * k * k);  // exact up to 2^53
    for (int n : {-300, -10, 0, 7, 200}) {
      const double x = std::ldexp(k3, 3 * n);
      check_third(x);
      check_third(std::nextafter(x, 0.0));
      check_third(std::nextafter(x, kInf));
    }
  }
  // k up to 2^18: k^2 < 2^36 exact, k^3 up to 54 bits (exact midpoints above 2^53).
  std::mt19937_64 rng(11);
  for (int i = 0; i < 10000; ++i) {
    const std::uint64_t k = (1u << 17) + rng() % (1u << 17);
    const double x = static_cast<double>(k * k);
    for (int n : {-200, 0, 100}) {
      const double xn = std::ldexp(x, 2 * n);
      check_threehalf(xn);
      check_threehalf(std::nextafter(xn, 0.0));
      check_threehalf(std::nextafter(xn, kInf));
    }
  }
  // Large k^3 up to 2^53 for third: the shift reaches several units.
  for (int i = 0; i < 20000; ++i) {
    const std::uint64_t k = (1u << 17) + rng() % ((1u << 17) + 71755u);  // k^3 < 2^53
    check_third(std::ldexp(static_cast<double>(k * k * k), 3 * static_cast<int>(rng() % 200) - 300));
  }
}

// Random bases over every binade, subnormals included, and dense around the
// underflow and overflow edges of x^1.5.
TEST(CrPow, RandomBasesAgreeWithTheExactModel) {
  std::mt19937_64 rng(2026);
  auto any_positive = [&] {
    const std::uint64_t bits = rng() % 0x7ff0000000000000u;  // every finite positive double
    return std::bit_cast<double>(bits == 0 ? 1u : bits);
  };
  for (int i = 0; i < 150000; ++i) {
    const double x = any_positive();
    check_third(x);
    check_threehalf(x);
  }
  for (double edge : {0x1.428a2f98d728bp-682, 0x1.428a2f98d728bp+682}) {
    for (int i = 0; i < 20000; ++i) {
      const double x = edge * (1.0 + (static_cast<double>(rng() % 2000001) - 1000000.0) * 1e-12);
      check_threehalf(x);
    }
  }
}

// Any other exponent: the C library's answers for the special cases (with
// divide-by-zero for a zero base and a negative exponent, signed for odd
// integers), MPFR's correctly rounded value otherwise.
TEST(CrPow, OtherExponents) {
  const std::vector<double> xs = {0.0, -0.0, 1.0, -1.0, 2.0, -2.0, 0.5, -0.5, kInf, -kInf, kNaN, 0x1p-1074, kMax, 10.0};
  const std::vector<double> ys = {0.0, -0.0, 1.0, -1.0, 2.0, -2.0, 3.0, -3.0, 0.5, -0.5, 1.5, kThird,
                                  kInf, -kInf, kNaN, 1e300, -1e300, 1074.0, -1074.5, 0x1p53, 0x1p53 + 2.0};
  for (double x : xs) {
    for (double y : ys) {
      const Outcome got = run([&] { return cr_pow(x, y); });
      const Outcome ref = libc(x, y);
      double want = std::bit_cast<double>(ref.bits);
      if (std::isfinite(x) && x != 0.0 && std::isfinite(y) && y != 0.0 && !std::isnan(want)) {
        want = std::copysign(exact_model(std::fabs(x), y), want);
      }
      EXPECT_EQ(got.bits, std::bit_cast<std::uint64_t>(want)) << std::hexfloat << x << " ^ " << y;
      EXPECT_EQ(got.flags, ref.flags) << std::hexfloat << x << " ^ " << y;
    }
  }
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> expo(-40.0, 40.0);
  for (int i = 0; i < 20000; ++i) {
    const double x = std::ldexp(1.0 + static_cast<double>(rng() % (1u << 30)) * 0x1p-30, static_cast<int>(rng() % 40) - 20);
    const double y = expo(rng);
    expect_like_pow(x, y, run([&] { return cr_pow(x, y); }));
  }
}

}  // namespace
