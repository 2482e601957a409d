// Plain free-format reading of the radii and phase files for the model of a
// whole run: one read operation of an integer and a real, character by
// character over the records, with nulls, repeat counts and the slash.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plain_parameters.h"

namespace tembrix::test {

class PlainFreeFormat {
 public:
  explicit PlainFreeFormat(const std::string& bytes) : records_(plain_records(bytes)) {}

  // One read operation into i and x; false on a fault of the file (which ends the run).
  bool read(std::int32_t& i, double& x) {
    char last = ',';
    long pending = 0;
    std::string repeated;
    bool repeated_null = false;
    bool at_record_end = false;
    for (int target = 0; target < 2; ++target) {
      if (pending > 0) {
        --pending;
        if (!repeated_null && !store(target, repeated, i, x)) return false;
        continue;
      }
      std::string text;
      char sep = ' ';
      at_record_end = false;
      for (;;) {
        if (rec_ >= records_.size()) return false;  // the file ends before a value
        const std::string& r = records_[rec_];
        if (col_ >= r.size()) {
          ++rec_;
          col_ = 0;
          if (text.empty() && pending == 0) continue;
          sep = ' ';
          at_record_end = true;
          break;
        }
        const char c = r[col_++];
        if (c == ' ' || c == '\t') {
          if (text.empty() && pending == 0) continue;
          sep = ' ';
          break;
        }
        if (c == ',') {
          if (text.empty() && last == ' ' && pending == 0) {
            last = ',';
            continue;
          }
          sep = ',';
          break;
        }
        if (c == '/') {
          sep = '/';
          break;
        }
        if (c == '*') {
          // A count must be a positive integer and no repetition may be pending.
          const auto r_count = plain_integer(text, false);
          if (pending != 0 || !r_count || *r_count <= 0) return false;
          pending = *r_count - 1;
          text.clear();
          continue;
        }
        if (text.empty() && (c == '\'' || c == '"' || c == '(')) return false;
        text += c;
      }
      last = sep;
      repeated = text;
      repeated_null = text.empty();
      if (!text.empty() && !store(target, text, i, x)) return false;
      if (sep == '/') {
        at_record_end = false;
        break;
      }
    }
    if (!at_record_end && rec_ < records_.size()) {
      ++rec_;
      col_ = 0;
    }
    return true;
  }

 private:
  static bool store(int target, const std::string& text, std::int32_t& i, double& x) {
    if (target == 0) {
      const auto v = plain_integer(text, false);
      if (!v) return false;
      i = *v;
    } else {
      const auto v = plain_real(text, 0, false);
      if (!v) return false;
      x = *v;
    }
    return true;
  }

  std::vector<std::string> records_;
  std::size_t rec_ = 0, col_ = 0;
};

}  // namespace tembrix::test
