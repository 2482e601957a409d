// Runs the real binary in a scratch directory holding the given files and
// compares the whole directory afterwards, the console and the exit status
// with what the plain model of a whole run produced for the same files.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "pipeline_model.h"

namespace tembrix::test {

// Where two byte strings first differ, with a little context, for a failure message.
inline std::string first_difference(const std::string& got, const std::string& want) {
  std::size_t at = 0;
  while (at < got.size() && at < want.size() && got[at] == want[at]) ++at;
  const std::size_t from = at < 40 ? 0 : at - 40;
  return "sizes " + std::to_string(got.size()) + " and " + std::to_string(want.size()) +
         ", first difference at byte " + std::to_string(at) + "\n  got:  " + got.substr(from, 120) +
         "\n  want: " + want.substr(from, 120);
}

inline void expect_run_matches_model(const ModelFiles& before, const ModelRun& expected, const std::string& binary) {
  ScratchDir dir;
  for (const auto& [name, bytes] : before) dir.write(name, bytes);
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, expected.status) << r.err;
  EXPECT_EQ(r.out, expected.console);
  std::vector<std::string> names;
  for (const auto& [name, bytes] : expected.files) {
    names.push_back(name);
    const std::string got = dir.read(name);
    EXPECT_TRUE(got == bytes) << name << ": " << first_difference(got, bytes);
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(dir.files(), names);
}

}  // namespace tembrix::test
