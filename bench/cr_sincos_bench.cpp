// Time per call of the correctly rounded sine and cosine against the C
// library's, over the angles the program forms: the matrix's angle differences
// in (-4 pi, 4 pi), and small tilts.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "mathfn/cr_sincos.h"

namespace {

std::vector<double> angles(double lo, double hi) {
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> d(lo, hi);
  std::vector<double> v(4096);
  for (double& x : v) {
    x = d(rng);
  }
  return v;
}

template <double (*F)(double)>
void run(benchmark::State& state, double lo, double hi) {
  const std::vector<double> args = angles(lo, hi);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(F(args[i]));
    i = (i + 1) & 4095;
  }
}

double libc_sin(double x) { return std::sin(x); }
double libc_cos(double x) { return std::cos(x); }

void BM_CrSin(benchmark::State& s) { run<tembrix::pmath::cr_sin>(s, -4 * M_PI, 4 * M_PI); }
void BM_LibcSin(benchmark::State& s) { run<libc_sin>(s, -4 * M_PI, 4 * M_PI); }
void BM_CrCos(benchmark::State& s) { run<tembrix::pmath::cr_cos>(s, -4 * M_PI, 4 * M_PI); }
void BM_LibcCos(benchmark::State& s) { run<libc_cos>(s, -4 * M_PI, 4 * M_PI); }
void BM_CrCosSmall(benchmark::State& s) { run<tembrix::pmath::cr_cos>(s, -0.5, 0.5); }
void BM_LibcCosSmall(benchmark::State& s) { run<libc_cos>(s, -0.5, 0.5); }

}  // namespace

BENCHMARK(BM_CrSin);
BENCHMARK(BM_LibcSin);
BENCHMARK(BM_CrCos);
BENCHMARK(BM_LibcCos);
BENCHMARK(BM_CrCosSmall);
BENCHMARK(BM_LibcCosSmall);
BENCHMARK_MAIN();
