// Verification of the fast power 1.5 against the C library's pow(x, 1.5):
// bits and IEEE flags of the scalar path and of the batch (four-lane) path,
// over random arguments or over every base b of the matrix of a few real runs.
// Prints counts, differences (must be 0), the share the library had to answer,
// and the time. Run it under both of the library's code paths:
//   build-bench/bench/pow_threehalf_verify random 1000000000 1
//   GLIBC_TUNABLES=glibc.cpu.hwcaps=-AVX2,-FMA,-FMA4 build-bench/bench/pow_threehalf_verify random 1000000000 1
//   build-bench/bench/pow_threehalf_verify runs      (and again with GLIBC_TUNABLES)
#include <atomic>
#include <bit>
#include <cfenv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "equilibrium/constants.h"
#include "equilibrium/scales.h"
#include "mathfn/pow_threehalf.h"
#include "model/run_state.h"
#include "textio/units.h"

namespace {

using namespace tembrix;

struct Tally {
  std::uint64_t count = 0;
  std::uint64_t library = 0;  // arguments the fast path left to the library
  std::uint64_t differences = 0;
  std::uint64_t printed = 0;

  void add(const Tally& o) {
    count += o.count;
    library += o.library;
    differences += o.differences;
  }
};

// Batch size: the arguments are checked one at a time and then as one batch.
constexpr int batch = 1024;

void report_difference(Tally& t, const char* path, double x, double got, double want, int gf, int wf) {
  ++t.differences;
  if (t.printed++ < 10) {
    std::printf("DIFFERENCE %s x=%a fast=%a flags %x, library=%a flags %x\n", path, x, got, gf, want, wf);
  }
}

// Checks xs[0..n) against the library: bits per argument, and the flags the
// batch raises, once through the scalar path and once through the batch path
// (the per-argument flags are the default tests' business).
void check(const double* xs, int n, Tally& t) {
  double want[batch];
  double got[batch];
  double out[batch];
  std::feclearexcept(FE_ALL_EXCEPT);
  for (int k = 0; k < n; ++k) want[k] = std::pow(xs[k], 1.5);
  const int wf = std::fetestexcept(FE_ALL_EXCEPT);
  std::feclearexcept(FE_ALL_EXCEPT);
  for (int k = 0; k < n; ++k) got[k] = pmath::pow_threehalf(xs[k]);
  const int gf = std::fetestexcept(FE_ALL_EXCEPT);
  std::feclearexcept(FE_ALL_EXCEPT);
  pmath::pow_threehalf_n(xs, out, n);
  const int bf = std::fetestexcept(FE_ALL_EXCEPT);
  for (int k = 0; k < n; ++k) {
    const std::uint64_t w = std::bit_cast<std::uint64_t>(want[k]);
    if (std::bit_cast<std::uint64_t>(got[k]) != w) report_difference(t, "scalar", xs[k], got[k], want[k], gf, wf);
    if (std::bit_cast<std::uint64_t>(out[k]) != w) report_difference(t, "batch", xs[k], out[k], want[k], bf, wf);
    double y;
    if (!pmath::try_pow_threehalf(xs[k], &y)) ++t.library;
  }
  if (gf != wf) report_difference(t, "scalar flags", xs[0], got[0], want[0], gf, wf);
  if (bf != wf) report_difference(t, "batch flags", xs[0], out[0], want[0], bf, wf);
  t.count += static_cast<std::uint64_t>(n);
}

// Random arguments, in four equal shares: matrix bases b = rho^2 + 1 - 2 rho c
// (rho log-uniform over 1/1000..1000, any angle), the same with angles within
// 0.01 rad (close bodies), positive doubles of random exponent over the fast
// range 2^-600..2^600 and a little beyond, and any bit pattern at all.
void random_worker(std::uint64_t count, std::uint64_t seed, Tally& t) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const double lnmax = std::log(1000.0);
  double xs[batch];
  for (std::uint64_t done = 0; done < count;) {
    const int n = static_cast<int>(std::min<std::uint64_t>(batch, count - done));
    for (int k = 0; k < n; ++k) {
      const std::uint64_t kind = (done + static_cast<std::uint64_t>(k)) % 4;
      if (kind < 2) {
        const double rho = std::exp((unit(rng) * 2.0 - 1.0) * lnmax);
        const double delta = kind == 0 ? unit(rng) * 6.283185307179586 : unit(rng) * 0.01;
        const double c = std::cos(delta) * rho;
        xs[k] = ((rho * rho) + 1.0) - (c * 2.0);
      } else if (kind == 2) {
        const std::uint64_t e = 1023 - 620 + rng() % 1240;
        xs[k] = std::bit_cast<double>((e << 52) | (rng() >> 12));
      } else {
        xs[k] = std::bit_cast<double>(rng());
      }
    }
    check(xs, n, t);
    done += static_cast<std::uint64_t>(n);
  }
}

// Every base of the matrix of one run, as the matrix row forms it: the radii
// rad(k) = rad(1) * k * drad, the offsets of the pattern (0 for all, or
// alternating 0 and dphi/2), or offsets 1e-4 k as from a phase file.
struct Run {
  const char* name;
  int ncirc, nbc;
  int offsets;  // 0: all zero, 1: alternating, 2: 1e-4 k
  double drad;
};

std::unique_ptr<RunState> laid_out(const Run& r) {
  auto s = std::make_unique<RunState>();
  set_fixed_names(*s);
  RunParameters& p = s->params;
  p.ncirc = r.ncirc;
  p.nbc = r.nbc;
  p.drad = r.drad;
  p.omtot = 2.0e30;
  p.fcen = 0.99;
  p.iphase = 1;
  p.iphf = 0;
  p.period = 1.0;
  p.eps = 1e-12;
  p.maxit = 100;
  s->allocate_tables();
  set_constants(*s);
  set_scales(*s);
  CircleTables& c = s->circles;
  c.rad[1] = 1.496e11;
  for (int k = 2; k <= r.ncirc; ++k) c.rad[static_cast<std::size_t>(k)] = (c.rad[1] * static_cast<double>(k)) * r.drad;
  for (int k = 1; k <= r.ncirc; ++k) {
    c.phi(k, 1) = r.offsets == 2 ? 1e-4 * k : (r.offsets == 1 && k % 2 == 0 ? s->scales.dphi * 0.5 : 0.0);
    for (int j = 2; j <= r.nbc; ++j) c.phi(k, j) = c.phi(k, j - 1) + s->scales.dphi;
  }
  return s;
}

// Rows i = first, first + stride, ... of one run.
void run_worker(const RunState& s, int first, int stride, Tally& t) {
  const CircleTables& c = s.circles;
  const int ncirc = s.params.ncirc;
  const int nbc = s.params.nbc;
  double xs[batch];
  for (int i = first; i <= ncirc; i += stride) {
    const double own = c.phi(i, 1);
    const double radius = c.rad[static_cast<std::size_t>(i)];
    for (int k = 1; k <= ncirc; ++k) {
      const double rho = c.rad[static_cast<std::size_t>(k)] / radius;
      int n = 0;
      for (int j = (k == i ? 2 : 1); j <= nbc; ++j) {
        const double cc = std::cos(c.phi(k, j) - own) * rho;
        xs[n++] = ((rho * rho) + 1.0) - (cc * 2.0);
        if (n == batch) {
          check(xs, n, t);
          n = 0;
        }
      }
      if (n > 0) check(xs, n, t);
    }
  }
}

void print(const char* what, const Tally& t, double seconds) {
  std::printf("%-44s %12llu arguments, %llu differences, library %.4f%%, %.1f s\n", what,
              static_cast<unsigned long long>(t.count), static_cast<unsigned long long>(t.differences),
              t.count ? 100.0 * static_cast<double>(t.library) / static_cast<double>(t.count) : 0.0, seconds);
  std::fflush(stdout);
}

Tally on_threads(int threads, const std::function<void(int, Tally&)>& work) {
  std::vector<Tally> tallies(static_cast<std::size_t>(threads));
  std::vector<std::thread> pool;
  for (int w = 0; w < threads; ++w) pool.emplace_back([&, w] { work(w, tallies[static_cast<std::size_t>(w)]); });
  for (std::thread& th : pool) th.join();
  Tally all;
  for (const Tally& t : tallies) all.add(t);
  return all;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const char* tunables = std::getenv("GLIBC_TUNABLES");
  std::printf("library path: %s; %d threads\n", tunables ? tunables : "(default)", threads);
  std::uint64_t differences = 0;
  if (mode == "random" && argc == 4) {
    const std::uint64_t count = std::strtoull(argv[2], nullptr, 10);
    const std::uint64_t seed = std::strtoull(argv[3], nullptr, 10);
    const auto start = std::chrono::steady_clock::now();
    const Tally t = on_threads(threads, [&](int w, Tally& mine) {
      const std::uint64_t share = count / static_cast<std::uint64_t>(threads) +
                                  (static_cast<std::uint64_t>(w) < count % static_cast<std::uint64_t>(threads) ? 1 : 0);
      random_worker(share, seed * 1000003 + static_cast<std::uint64_t>(w), mine);
    });
    print("random", t, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    differences = t.differences;
  } else if (mode == "runs" && argc == 2) {
    const Run runs[] = {
        {"1000 x 1000, offsets 0", 1000, 1000, 0, 1.0},
        {"300 x 1000, offsets 1e-4 k", 300, 1000, 2, 1.0},
        {"200 x 200, alternating, radius step 0.05", 200, 200, 1, 0.05},
        {"60 x 200, offsets 1e-4 k, radius step 3", 60, 200, 2, 3.0},
    };
    for (const Run& r : runs) {
      const auto start = std::chrono::steady_clock::now();
      auto state = laid_out(r);
      const Tally t = on_threads(threads, [&](int w, Tally& mine) { run_worker(*state, 1 + w, threads, mine); });
      print(r.name, t, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
      differences += t.differences;
    }
  } else {
    std::fprintf(stderr, "usage: pow_threehalf_verify random COUNT SEED | pow_threehalf_verify runs\n");
    return 2;
  }
  std::printf("%s\n", differences == 0 ? "no differences" : "DIFFERENCES FOUND");
  return differences == 0 ? 0 : 1;
}
