// Long verification of the correctly rounded powers x^third and x^1.5 (not a
// benchmark and not in the test run): N random positive doubles, uniform over
// the bit patterns (so every binade, subnormals included, is covered alike),
// each compared bit for bit with GNU MPFR rounding once to a double at the
// double's precision and exponent range. Also counts how often the fast path
// declined and the exact fallback ran.
//   build-bench/bench/cr_pow_verify [N per function, default 1e8] [threads, default 2]
#include <mpfr.h>

#include <atomic>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

#include "mathfn/cr_pow.h"
#include "mathfn/cr_pow_third_fast.h"
#include "mathfn/pow_threehalf.h"

namespace {

constexpr double kThird = 0x1.5555555555555p-2;

double mpfr_reference(double x, double y) {
  mpfr_set_emin(-1073);
  mpfr_set_emax(1024);
  mpfr_t mx, my, r;
  mpfr_inits2(53, mx, my, r, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_d(mx, x, MPFR_RNDN);
  mpfr_set_d(my, y, MPFR_RNDN);
  const int inex = mpfr_pow(r, mx, my, MPFR_RNDN);
  mpfr_subnormalize(r, inex, MPFR_RNDN);
  const double out = mpfr_get_d(r, MPFR_RNDN);
  mpfr_clears(mx, my, r, static_cast<mpfr_ptr>(nullptr));
  return out;
}

struct Counts {
  std::atomic<std::uint64_t> differ{0}, fallback{0};
};

void sweep(int which, std::uint64_t n, unsigned seed, Counts& c) {
  std::mt19937_64 rng(seed);
  std::uint64_t differ = 0, fallback = 0;
  for (std::uint64_t i = 0; i < n; ++i) {
    const std::uint64_t bits = 1 + rng() % (0x7ff0000000000000u - 1);  // finite, positive
    const double x = std::bit_cast<double>(bits);
    double fast;
    const double y = which == 0 ? kThird : 1.5;
    const bool decided = which == 0 ? tembrix::pmath::detail::try_pow_third(x, &fast)
                                    : tembrix::pmath::try_pow_threehalf(x, &fast);
    if (!decided) ++fallback;
    const double got = which == 0 ? tembrix::pmath::cr_pow_third(x) : tembrix::pmath::cr_pow_threehalf(x);
    if (std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(mpfr_reference(x, y))) {
      if (++differ <= 10) std::printf("  DIFFER x=%a got %a\n", x, got);
    }
  }
  c.differ += differ;
  c.fallback += fallback;
  mpfr_free_cache();
}

}  // namespace

int main(int argc, char** argv) {
  const std::uint64_t n = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000000u;
  const unsigned threads = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 2u;
  int failed = 0;
  for (int which = 0; which < 2; ++which) {
    Counts c;
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) {
      const std::uint64_t share = n / threads + (t < n % threads ? 1 : 0);
      pool.emplace_back(sweep, which, share, 1000u * static_cast<unsigned>(which) + t, std::ref(c));
    }
    for (auto& th : pool) th.join();
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %llu arguments, %llu differences, fallback %llu (%.3g%%), %.1f s\n",
                which == 0 ? "x^third" : "x^1.5", static_cast<unsigned long long>(n),
                static_cast<unsigned long long>(c.differ.load()), static_cast<unsigned long long>(c.fallback.load()),
                100.0 * static_cast<double>(c.fallback.load()) / static_cast<double>(n), secs);
    if (c.differ.load() != 0) failed = 1;
  }
  return failed;
}
