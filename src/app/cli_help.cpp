#include "app/cli_help.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "app/program_version.h"

namespace tembrix {

namespace {

constexpr std::string_view usage_text =
    "Usage: tembrix2 [NAME ...]\n"
    "       tembrix2 --help | --version\n"
    "\n"
    "Prepares the starting configuration of a gravitational N-body model: a central\n"
    "body inside up to 1000 concentric rings of up to 1000 equal bodies in rigid\n"
    "rotation, with the body mass of every ring solved so that each ring is in radial\n"
    "balance. The bodies are written in code units (G = 1) as the initial-state file\n"
    "of an N-body integrator.\n"
    "\n"
    "There are no options. The program reads the parameter file Tembrix2.dat in the\n"
    "working directory (and, when that file asks for them, the radii file it names\n"
    "and the phase file QxStrfi0.dat) and writes, in the working directory:\n"
    "  ErTembri.dat   set-up report, or the report of an early end\n"
    "  QxStrfi1.dat   phase offset of every ring (unless read from QxStrfi0.dat)\n"
    "  1i, 2i, ...    convergence history of the refinement, 3000 iterations a file\n"
    "  QxNcRMEr.dat   ring table: ring, radius (m), body mass (kg), last correction\n"
    "  (fstate)       the initial-state file, named on line 16 of Tembrix2.dat\n"
    "An existing file of the same name is replaced. A NAME on the command line is\n"
    "used only for a file name left blank in Tembrix2.dat: each blank name takes the\n"
    "next unused NAME, and when none is left the name is asked for on the console.\n"
    "A normal run prints nothing.\n"
    "\n"
    "Exit status:\n"
    "  0  a normal run: every file written\n"
    "  1  the run ended early: a missing or unreadable parameter file, a number of\n"
    "     rings or of bodies per ring outside 1..1000, a negative body mass, a file\n"
    "     that cannot be read or written, or an arithmetic fault; the console,\n"
    "     standard error or ErTembri.dat say which\n"
    "\n"
    "  --help     show this text and exit (only as the sole argument)\n"
    "  --version  show the version and exit (only as the sole argument)\n"
    "\n"
    "After the run: tembrix2-inspect check|convert STATE ... and tembrix2-plot RUN_DIR.\n"
    "Documentation: README.md at the top of the source tree; an installed copy is\n"
    "share/doc/tembrix2/README.md under the installation prefix.\n";

// Writes text to standard output; a short write or a failed flush (a closed pipe,
// a full disk) is a failure, reported on standard error.
int print(std::string_view text) {
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  if (written && std::fflush(stdout) == 0) return 0;
  std::fputs("tembrix2: cannot write to standard output\n", stderr);
  return 1;
}

}  // namespace

std::optional<int> answer_info_request(int argc, const char* const* argv) {
  if (argc != 2 || argv == nullptr || argv[1] == nullptr) return std::nullopt;
  const std::string_view request = argv[1];
  if (request == "--help") return print(usage_text);
  if (request == "--version") return print("tembrix2 " + std::string(program_version) + "\n");
  return std::nullopt;
}

}  // namespace tembrix
