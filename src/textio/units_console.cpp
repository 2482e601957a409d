// The console (standard output) and the way a blank file name is replaced:
// command-line arguments first, then a line typed on standard input.
#include <string>
#include <vector>

#include <unistd.h>

#include "textio/units_state.h"

namespace tembrix {

namespace units_detail {

namespace {

// A console line is ended only when the next one starts or the run ends, so
// the console needs to remember whether a line end is still owed.
bool console_line_open = false;

// Arguments that blank file names may take, in order, and how many are taken.
std::vector<std::string>& arguments() {
  static std::vector<std::string> list;
  return list;
}
std::size_t arguments_taken = 0;

// A typed file name keeps at most this many characters; the rest of its line is passed over.
constexpr std::size_t typed_name_keep = 260;

// Writes console bytes; a refused write ends the run like any other write.
void console_write(std::string_view bytes) {
  if (!write_all(1, bytes.data(), bytes.size()) && !failure_path_started())
    fatal_named(IoOperation::write, "", IoCondition::write_failed);
}

// Reads one line of standard input without its line end (at most
// typed_name_keep characters kept); false when the input is at its end or fails first.
bool read_typed_line(std::string& line) {
  line.clear();
  bool any = false;
  char c;
  for (;;) {
    const long got = read_some(0, &c, 1);  // one byte at a time: nothing past the line is consumed
    if (got <= 0) return any;
    any = true;
    if (c == '\n') break;
    if (line.size() < typed_name_keep) line.push_back(c);
  }
  // A line typed with CR LF ends with its CR, which belongs to the line end.
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace

void write_console_lines(std::string_view lines, const std::size_t* line_starts, std::size_t count) {
  std::string shown;
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t begin = line_starts[k];
    std::size_t end = k + 1 < count ? line_starts[k + 1] : lines.size();
    if (end - begin >= 2 && lines.substr(end - 2, 2) == "\r\n") end -= 2;  // the console adds its own
    shown.clear();
    if (console_line_open) shown.append("\r\n", 2);
    // The console drops each line's first character, the record's leading blank.
    if (end > begin) shown.append(lines.data() + begin + 1, end - begin - 1);
    console_line_open = true;
    console_write(shown);
  }
}

void end_console_line() {
  if (!console_line_open) return;
  console_line_open = false;  // before the write, so a failure while ending cannot end it twice
  console_write("\r\n");
}

std::string name_for_blank_field(int unit) {
  auto& args = arguments();
  while (arguments_taken < args.size()) {
    const std::string_view name = trim_name(args[arguments_taken++]);
    if (!name.empty()) return std::string(name);
  }
  std::string line;
  for (;;) {
    end_console_line();
    console_write("File name missing or blank - please enter file name\r\nUNIT " + std::to_string(unit) +
                  "? ");
    if (!read_typed_line(line)) fatal_named(IoOperation::read, "", IoCondition::name_missing);
    const std::string_view name = trim_name(line);
    if (!name.empty()) return std::string(name);
  }
}

}  // namespace units_detail

void set_command_line(int argc, char** argv) {
  auto& args = units_detail::arguments();
  args.clear();
  units_detail::arguments_taken = 0;
  for (int k = 1; k < argc && argv != nullptr && argv[k] != nullptr; ++k) args.emplace_back(argv[k]);
}

}  // namespace tembrix
