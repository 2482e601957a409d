// Runs of tembrix2 and tembrix2-inspect in scratch folders, and edits of the
// state files they write.
#pragma once

#include <string>
#include <vector>

#include "e2e_support.h"
#include "state_text.h"

namespace tembrix::test {

// Runs tembrix2 in `dir` (which holds its parameter file); fails the test
// unless it ends with status 0 and writes `state`.
inline void run_tembrix2(const ScratchDir& dir, const std::string& state = "state.dat") {
  const RunResult r = run_in(dir.path(), TEMBRIX2_BINARY);
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  ASSERT_TRUE(dir.exists(state)) << r.out << dir.read("ErTembri.dat");
}

inline RunResult inspect(const ScratchDir& dir, const std::vector<std::string>& args) {
  return run_in(dir.path(), INSPECT_BINARY, args);
}

// The text with its token number `index` (0-based) changed in its 7th
// significant digit (the digit raised by one, a 9 lowered to 8).
inline std::string change_seventh_digit(const std::string& text, std::size_t index) {
  const Token t = tokens_of(text).at(index);
  std::string changed = t.text;
  int seen = 0;
  bool leading = true;
  for (char& c : changed) {
    if (c == 'E' || c == 'e') break;
    if (c < '0' || c > '9') continue;
    if (leading && c == '0') continue;
    leading = false;
    if (++seen == 7) {
      c = c == '9' ? '8' : static_cast<char>(c + 1);
      break;
    }
  }
  return text.substr(0, t.at) + changed + text.substr(t.at + t.text.size());
}

// The token number of item `item` (1-based) of body `body` (1-based) of a state file.
inline std::size_t body_token(std::size_t body, std::size_t item) { return 24 + (body - 1) * 15 + (item - 1); }

// The line of a check in the report of `check`, or "" when it is missing.
inline std::string check_line(const std::string& report, const std::string& name) {
  const std::size_t at = report.find("\n  " + name + " ");
  if (at == std::string::npos) return "";
  return report.substr(at + 1, report.find('\n', at + 1) - at - 1);
}

}  // namespace tembrix::test
