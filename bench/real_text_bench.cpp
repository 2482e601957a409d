// Time per real text: format_real against std::to_chars with 17 significant
// digits (scientific, precision 16), the conversion it must not be slower
// than, on the same values. The ratio is format_real's time over to_chars's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <vector>

#include "textio/real_text.h"
#include "textio/real_text_exact.h"

namespace {

// A mix like the system's output: body masses near 1e-6, positions 1..30 of
// either sign, velocities 600..20000 of either sign, and zeros.
const std::vector<double>& mixed_values() {
  static const std::vector<double> values = [] {
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> v(1 << 14);
    for (std::size_t i = 0; i < v.size(); ++i) {
      const double sign = rng() & 1 ? -1.0 : 1.0;
      switch (i % 8) {
        case 0: v[i] = 1e-6 * (0.5 + unit(rng)); break;
        case 1: case 2: case 3: v[i] = sign * (1.0 + 29.0 * unit(rng)); break;
        case 4: case 5: case 6: v[i] = sign * (600.0 + 19400.0 * unit(rng)); break;
        default: v[i] = 0.0; break;
      }
    }
    std::shuffle(v.begin(), v.end(), rng);
    return v;
  }();
  return values;
}

// Uniformly random bit patterns: every exponent equally likely.
const std::vector<double>& random_values() {
  static const std::vector<double> values = [] {
    std::mt19937_64 rng(43);
    std::vector<double> v;
    while (v.size() < (1 << 14)) {
      const std::uint64_t b = rng();
      if ((b >> 52 & 0x7FF) != 0x7FF) v.push_back(std::bit_cast<double>(b));
    }
    return v;
  }();
  return values;
}

template <class Format>
void run(benchmark::State& state, const std::vector<double>& values, Format format) {
  char buf[64];
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(format(values[i], buf));
    benchmark::DoNotOptimize(buf);
    i = (i + 1) & (values.size() - 1);
  }
  state.SetItemsProcessed(state.iterations());
}

int product(double v, char* buf) { return tembrix::format_real(v, buf); }
int reference(double v, char* buf) { return tembrix::format_real_exact(v, buf); }
int to_chars_17(double v, char* buf) {
  return static_cast<int>(std::to_chars(buf, buf + 64, v, std::chars_format::scientific, 16).ptr - buf);
}
int to_chars_shortest(double v, char* buf) { return static_cast<int>(std::to_chars(buf, buf + 64, v).ptr - buf); }

void BM_mixed_format_real(benchmark::State& s) { run(s, mixed_values(), product); }
void BM_mixed_to_chars_17_digits(benchmark::State& s) { run(s, mixed_values(), to_chars_17); }
void BM_mixed_format_real_exact(benchmark::State& s) { run(s, mixed_values(), reference); }
void BM_mixed_to_chars_shortest(benchmark::State& s) { run(s, mixed_values(), to_chars_shortest); }
void BM_random_format_real(benchmark::State& s) { run(s, random_values(), product); }
void BM_random_to_chars_17_digits(benchmark::State& s) { run(s, random_values(), to_chars_17); }
void BM_random_format_real_exact(benchmark::State& s) { run(s, random_values(), reference); }

BENCHMARK(BM_mixed_format_real);
BENCHMARK(BM_mixed_to_chars_17_digits);
BENCHMARK(BM_mixed_format_real_exact);
BENCHMARK(BM_mixed_to_chars_shortest);
BENCHMARK(BM_random_format_real);
BENCHMARK(BM_random_to_chars_17_digits);
BENCHMARK(BM_random_format_real_exact);

}  // namespace

BENCHMARK_MAIN();
