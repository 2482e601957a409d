// Runs a piece of a test in a child process of its own, with its standard
// input given and its standard output and error captured: for runs of the
// real binary and for code that ends the process or keeps console state.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "scratch_dir.h"

namespace tembrix::test {

struct RunResult {
  int status = -1;  // exit status, or -1 when the process did not exit normally
  std::string out;  // standard output (the console)
  std::string err;  // standard error
};

// Runs body in a forked child whose working directory is dir, with input as
// its standard input; the child ends with body's result (or ends itself).
// With unprivileged, a child of the superuser drops to the user nobody once
// its files are connected, so that file permissions bind. Unit and console
// state stay the child's own.
inline RunResult run_captured(const std::filesystem::path& dir, const std::function<int()>& body,
                              const std::string& input = "", bool unprivileged = false) {
  ScratchDir capture;
  capture.write("in", input);
  const std::string in = capture / "in", out = capture / "out", err = capture / "err";
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::chdir(dir.c_str()) != 0) std::_Exit(90);
    const int fd0 = ::open(in.c_str(), O_RDONLY);
    const int fd1 = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int fd2 = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd0 < 0 || fd1 < 0 || fd2 < 0 || ::dup2(fd0, 0) < 0 || ::dup2(fd1, 1) < 0 || ::dup2(fd2, 2) < 0)
      std::_Exit(91);
    if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(92);
    std::_Exit(body());
  }
  RunResult r;
  int wstatus = 0;
  if (pid > 0 && ::waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus)) r.status = WEXITSTATUS(wstatus);
  r.out = capture.read("out");
  r.err = capture.read("err");
  return r;
}

}  // namespace tembrix::test
