// Shared pieces of the fuzz targets: a scratch working directory and checks
// that end the process the way libFuzzer reports as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace tembrix::fuzz {

// Aborts with a message when a property of the code under test does not hold.
inline void require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
  }
}

// A fresh temporary directory, removed at exit; standard output (the console
// of the program) goes to /dev/null from the first call on.
inline const std::filesystem::path& scratch_dir() {
  // Never destroyed, so the exit handler that removes it can still name it.
  static const std::filesystem::path* const dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "tembrix2-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(*dir, ignored);
    });
    const int null = ::open("/dev/null", O_WRONLY);
    if (null >= 0) ::dup2(null, 1);
    return new std::filesystem::path(pattern);
  }();
  return *dir;
}

// Works in the scratch directory while it lives, then returns to the directory
// the fuzzer started in, so relative corpus and artifact paths keep working.
class InScratchDir {
 public:
  InScratchDir() : home_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (home_ < 0 || ::chdir(scratch_dir().c_str()) != 0) std::abort();
  }
  ~InScratchDir() {
    if (::fchdir(home_) != 0) std::abort();
    ::close(home_);
  }
  InScratchDir(const InScratchDir&) = delete;
  InScratchDir& operator=(const InScratchDir&) = delete;

 private:
  int home_;
};

// Replaces the file at path by the given bytes.
inline void write_file(const std::filesystem::path& path, const unsigned char* data, std::size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (size != 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);
}

}  // namespace tembrix::fuzz
