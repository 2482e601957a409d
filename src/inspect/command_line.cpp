#include "inspect/command_line.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>

namespace tembrix::inspect {

std::string usage() {
  return "usage: tembrix2-inspect check STATE [--rings RING_TABLE] [--tolerance T]\n"
         "       tembrix2-inspect convert STATE --to hdf5|csv -o OUT [--units code|si]\n"
         "       tembrix2-inspect --help\n"
         "\n"
         "check    direct-sum diagnostics of an initial state of tembrix2 in code units\n"
         "         (G = 1): the radial balance of the first body of every ring, the rigid\n"
         "         rotation in one plane, the ring masses and radii of the ring table\n"
         "         (QxNcRMEr.dat beside STATE unless --rings names another), centre of\n"
         "         mass, momentum, angular momentum against the header, total mass 1;\n"
         "         each within the relative tolerance T (default 1e-9).\n"
         "convert  writes the bodies to OUT: HDF5 in the Gadget/SWIFT initial-conditions\n"
         "         layout (Header, PartType1, Units; code units), or CSV with the columns\n"
         "         id,mass,x,y,z,vx,vy,vz,radius in code units or, with --units si, in\n"
         "         kg, m and m/s. OUT is written completely or left as it was.\n"
         "\n"
         "exit status: 0 all is well, 1 a check failed, 2 bad command line or unreadable input\n";
}

std::optional<Command> parse_command_line(const std::vector<std::string>& args, std::string& error) {
  Command cmd;
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return cmd;
  if (args.empty()) {
    error = "no command given";
    return std::nullopt;
  }
  if (args[0] == "check") {
    cmd.kind = Command::Kind::check;
  } else if (args[0] == "convert") {
    cmd.kind = Command::Kind::convert;
  } else {
    error = "unknown command '" + args[0] + "'";
    return std::nullopt;
  }
  const bool check = cmd.kind == Command::Kind::check;
  std::map<std::string, std::string> options;
  bool have_state = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool known = check ? (a == "--rings" || a == "--tolerance") : (a == "--to" || a == "-o" || a == "--units");
    if (known) {
      if (i + 1 == args.size()) {
        error = "option " + a + " needs a value";
        return std::nullopt;
      }
      if (!options.emplace(a, args[i + 1]).second) {
        error = "option " + a + " given twice";
        return std::nullopt;
      }
      ++i;
    } else if (a.size() > 1 && a[0] == '-') {
      error = "unknown option '" + a + "' for " + args[0];
      return std::nullopt;
    } else if (!have_state) {
      cmd.state = a;
      have_state = true;
    } else {
      error = "unexpected argument '" + a + "'";
      return std::nullopt;
    }
  }
  if (!have_state || cmd.state.empty()) {
    error = args[0] + " needs the initial-state file";
    return std::nullopt;
  }
  if (check) {
    if (options.count("--rings")) cmd.rings = options["--rings"];
    if (options.count("--tolerance")) {
      const std::string& t = options["--tolerance"];
      double v = 0.0;
      const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
      if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v) || !(v > 0.0)) {
        error = "--tolerance needs a positive number, not '" + t + "'";
        return std::nullopt;
      }
      cmd.tolerance = v;
    }
    return cmd;
  }
  if (!options.count("--to") || (options["--to"] != "hdf5" && options["--to"] != "csv")) {
    error = "convert needs --to hdf5 or --to csv";
    return std::nullopt;
  }
  cmd.format = options["--to"];
  if (!options.count("-o") || options["-o"].empty()) {
    error = "convert needs -o OUT";
    return std::nullopt;
  }
  cmd.output = options["-o"];
  if (options.count("--units")) {
    cmd.units = options["--units"];
    if (cmd.units != "code" && cmd.units != "si") {
      error = "--units needs code or si, not '" + cmd.units + "'";
      return std::nullopt;
    }
    if (cmd.units == "si" && cmd.format == "hdf5") {
      error = "--units si is for CSV; the HDF5 file keeps code units and gives them in its Units group";
      return std::nullopt;
    }
  }
  return cmd;
}

std::string ring_table_beside(const std::string& state) {
  return (std::filesystem::path(state).parent_path() / "QxNcRMEr.dat").string();
}

}  // namespace tembrix::inspect
