// Support for end-to-end tests: runs of the real tembrix2 binary in a scratch
// directory with captured console, errors and status, and parameter files.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "child_process.h"
#include "scratch_dir.h"

namespace tembrix::test {

// Pins glibc's sin/cos/pow to the same code path on every x86-64 machine, so
// expected bytes computed once hold everywhere.
inline constexpr const char* pinned_math = "glibc.cpu.hwcaps=-AVX2,-FMA,-FMA4";

// Expectations computed in the test process must use the same math code path as
// the binary: a test program started without the pin (run directly rather than
// through ctest) starts itself again with it, before any test runs.
inline const bool math_path_pinned = [] {
  const char* tunables = std::getenv("GLIBC_TUNABLES");
  if (tunables != nullptr && std::string(tunables) == pinned_math) return true;
  std::ifstream cmdline("/proc/self/cmdline", std::ios::binary);
  const std::string all((std::istreambuf_iterator<char>(cmdline)), {});
  std::vector<std::string> args;
  for (std::size_t at = 0; at < all.size();) {
    const std::size_t end = all.find('\0', at);
    args.push_back(all.substr(at, end - at));
    at = end == std::string::npos ? all.size() : end + 1;
  }
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  ::setenv("GLIBC_TUNABLES", pinned_math, 1);
  ::execv("/proc/self/exe", argv.data());
  return false;  // could not start again: the test runs unpinned
}();

// Runs binary in dir with the given arguments, standard input and extra
// environment entries ("NAME=value"); glibc's math code path is pinned.
// With as_unprivileged, a run started by root drops to the user nobody, so that
// file permissions apply to it.
inline RunResult run_in(const std::filesystem::path& dir, const std::string& binary,
                        const std::vector<std::string>& args = {}, const std::string& input = "",
                        std::vector<std::string> env = {}, bool as_unprivileged = false) {
  env.push_back(std::string("GLIBC_TUNABLES=") + pinned_math);
  return run_captured(
      dir,
      [&] {
        std::vector<char*> argv{const_cast<char*>(binary.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
        std::string path_entry;
        if (const char* path = std::getenv("PATH")) {
          path_entry = std::string("PATH=") + path;
          envp.push_back(path_entry.data());
        }
        envp.push_back(nullptr);
        ::execve(binary.c_str(), argv.data(), envp.data());
        return 127;
      },
      input, as_unprivileged);
}

// One record of the parameter file: label padded to column 59, then the field text.
inline std::string parameter_line(const std::string& label, const std::string& field) {
  std::string line = label;
  line.resize(59, ' ');
  return line + field + "\n";
}

// The 17 parameter records of a run. Field texts are placed from column 60.
struct Parameters {
  std::string ncirc = "1", nbc = "3", drad = "1.0", iradf = "0", fradii = "radii.dat";
  std::string omtot = "2.0D30", fcen = "0.9", iphase = "0", iphf = "0", period = "1.0";
  std::string eps = "1.0D-12", maxit = "10", tilt = "0.0", dens = "1000.0", hval = "0.01";
  std::string fstate = "state.dat", itag = "7";

  std::string text() const {
    const std::pair<const char*, const std::string*> rows[] = {
        {"number of circles", &ncirc},        {"bodies per circle", &nbc},
        {"radius step factor", &drad},        {"radii from file (1)", &iradf},
        {"radii file", &fradii},              {"total mass [kg]", &omtot},
        {"central share", &fcen},             {"phase pattern (1: none)", &iphase},
        {"phases from file (1)", &iphf},      {"period [sidereal years]", &period},
        {"tolerance", &eps},                  {"iteration limit", &maxit},
        {"tilt [rad]", &tilt},                {"density [kg/m3]", &dens},
        {"header value", &hval},              {"initial-state file", &fstate},
        {"tag", &itag}};
    std::string s;
    for (const auto& [label, value] : rows) s += parameter_line(label, *value);
    return s;
  }
};

}  // namespace tembrix::test
