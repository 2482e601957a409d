// Long verification of the correctly rounded sine and cosine against GNU MPFR
// (not part of the default test run; minutes on two cores):
//
//   build-bench/bench/cr_sincos_verify [random-arguments] [threads]
//
// Checks every argument's sine and cosine bit for bit against MPFR rounded to
// nearest at 53 bits: the random arguments (default 10^8; half uniform over
// (-8 pi, 8 pi), half log-uniform in magnitude over 2^-30..2^21), then the
// hard cases: the doubles nearest to k pi/2 and their two neighbours on each
// side, for every k of the fast path (k < 667546), both signs. Prints the
// counts, the differences (must be 0), the fast path's fallback rate and the
// time; exits 1 on any difference.
#include <mpfr.h>

#include <atomic>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

#include "mathfn/cr_sincos.h"
#include "mathfn/sincos_fast.h"

namespace {

struct Tally {
  long long checked = 0;
  long long differences = 0;
  long long fast_calls = 0;
  long long fallbacks = 0;
};

class Checker {
 public:
  Checker() {
    mpfr_init2(arg_, 53);
    mpfr_init2(s_, 53);
    mpfr_init2(c_, 53);
    mpfr_init2(pi_, 256);
  }
  ~Checker() {
    mpfr_clear(arg_);
    mpfr_clear(s_);
    mpfr_clear(c_);
    mpfr_clear(pi_);
  }
  Checker(const Checker&) = delete;
  Checker& operator=(const Checker&) = delete;

  void check(double x, Tally* t) {
    mpfr_set_d(arg_, x, MPFR_RNDN);
    mpfr_sin_cos(s_, c_, arg_, MPFR_RNDN);  // each correctly rounded
    const double want_sin = mpfr_get_d(s_, MPFR_RNDN);
    const double want_cos = mpfr_get_d(c_, MPFR_RNDN);
    const double got_sin = tembrix::pmath::cr_sin(x);
    const double got_cos = tembrix::pmath::cr_cos(x);
    t->checked += 2;
    if (std::bit_cast<std::uint64_t>(got_sin) != std::bit_cast<std::uint64_t>(want_sin)) {
      report(t, "sin", x, got_sin, want_sin);
    }
    if (std::bit_cast<std::uint64_t>(got_cos) != std::bit_cast<std::uint64_t>(want_cos)) {
      report(t, "cos", x, got_cos, want_cos);
    }
    const double ax = std::fabs(x);
    if (ax >= 0x1p-26 && ax < 0x1p20) {
      double y;
      t->fast_calls += 2;
      t->fallbacks += !tembrix::pmath::detail::sincos_fast_plain(x, false, &y);
      t->fallbacks += !tembrix::pmath::detail::sincos_fast_plain(x, true, &y);
    }
  }

  double nearest_half_pi_multiple(long k) {
    mpfr_const_pi(pi_, MPFR_RNDN);
    mpfr_mul_si(pi_, pi_, k, MPFR_RNDN);
    mpfr_div_2ui(pi_, pi_, 1, MPFR_RNDN);
    return mpfr_get_d(pi_, MPFR_RNDN);
  }

 private:
  static void report(Tally* t, const char* name, double x, double got, double want) {
    if (++t->differences <= 20) {
      std::printf("DIFFERENCE %s(%a) = %a, exact %a\n", name, x, got, want);
    }
  }
  mpfr_t arg_, s_, c_, pi_;
};

void random_part(int index, long long count, Tally* t) {
  Checker checker;
  std::mt19937_64 rng(0x5eed0000ULL + static_cast<unsigned long long>(index));
  std::uniform_real_distribution<double> turns(-8 * M_PI, 8 * M_PI);
  std::uniform_real_distribution<double> exponent(-30.0, 21.0);
  for (long long i = 0; i < count; ++i) {
    double x = turns(rng);
    if (i % 2 == 1) {
      x = std::copysign(std::exp2(exponent(rng)), x);
    }
    checker.check(x, t);
  }
}

void hard_part(int index, int threads, Tally* t) {
  Checker checker;
  for (long k = 1 + index; k < 667546; k += threads) {
    double x = checker.nearest_half_pi_multiple(k);
    for (int step = 0; step < 2; ++step) {
      x = std::nextafter(x, 0.0);
    }
    for (int j = 0; j < 5; ++j) {
      checker.check(x, t);
      checker.check(-x, t);
      x = std::nextafter(x, INFINITY);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const long long count = argc > 1 ? std::atoll(argv[1]) : 100000000LL;
  const int threads = argc > 2 ? std::atoi(argv[2]) : 2;
  std::printf("MPFR %s, thread-safe: %d\n", mpfr_get_version(), mpfr_buildopt_tls_p());
  const auto start = std::chrono::steady_clock::now();
  std::vector<Tally> tallies(static_cast<std::size_t>(threads));
  std::vector<std::thread> workers;
  for (int i = 0; i < threads; ++i) {
    workers.emplace_back([&, i] {
      random_part(i, count / threads + (i < count % threads ? 1 : 0), &tallies[static_cast<std::size_t>(i)]);
      hard_part(i, threads, &tallies[static_cast<std::size_t>(i)]);
    });
  }
  for (auto& w : workers) {
    w.join();
  }
  Tally total;
  for (const Tally& t : tallies) {
    total.checked += t.checked;
    total.differences += t.differences;
    total.fast_calls += t.fast_calls;
    total.fallbacks += t.fallbacks;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("arguments: %lld random + %d hard cases; values checked (sin and cos): %lld\n", count,
              667545 * 10, total.checked);
  std::printf("differences: %lld\n", total.differences);
  std::printf("fast path: %lld calls, %lld fell back to MPFR (%.3g)\n", total.fast_calls, total.fallbacks,
              total.fast_calls ? static_cast<double>(total.fallbacks) / static_cast<double>(total.fast_calls) : 0.0);
  std::printf("time: %.1f s on %d threads\n", seconds, threads);
  return total.differences == 0 ? 0 : 1;
}
