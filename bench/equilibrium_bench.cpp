// The costly parts of the ring equilibrium:
// - the interaction matrix per term, on one thread, against a bare loop of the
//   same std::cos and std::pow calls, with phase offsets that all differ (every
//   cosine evaluated) and with the alternating pattern (cosines shared);
// - the matrix on 1 and 2 threads (speed-up), and at 1000 x 1000 on all cores;
// - the first elimination at order 1000, column-wise against row-wise;
// - the refinement of 1000 circles (1 body each), eps = 0, maxit = 3000,
//   replayed, against 30 iterations that each re-solve in full;
// - all equilibrium phases of a 200 x 200 run.
// Every benchmark runs in a scratch working directory (history files, ring table).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "equilibrium/circle_layout.h"
#include "equilibrium/constants.h"
#include "equilibrium/dense_solver.h"
#include "equilibrium/interaction_matrix.h"
#include "equilibrium/matrix_build.h"
#include "equilibrium/refinement.h"
#include "equilibrium/ring_table.h"
#include "equilibrium/scales.h"
#include "model/run_state.h"
#include "oracles/refinement_reference.h"
#include "oracles/solver_reference.h"
#include "textio/units.h"

namespace {

using namespace tembrix;

// A run state before set_constants: names, parameters, tables.
std::unique_ptr<RunState> new_run(int ncirc, int nbc, int iphase, double eps, int maxit) {
  auto s = std::make_unique<RunState>();
  set_fixed_names(*s);
  RunParameters& p = s->params;
  p.ncirc = ncirc;
  p.nbc = nbc;
  p.drad = 1.0;
  p.omtot = 2.0e30;
  p.fcen = 0.9;
  p.iphase = iphase;
  p.iphf = 0;
  p.period = 1.0;
  p.eps = eps;
  p.maxit = maxit;
  s->allocate_tables();
  return s;
}

// Laid out and scaled, ready for the matrix; with distinct offsets every
// circle has a phase offset of its own, so no cosine can be shared.
std::unique_ptr<RunState> laid_out(int ncirc, int nbc, bool distinct_offsets) {
  auto s = new_run(ncirc, nbc, 0, 0.0, 0);
  set_constants(*s);
  lay_out_circles(*s);
  if (distinct_offsets) {
    for (int k = 1; k <= ncirc; ++k) s->circles.phi(k, 1) = 0.001 * k;
  }
  set_scales(*s);
  return s;
}

double terms_of(const RunState& s) {
  return static_cast<double>(s.params.ncirc) * s.params.ncirc * s.params.nbc;
}

// The term loop with nothing around it: an angle stepped by dphi round one
// circle of 1000 bodies (so the cosines see the arguments of a matrix row), a
// radius ratio, and the same cos, pow, division and summation as a matrix term.
void BM_BareTermLoop(benchmark::State& st) {
  const long terms = 8000000;
  const double dphi = 6.283185307179586 / 1000.0;
  for (auto _ : st) {
    double sum = 0.0, angle = 0.0;
    for (long n = 0; n < terms; ++n) {
      // rho starts above 1.0 so that no term meets the zero distance of a
      // body with itself (0/0 would raise a fault flag and time a NaN path).
      const double rho = 1.0005 + static_cast<double>(n % 997) * 0.001;
      angle = n % 1000 == 0 ? 0.0 : angle + dphi;
      const double c = std::cos(angle) * rho;
      const double b = ((rho * rho) + 1.0) - (c * 2.0);
      sum = (1.0 - c) / std::pow(b, 1.5) + sum;
    }
    benchmark::DoNotOptimize(sum);
  }
  st.counters["per_term"] = benchmark::Counter(static_cast<double>(terms),
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}
BENCHMARK(BM_BareTermLoop)->Unit(benchmark::kMillisecond)->UseRealTime();

// Matrix of 200 circles of 200 bodies: args are (distinct offsets?, threads).
void BM_MatrixBuild(benchmark::State& st) {
  auto s = laid_out(200, 200, st.range(0) != 0);
  const int threads = static_cast<int>(st.range(1));
  for (auto _ : st) build_interaction_matrix_threads(*s, threads);
  st.counters["per_term"] = benchmark::Counter(terms_of(*s),
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}
BENCHMARK(BM_MatrixBuild)
    ->ArgNames({"distinct", "threads"})
    ->Args({1, 1})
    ->Args({1, 2})
    ->Args({0, 1})
    ->Args({0, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The largest matrix, 10^9 terms, as a run builds it (all cores).
void BM_MatrixBuildLargest(benchmark::State& st) {
  auto s = laid_out(1000, 1000, false);
  for (auto _ : st) build_interaction_matrix(*s);
  st.counters["per_term"] = benchmark::Counter(terms_of(*s),
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}
BENCHMARK(BM_MatrixBuildLargest)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The system of 1000 circles of one body each, as the refinement gets it.
const RunState& system1000() {
  static std::unique_ptr<RunState> s = [] {
    auto r = laid_out(1000, 1, false);
    build_interaction_matrix(*r);
    return r;
  }();
  return *s;
}

// First elimination at order 1000: arg 1 column-wise (the solver), 0 row-wise.
void BM_FirstElimination(benchmark::State& st) {
  const RunState& base = system1000();
  std::vector<double> x(1001, 0.0);
  for (auto _ : st) {
    st.PauseTiming();
    std::vector<double> a = base.system.amat.data;
    st.ResumeTiming();
    double pivot = 0.0;
    if (st.range(0) != 0) {
      solve_system(1000, a.data(), x.data(), pivot, 1000);
    } else {
      solve_system_reference(1000, a.data(), x.data(), pivot, 1000);
    }
    benchmark::DoNotOptimize(x.data());
  }
}
BENCHMARK(BM_FirstElimination)->ArgName("columnwise")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// Refinement at 1000 circles, eps = 0: arg 1 replays the first elimination
// for 3000 iterations; arg 0 re-solves in full for 30 iterations (scale x100).
void BM_Refine1000(benchmark::State& st) {
  const bool replay = st.range(0) != 0;
  for (auto _ : st) {
    st.PauseTiming();
    auto s = std::make_unique<RunState>(system1000());
    s->params.eps = 0.0;
    s->params.maxit = replay ? 3000 : 30;
    st.ResumeTiming();
    if (replay) {
      refine_solution(*s);
    } else {
      refine_solution_reference(*s);
    }
    benchmark::DoNotOptimize(s->circles.xm.data());
  }
}
BENCHMARK(BM_Refine1000)->ArgName("replay")->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Every equilibrium phase of a 200 x 200 run, files included.
void BM_EquilibriumPhases200(benchmark::State& st) {
  for (auto _ : st) {
    auto s = new_run(200, 200, 0, 1.0e-12, 1000);
    set_constants(*s);
    lay_out_circles(*s);
    set_scales(*s);
    build_interaction_matrix(*s);
    refine_solution(*s);
    write_ring_table(*s);
    close_unit(unit_ring_table);
  }
}
BENCHMARK(BM_EquilibriumPhases200)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::string scratch = (std::filesystem::temp_directory_path() / "equilibrium-bench-XXXXXX").string();
  if (!::mkdtemp(scratch.data())) return 1;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(scratch);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  close_all_units();
  std::filesystem::current_path(old);
  std::filesystem::remove_all(scratch);
  return 0;
}
