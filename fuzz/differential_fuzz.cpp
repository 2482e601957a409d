// Differential target: from the fuzzer's bytes a working directory is built (a
// parameter file, valid, mutated or broken; a radii file and a phase file;
// sometimes files left by an earlier run), the real program runs in it, and
// the plain model of a whole run (tests/e2e) runs on the same files. The
// program is the tembrix2 binary of this build, or the one named by
// TEMBRIX_DIFF_BINARY (a release build of g++, say); with
// TEMBRIX_DIFF_IN_PROCESS set it is the driver linked into this target, with
// the sanitizers, run in a forked child (slower). Every file of the directory afterwards, byte for byte, the
// console and the exit status must agree; a sanitizer report or a signal in
// the child counts as a failure too.
//
// Sizes stay small (at most 12 circles of 40 bodies) so that many inputs run
// per second; one input in sixteen asks for up to 400 bodies per circle, which
// puts the initial-state file across the 1 MiB write block and across several
// blocks of bodies at little cost.
#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "e2e/pipeline_model.h"
#include "app/driver.h"

namespace {

using tembrix::test::ModelFiles;
using tembrix::test::ModelRun;

// The per-process scratch directory; removed at exit by the process that made it.
const std::filesystem::path& scratch() {
  static const std::filesystem::path* const dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "tembrix2-diff-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    static const pid_t owner = ::getpid();
    std::atexit([] {
      if (::getpid() != owner) return;  // a child leaves the directory alone
      std::error_code ignored;
      std::filesystem::remove_all(*dir, ignored);
      std::filesystem::remove(dir->string() + ".out", ignored);
      std::filesystem::remove(dir->string() + ".err", ignored);
    });
    return new std::filesystem::path(pattern);
  }();
  return *dir;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// ---- Building the input files -------------------------------------------------

// Spellings of plausible values, per field; the fuzzer picks one or writes raw bytes.
const char* const drad_texts[] = {"1.0", "0.75", "1.5D0", "150000", "0.5", "2.0E+00", "0", "-1.0", "1.", "."};
const char* const omtot_texts[] = {"2.0D30", "1.989E30", "5.97d24", "2.0+30", "-2.0D30", "0.0", "2.44D+34", "1D300", "1E-300"};
const char* const fcen_texts[] = {"0.9", "0.5", "0.99", "1.0", "0.0", "0.3", "90000", "-1D300", "1.5", "-0.2", "0.999999"};
const char* const period_texts[] = {"1.0", "0.5", "11.86", "100000", "0.0", "-1.0", "1D-300", "1D300", "2.5e-1"};
const char* const eps_texts[] = {"1.0D-12", "1.0E-3", "0.0", "-1.0", "1.0", "1.0D-6", "1-8", ""};
const char* const tilt_texts[] = {"0.0", "0.3", "-0.7", "1.2", "3.14159", "1D22", "-0.", "1.5707963267948966"};
const char* const dens_texts[] = {"1000.0", "2000.0", "5.5D3", "0.0", "-1000.0", "1D300", "1E-300"};
const char* const hval_texts[] = {"0.01", "-123.456", "1D-300", "0", "9999999.0", "1.0E7", "1E-310", "-4.9D-324"};
// An integer field's text in one of its spellings.
std::string integer_text(FuzzedDataProvider& in, std::int64_t v) {
  char buf[64];
  // The plain spelling is choice 0, which an input that has run out of bytes takes.
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 7: std::snprintf(buf, sizeof buf, "+%lld", static_cast<long long>(v)); break;
    case 1: std::snprintf(buf, sizeof buf, "16#%llX", static_cast<unsigned long long>(v) & 0xFFFFFFFFULL); break;
    case 2: std::snprintf(buf, sizeof buf, "  %lld  ", static_cast<long long>(v)); break;
    case 3: std::snprintf(buf, sizeof buf, "%lld,9", static_cast<long long>(v)); break;
    case 4: std::snprintf(buf, sizeof buf, "0%lld", static_cast<long long>(v)); break;
    case 5: std::snprintf(buf, sizeof buf, v == 0 ? "16#" : "%lld\t", static_cast<long long>(v)); break;
    case 6: return std::to_string(v) + std::string("\0\032", 2);  // code 26 after code 0 ends the file
    default: std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(v)); break;
  }
  return buf;
}

std::string pick(FuzzedDataProvider& in, const char* const* texts, std::size_t n) {
  return texts[in.ConsumeIntegralInRange<std::size_t>(0, n - 1)];
}
template <std::size_t N>
std::string pick(FuzzedDataProvider& in, const char* const (&texts)[N]) {
  return pick(in, texts, N);
}
// Names hold code 0 on purpose, so their lengths are taken from the array.
std::string pick_name(FuzzedDataProvider& in) {
  static const std::string names[] = {
      std::string("radii.dat"), std::string("  radii.dat"), std::string("radii.dat\0xx", 12),
      std::string("QxStrfi1.dat"), std::string("ErTembri.dat"), std::string("Tembrix2.dat"),
      std::string("QxStrfi0.dat"), std::string("state.dat"), std::string("  state.dat "),
      std::string("out.bin"), std::string("1i"), std::string("state.dat\0\0\0", 12)};
  return names[in.ConsumeIntegralInRange<std::size_t>(0, std::size(names) - 1)];
}

// One record of the parameter file: a label of 59 columns (sometimes shorter
// or longer, which moves the field), then the field text.
std::string parameter_record(FuzzedDataProvider& in, std::string field) {
  std::size_t label = 59;
  if (in.ConsumeIntegralInRange(0, 15) == 15) label = in.ConsumeIntegralInRange<std::size_t>(50, 66);
  std::string line(label, 'x');
  if (in.ConsumeIntegralInRange(0, 7) == 7) line[label / 2] = '\t';
  // Now and then the field becomes raw bytes: mutated or broken.
  if (in.ConsumeIntegralInRange(0, 23) == 23) field = in.ConsumeRandomLengthString(14);
  line += field;
  line += in.ConsumeIntegralInRange(0, 3) == 3 ? "\r\n" : "\n";
  return line;
}

std::string parameter_file(FuzzedDataProvider& in, bool large) {
  const int ncirc = in.ConsumeIntegralInRange(1, 12);
  const int nbc = large ? in.ConsumeIntegralInRange(200, 400) : in.ConsumeIntegralInRange(1, 40);
  int maxit = in.ConsumeIntegralInRange(0, 40);
  // Across the history chunk of 3000 when the system is small enough for it.
  if (ncirc <= 3 && in.ConsumeIntegralInRange(0, 15) == 15) maxit = in.ConsumeIntegralInRange(2998, 3002);
  const std::string fields[17] = {
      integer_text(in, ncirc), integer_text(in, nbc), pick(in, drad_texts),
      integer_text(in, in.ConsumeIntegralInRange(0, 2)), pick_name(in), pick(in, omtot_texts),
      pick(in, fcen_texts), integer_text(in, in.ConsumeIntegralInRange(0, 1)),
      integer_text(in, in.ConsumeIntegralInRange(0, 1)), pick(in, period_texts), pick(in, eps_texts),
      integer_text(in, maxit), pick(in, tilt_texts), pick(in, dens_texts), pick(in, hval_texts),
      pick_name(in), integer_text(in, in.ConsumeIntegral<std::int32_t>())};
  std::string file;
  for (const std::string& f : fields) file += parameter_record(in, f);
  switch (in.ConsumeIntegralInRange(0, 15)) {
    case 15: file.resize(in.ConsumeIntegralInRange<std::size_t>(0, file.size())); break;  // cut short
    case 14: file += in.ConsumeRandomLengthString(40); break;                           // extra records
    case 13: if (!file.empty()) file.pop_back(); break;                                 // no last line feed
    default: break;
  }
  return file;
}

const char* const radius_texts[] = {"1.5E11", "1.9e11", "2.6D11", "3.0+11", "150000000000", "0", "-1E11", "1.5E11", "7.5E10", "1E300"};
const char* const phase_texts[] = {"0.0", "0.5", ".25", "3.14159", "-1", "1E22", "0.7853981633974483", "2", "1E-310"};

// A free-format file of one (integer, real) record per circle, give or take a
// few, in varied spellings, or raw bytes.
std::string values_file(FuzzedDataProvider& in, const char* const* texts, std::size_t count) {
  if (in.ConsumeIntegralInRange(0, 15) == 15) return in.ConsumeRandomLengthString(200);
  std::string file;
  const int records = 12 + in.ConsumeIntegralInRange(-2, 2);
  for (int k = 1; k <= records; ++k) {
    const std::string v = pick(in, texts, count);
    switch (in.ConsumeIntegralInRange(0, 11)) {
      case 11: file += std::to_string(k) + "," + v + "\n"; break;
      case 1: file += "  " + std::to_string(k) + "\n" + v + "\r\n"; break;
      case 2: file += std::to_string(k) + ",,\n"; break;                    // null: the value stays
      case 3: file += std::to_string(k) + " /\n"; break;                    // slash
      case 4: file += "2*" + v + "\n"; break;                               // repeat count
      case 5: file += "\n" + std::to_string(k) + " " + v + " extra\n"; break;
      case 6: file += in.ConsumeRandomLengthString(12) + "\n"; break;       // broken record
      case 7: file += "16#FFFFFFFF " + v + "\n"; break;                     // beyond the 32-bit range
      case 8: file += "-16#80000000 " + v + "\n"; break;
      default: file += std::to_string(k) + " " + v + "\n"; break;
    }
  }
  return file;
}

ModelFiles working_directory(FuzzedDataProvider& in) {
  ModelFiles files;
  const bool large = in.ConsumeIntegralInRange(0, 15) == 15;
  files["Tembrix2.dat"] = parameter_file(in, large);
  if (in.ConsumeBool()) files["radii.dat"] = values_file(in, radius_texts, std::size(radius_texts));
  if (in.ConsumeBool()) files["QxStrfi0.dat"] = values_file(in, phase_texts, std::size(phase_texts));
  // Files of an earlier run, which this run must replace or leave alone.
  if (in.ConsumeIntegralInRange(0, 3) == 3) files["state.dat"] = "from an earlier run\n";
  if (in.ConsumeIntegralInRange(0, 3) == 3) files["ErTembri.dat"] = "old report\r\n";
  return files;
}

// ---- Running the driver -------------------------------------------------------

struct DriverRun {
  int status = -1;  // exit status; -1 after a signal
  std::string console, errors;
  ModelFiles files;
};

DriverRun run_driver(const ModelFiles& before) {
  const std::filesystem::path& dir = scratch();
  for (const auto& entry : std::filesystem::directory_iterator(dir)) std::filesystem::remove_all(entry.path());
  for (const auto& [name, bytes] : before) {
    std::ofstream f(dir / name, std::ios::binary);
    f << bytes;
  }
  const std::filesystem::path out = dir.string() + ".out", err = dir.string() + ".err";
  pid_t pid = 0;
  if (std::getenv("TEMBRIX_DIFF_IN_PROCESS") == nullptr) {
    // The program itself, started afresh: far cheaper than a fork of this
    // sanitized process, whose mappings make every fork slow.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    static std::string binary = std::getenv("TEMBRIX_DIFF_BINARY") ? std::getenv("TEMBRIX_DIFF_BINARY") : TEMBRIX2_BINARY;
    char* argv[] = {binary.data(), nullptr};
    // The same environment, so the program's sin, cos and pow take the same
    // code path as the model's in this process.
    if (::posix_spawn(&pid, binary.c_str(), &actions, nullptr, argv, environ) != 0) std::abort();
    posix_spawn_file_actions_destroy(&actions);
  } else {
    // The driver of this process, with the sanitizers, in a child.
    pid = ::fork();
    if (pid < 0) std::abort();
    if (pid == 0) {
      const int in_fd = ::open("/dev/null", O_RDONLY);
      const int out_fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      const int err_fd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (in_fd < 0 || out_fd < 0 || err_fd < 0 || ::chdir(dir.c_str()) != 0) ::_exit(120);
      ::dup2(in_fd, 0);
      ::dup2(out_fd, 1);
      ::dup2(err_fd, 2);
      ::alarm(30);  // a run that hangs ends by a signal, which counts as a failure
      char name[] = "tembrix2";
      char* argv[] = {name, nullptr};
      ::_exit(tembrix::run(1, argv));
    }
  }
  int wstatus = 0;
  // The fuzzer's timer signal interrupts the wait; only the child's end counts.
  while (::waitpid(pid, &wstatus, 0) < 0)
    if (errno != EINTR) std::abort();
  DriverRun r;
  r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  r.console = read_file(out);
  r.errors = read_file(err);
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    r.files[entry.path().filename().string()] = read_file(entry.path());
  return r;
}

// The bytes of a file as a C string literal, for the reproducer in a report.
std::string escaped(const std::string& bytes) {
  std::string s = "\"";
  for (unsigned char c : bytes) {
    char buf[8];
    if (c == '\\' || c == '"') {
      s += '\\';
      s += static_cast<char>(c);
    } else if (c >= 32 && c < 127) {
      s += static_cast<char>(c);
    } else {
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      s += buf;
    }
  }
  return s + "\"";
}

const ModelFiles* current_input = nullptr;

[[noreturn]] void report_difference(const std::string& what, const std::string& got, const std::string& want) {
  std::fprintf(stderr, "differential mismatch: %s\n", what.c_str());
  if (current_input)
    for (const auto& [name, bytes] : *current_input)
      std::fprintf(stderr, "input file %s: %s\n", name.c_str(), escaped(bytes).c_str());
  std::size_t at = 0;
  while (at < got.size() && at < want.size() && got[at] == want[at]) ++at;
  const std::size_t from = at < 80 ? 0 : at - 80;
  std::fprintf(stderr, "sizes %zu (driver) and %zu (model), first difference at byte %zu\n", got.size(),
               want.size(), at);
  std::fprintf(stderr, "driver: [%s]\nmodel:  [%s]\n", got.substr(from, 200).c_str(), want.substr(from, 200).c_str());
  // abort() skips the exit handler that removes the scratch directory.
  std::error_code ignored;
  std::filesystem::remove_all(scratch(), ignored);
  std::filesystem::remove(scratch().string() + ".out", ignored);
  std::filesystem::remove(scratch().string() + ".err", ignored);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const ModelFiles before = working_directory(in);
  current_input = &before;

  // The sizes this target runs: refuse what would make one input slow. The
  // parameters are read as the model reads them; a read error is cheap.
  tembrix::test::PlainParameters p;
  if (tembrix::test::plain_read_parameters(before.at("Tembrix2.dat"), p)) {
    const bool counts_refused = p.ncirc < 1 || p.ncirc > 1000 || p.nbc < 1 || p.nbc > 1000;
    if (!counts_refused && (p.ncirc > 12 || p.nbc > 400 || p.maxit > 3100)) return 0;
  }

  const ModelRun want = tembrix::test::model_run(before);
  if (want.needs_name) return 0;  // the name would come from the console
  const DriverRun got = run_driver(before);

  if (got.errors.find("Sanitizer") != std::string::npos || got.errors.find("runtime error") != std::string::npos)
    report_difference("sanitizer report from the driver", got.errors, "");
  if (got.status != want.status)
    report_difference("exit status " + std::to_string(got.status) + " (driver) vs " + std::to_string(want.status) +
                          " (model)" + (want.arithmetic_fault ? std::string(" after an arithmetic fault") : "") +
                          "; driver's standard error follows",
                      got.errors, "");
  if (got.console != want.console) report_difference("console", got.console, want.console);
  std::string got_names, want_names;
  for (const auto& f : got.files) got_names += f.first + " ";
  for (const auto& f : want.files) want_names += f.first + " ";
  if (got_names != want_names) report_difference("the files of the directory", got_names, want_names);
  for (const auto& [name, bytes] : want.files)
    if (got.files.at(name) != bytes) report_difference("file " + name, got.files.at(name), bytes);
  return 0;
}
