// tembrix2-inspect: checks an initial state of tembrix2 and converts it to
// HDF5 or CSV. Exit status 0 when all is well, 1 when a check fails, 2 on a
// bad command line or unreadable input.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "inspect/check_report.h"
#include "inspect/command_line.h"
#include "inspect/csv_export.h"
#include "inspect/hdf5_export.h"
#include "inspect/replace_file.h"
#include "inspect/state_check.h"
#include "statefile/initial_state.h"
#include "statefile/read_error.h"
#include "statefile/ring_table.h"

namespace {

using namespace tembrix;

int run(const inspect::Command& cmd) {
  const statefile::InitialState state = statefile::read_initial_state(cmd.state);
  if (cmd.kind == inspect::Command::Kind::check) {
    const std::string rings_name = cmd.rings.empty() ? inspect::ring_table_beside(cmd.state) : cmd.rings;
    const auto rings = statefile::read_ring_table(rings_name);
    inspect::CheckOptions options;
    options.tolerance = cmd.tolerance;
    const inspect::CheckResult result = inspect::check_state(state, rings, options);
    const std::string report =
        inspect::check_report(result, cmd.state, rings_name, state.bodies.size(), cmd.tolerance);
    std::fwrite(report.data(), 1, report.size(), stdout);
    return result.holds() ? 0 : 1;
  }
  std::error_code ignored;
  if (std::filesystem::equivalent(cmd.state, cmd.output, ignored)) {
    throw std::runtime_error(cmd.output + ": is the state file itself; choose another output");
  }
  inspect::replace_file(cmd.output, [&](const std::string& temporary) {
    if (cmd.format == "hdf5") {
      inspect::write_hdf5(state, temporary);
    } else {
      inspect::write_csv(state, cmd.units == "si" ? inspect::CsvUnits::si : inspect::CsvUnits::code, temporary);
    }
  });
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto cmd = inspect::parse_command_line(args, error);
  if (!cmd) {
    std::fprintf(stderr, "tembrix2-inspect: %s\n%s", error.c_str(), inspect::usage().c_str());
    return 2;
  }
  if (cmd->kind == inspect::Command::Kind::help) {
    std::fputs(inspect::usage().c_str(), stdout);
    return 0;
  }
  try {
    return run(*cmd);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tembrix2-inspect: %s\n", e.what());
    return 2;
  }
}
