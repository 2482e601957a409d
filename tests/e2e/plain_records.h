// Plain writing of free-format records for the model of a whole run: the
// budget / pending-blank / numeric-flag rules of the record layout applied one
// item at a time. Only the text of a real comes from the program, through its
// straightforward exact conversion (one correctly rounded conversion, then
// the half-up rounding on the digit string).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "textio/real_text_exact.h"

namespace tembrix::test {

struct PlainItem {
  enum Kind { integer, real, text } kind;
  std::int32_t i = 0;
  double r = 0.0;
  std::string c;
};

inline PlainItem plain_int(std::int32_t v) { return {PlainItem::integer, v, 0.0, {}}; }
inline PlainItem plain_real(double v) { return {PlainItem::real, 0, v, {}}; }
inline PlainItem plain_text(std::string v) { return {PlainItem::text, 0, 0.0, std::move(v)}; }

// The lines of one record, each without its line end.
inline std::vector<std::string> plain_record_lines(const std::vector<PlainItem>& items) {
  std::vector<std::string> lines(1);
  long budget = 79, pending = 1;
  bool numeric = false;
  for (const PlainItem& item : items) {
    if (item.kind != PlainItem::text) {
      std::string t;
      long width = 11;
      if (item.kind == PlainItem::integer) {
        t = std::to_string(item.i);
      } else {
        char buf[32];
        t.assign(buf, static_cast<std::size_t>(format_real_exact(item.r, buf)));
        width = 24;
      }
      const long span = numeric ? width + 1 : width;
      numeric = true;
      pending = pending + span - static_cast<long>(t.size());
      if (budget > span) {
        budget -= span;
      } else {
        lines.emplace_back();
        budget = 79 - span;
      }
      lines.back() += std::string(static_cast<std::size_t>(pending), ' ') + t;
      pending = 0;
      continue;
    }
    if (pending != 1) pending = 0;
    std::size_t at = 0;
    while (at < item.c.size()) {
      const auto left = static_cast<long>(item.c.size() - at);
      lines.back() += std::string(static_cast<std::size_t>(pending), ' ');
      if (budget > left) {
        lines.back() += item.c.substr(at);
        pending = 0;
        budget -= left;
        break;
      }
      lines.back() += item.c.substr(at, static_cast<std::size_t>(budget));
      at += static_cast<std::size_t>(budget);
      lines.emplace_back();
      budget = 79;
      pending = 1;
    }
    numeric = false;
  }
  return lines;
}

// The bytes of one record in a file: every line ended by CR LF.
inline std::string plain_record(const std::vector<PlainItem>& items) {
  std::string s;
  for (const std::string& line : plain_record_lines(items)) s += line + "\r\n";
  return s;
}

// The bytes of one record as the only console message of a run: each line
// without its first character, CR LF between the lines and after the last.
inline std::string plain_console_message(const std::vector<PlainItem>& items) {
  std::string s;
  const auto lines = plain_record_lines(items);
  for (std::size_t n = 0; n < lines.size(); ++n) s += (n ? "\r\n" : "") + lines[n].substr(1);
  return s + "\r\n";
}

}  // namespace tembrix::test
