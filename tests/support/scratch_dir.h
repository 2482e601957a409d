// The scratch directory of a test: a fresh temporary directory, removed with
// everything in it at the end, and a guard that works in it for a while.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace tembrix::test {

class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tembrix2-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
  }
  // A test may have taken permissions away from the directory; they are given
  // back so that everything in it can be removed.
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The full name of the file name in the directory.
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  // Replaces the file name by bytes.
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream f(path_ / name, std::ios::binary);
    f << bytes;
  }
  // The bytes of the file name (empty when it does not exist).
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

// Makes a scratch directory the working directory while it lives, then goes
// back to the directory the test started in.
class InScratchDir {
 public:
  InScratchDir() : old_(std::filesystem::current_path()) { std::filesystem::current_path(dir_.path()); }
  ~InScratchDir() { std::filesystem::current_path(old_); }
  InScratchDir(const InScratchDir&) = delete;
  InScratchDir& operator=(const InScratchDir&) = delete;

  const ScratchDir& dir() const { return dir_; }

 private:
  ScratchDir dir_;
  std::filesystem::path old_;
};

}  // namespace tembrix::test
