// The command line of tembrix2-inspect.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tembrix::inspect {

struct Command {
  enum class Kind { help, check, convert } kind = Kind::help;
  std::string state;             // the initial-state file
  std::string rings;             // check: the ring table; empty: QxNcRMEr.dat beside the state
  double tolerance = 1e-9;       // check
  std::string format;            // convert: "hdf5" or "csv"
  std::string output;            // convert
  std::string units = "code";    // convert: "code" or "si"
};

// The usage text, ending in a line end.
std::string usage();

// Parses the arguments after the program name. Returns the command, or sets
// `error` to a one-line reason and returns nothing when the line is not one of
//   --help | -h
//   check STATE [--rings RING_TABLE] [--tolerance T]
//   convert STATE --to hdf5|csv -o OUT [--units code|si]
// T must be a positive finite number; --units si is for CSV only; each
// option may be given once.
std::optional<Command> parse_command_line(const std::vector<std::string>& args, std::string& error);

// The ring table beside `state`: "QxNcRMEr.dat" in the state file's folder.
std::string ring_table_beside(const std::string& state);

}  // namespace tembrix::inspect
