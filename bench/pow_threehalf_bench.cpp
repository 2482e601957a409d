// The power 1.5 per call: the C library's pow(x, 1.5) against the fast path
// one at a time (fused multiply-adds, and Dekker's products as on a CPU
// without them) and in batches (four lanes), over bases the matrix forms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "mathfn/pow_threehalf.h"
#include "mathfn/pow_threehalf_paths.h"

namespace {

using namespace tembrix::pmath;

// b = rho^2 + 1 - 2 rho cos(delta), rho and delta of a 1000-circle run.
const std::vector<double>& bases() {
  static const std::vector<double> b = [] {
    std::mt19937_64 rng(5);
    std::uniform_int_distribution<int> circle(1, 1000);
    std::uniform_real_distribution<double> angle(0.0, 6.283185307179586);
    std::vector<double> v(4096);
    for (double& x : v) {
      const double rho = static_cast<double>(circle(rng)) / static_cast<double>(circle(rng));
      const double c = std::cos(angle(rng)) * rho;
      x = ((rho * rho) + 1.0) - (c * 2.0);
    }
    return v;
  }();
  return b;
}

template <class F>
void per_call(benchmark::State& st, F f) {
  const std::vector<double>& b = bases();
  std::vector<double> out(b.size());
  for (auto _ : st) {
    f(b.data(), out.data(), static_cast<int>(b.size()));
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  st.SetItemsProcessed(st.iterations() * static_cast<std::int64_t>(b.size()));
  st.counters["ns_per_call"] = benchmark::Counter(static_cast<double>(st.iterations() * b.size()),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_LibraryPow(benchmark::State& st) {
  per_call(st, [](const double* x, double* y, int n) {
    for (int k = 0; k < n; ++k) y[k] = std::pow(x[k], 1.5);
  });
}

void BM_FastScalar(benchmark::State& st) {
  per_call(st, [](const double* x, double* y, int n) {
    for (int k = 0; k < n; ++k) y[k] = pow_threehalf(x[k]);
  });
}

void BM_FastScalarDekker(benchmark::State& st) {
  per_call(st, [](const double* x, double* y, int n) {
    for (int k = 0; k < n; ++k) {
      if (!threehalf_paths::try_portable(x[k], &y[k])) y[k] = std::pow(x[k], 1.5);
    }
  });
}

void BM_FastBatch(benchmark::State& st) {
  per_call(st, [](const double* x, double* y, int n) { pow_threehalf_n(x, y, n); });
}

}  // namespace

BENCHMARK(BM_LibraryPow);
BENCHMARK(BM_FastScalar);
BENCHMARK(BM_FastScalarDekker);
BENCHMARK(BM_FastBatch);
BENCHMARK_MAIN();
