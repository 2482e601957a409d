// Support for end-to-end tests: a scratch working directory, files in it, and
// runs of the real tembrix2 binary with captured console, errors and status.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

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

struct RunResult {
  int status = -1;       // exit status, or -1 when the process did not exit normally
  std::string out;       // standard output (the console)
  std::string err;       // standard error
};

// A fresh temporary directory, removed with everything in it at the end of the test.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tembrix2-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream f(path_ / name, std::ios::binary);
    f << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream f(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }
  // Names of the files in the directory, sorted.
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string slurp_fd(int fd) {
  std::string s;
  char buf[65536];
  for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) s.append(buf, static_cast<std::size_t>(n));
  return s;
}

// Runs binary in dir with the given arguments, standard input and extra
// environment entries ("NAME=value"); glibc's math code path is pinned.
// With as_unprivileged, a run started by root drops to the user nobody, so that
// file permissions apply to it.
inline RunResult run_in(const std::filesystem::path& dir, const std::string& binary,
                        const std::vector<std::string>& args = {}, const std::string& input = "",
                        std::vector<std::string> env = {}, bool as_unprivileged = false) {
  const auto tmp = std::filesystem::temp_directory_path();
  std::string out_name = (tmp / "tembrix2-out-XXXXXX").string();
  std::string err_name = (tmp / "tembrix2-err-XXXXXX").string();
  std::string in_name = (tmp / "tembrix2-in-XXXXXX").string();
  const int out_fd = ::mkstemp(out_name.data());
  const int err_fd = ::mkstemp(err_name.data());
  const int in_fd = ::mkstemp(in_name.data());
  if (!input.empty() && ::write(in_fd, input.data(), input.size()) < 0) std::abort();
  ::lseek(in_fd, 0, SEEK_SET);
  env.push_back(std::string("GLIBC_TUNABLES=") + pinned_math);

  const pid_t pid = ::fork();
  if (pid == 0) {
    if (as_unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(126);
    if (::chdir(dir.c_str()) != 0) ::_exit(127);
    ::dup2(in_fd, 0);
    ::dup2(out_fd, 1);
    ::dup2(err_fd, 2);
    std::vector<char*> argv{const_cast<char*>(binary.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    if (const char* path = std::getenv("PATH")) {
      static std::string path_entry;
      path_entry = std::string("PATH=") + path;
      envp.push_back(path_entry.data());
    }
    envp.push_back(nullptr);
    ::execve(binary.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  int wstatus = 0;
  ::waitpid(pid, &wstatus, 0);
  RunResult r;
  r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  ::lseek(out_fd, 0, SEEK_SET);
  ::lseek(err_fd, 0, SEEK_SET);
  r.out = slurp_fd(out_fd);
  r.err = slurp_fd(err_fd);
  for (int fd : {out_fd, err_fd, in_fd}) ::close(fd);
  for (auto* n : {&out_name, &err_name, &in_name}) ::unlink(n->c_str());
  return r;
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
