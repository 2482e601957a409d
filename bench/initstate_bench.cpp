// Writing the initial state of the largest case (1000 circles of 1000 bodies,
// 1,000,001 bodies, about 385 MB), against a plain write of as many bytes.
// The ratio of the two best times is printed at the end: it is the cost of
// formatting over the bare cost of getting the bytes to the file.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "initstate/barycentre.h"
#include "initstate/body_radii.h"
#include "initstate/body_record_text.h"
#include "initstate/body_record_writer.h"
#include "initstate/code_units.h"
#include "initstate/initial_state_file.h"
#include "initstate/placement.h"
#include "initstate/tilt.h"
#include "model/run_state.h"
#include "textio/units.h"

namespace {

using namespace tembrix;
using Clock = std::chrono::steady_clock;

// The largest run as the equilibrium would leave it (masses chosen by hand).
std::unique_ptr<RunState> largest_run() {
  auto s = std::make_unique<RunState>();
  s->params.ncirc = s->params.nbc = 1000;
  s->params.tilt = 0.1;
  s->params.dens = 2000.0;
  s->params.hval = 0.01;
  s->params.itag = 1;
  std::memcpy(s->params.fstate.data(), "state.dat   ", 12);
  s->allocate_tables();
  ReferenceScales& r = s->scales;
  r.pi = 3.141592653589793;
  r.twopi = r.pi * 2.0;
  r.grav = 6.67259e-11;
  r.third = 1.0 / 3.0;
  r.tunit = 3.168808781402895e-06;
  r.omegau = r.twopi / 100.0;
  s->nbtot = 1000001;
  s->ibfirst = 1;
  s->m0 = 1.98e30;
  s->mtot = s->m0;
  for (int k = 1; k <= 1000; ++k) {
    s->circles.cmass[k] = 2.0e22 / (1.0 + 0.001 * k);
    s->circles.rad[k] = 1.496e11 * (1.0 + 0.01 * (k - 1));
    s->circles.rrel[k] = s->circles.rad[k] / s->circles.rad[1];
    s->mtot = (s->circles.cmass[k] * 1000) + s->mtot;
    for (int j = 1; j <= 1000; ++j) s->circles.phi(k, j) = (k % 2 ? 0.0 : r.pi / 1000) + (j - 1) * (r.twopi / 1000);
  }
  set_code_units(*s);
  place_bodies(*s);
  tilt_bodies(*s);
  move_to_barycentre(*s);
  if (set_body_radii(*s) != RadiiResult::completed) std::abort();
  return s;
}

RunState& run_state() {
  static const auto state = largest_run();
  return *state;
}

// Size of the initial-state file, written once if no benchmark has written it yet.
std::size_t file_bytes() {
  if (!std::filesystem::exists("state.dat")) write_initial_state(run_state());
  return std::filesystem::file_size("state.dat");
}

double best_initial_state = 1e300;
double best_plain = 1e300;

// write_initial_state as the run calls it: header, 1,000,001 body records, trailer.
void BM_WriteInitialState(benchmark::State& state) {
  RunState& s = run_state();
  for (auto _ : state) {
    const auto t0 = Clock::now();
    write_initial_state(s);
    const double t = std::chrono::duration<double>(Clock::now() - t0).count();
    best_initial_state = std::min(best_initial_state, t);
    state.SetIterationTime(t);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file_bytes()));
}
BENCHMARK(BM_WriteInitialState)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The body records only, formatted on one worker thread (to show the gain of two).
void BM_WriteBodyRecordsOneThread(benchmark::State& state) {
  RunState& s = run_state();
  for (auto _ : state) {
    open_unit(unit_state, "state.dat   ", OpenMode::create_or_open);
    write_body_records(s.bodies, 1, 1000001, unit_state, 1);
    close_unit(unit_state);
  }
}
BENCHMARK(BM_WriteBodyRecordsOneThread)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Formatting alone, no file: one block of records, per body.
void BM_FormatBodyRecords(benchmark::State& state) {
  RunState& s = run_state();
  std::vector<char> buf(bodies_per_block * body_record_bytes);
  std::size_t first = 2;
  for (auto _ : state) {
    format_body_records(s.bodies, first, first + bodies_per_block - 1, buf.data());
    benchmark::DoNotOptimize(buf.data());
    first = first + bodies_per_block > 990000 ? 2 : first + bodies_per_block;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * bodies_per_block));
}
BENCHMARK(BM_FormatBodyRecords);

// A plain write of as many bytes as the initial-state file, in 4 MB writes
// (what dd bs=4M does), truncating the file first as the run does.
void BM_PlainWriteSameBytes(benchmark::State& state) {
  const std::size_t total = file_bytes();
  std::vector<char> chunk(4 << 20, ' ');
  for (auto _ : state) {
    const auto t0 = Clock::now();
    const int fd = ::open("plain.dat", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (std::size_t done = 0; done < total;) {
      const std::size_t n = std::min(chunk.size(), total - done);
      if (::write(fd, chunk.data(), n) != static_cast<ssize_t>(n)) std::abort();
      done += n;
    }
    ::close(fd);
    const double t = std::chrono::duration<double>(Clock::now() - t0).count();
    best_plain = std::min(best_plain, t);
    state.SetIterationTime(t);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * total));
}
BENCHMARK(BM_PlainWriteSameBytes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  char dir[] = "/tmp/initstate-bench-XXXXXX";
  if (!::mkdtemp(dir) || ::chdir(dir) != 0) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (best_initial_state < 1e300 && best_plain < 1e300)
    std::printf("initial-state file %.0f ms, plain write of the same bytes %.0f ms (best of each): ratio %.2f\n",
                best_initial_state * 1e3, best_plain * 1e3, best_initial_state / best_plain);
  std::filesystem::remove_all(dir);
  return 0;
}
