// The two questions tembrix2 answers without running: --help and --version.
#pragma once

#include <optional>

namespace tembrix {

// When the command line holds exactly one argument and it is exactly "--help" or
// "--version", writes the usage text or the version line to standard output and
// returns the exit status: 0, or 1 when standard output cannot be written (with a
// line on standard error). No file is opened. For any other command line returns
// nothing: every argument then keeps its meaning as a name for a blank file name.
std::optional<int> answer_info_request(int argc, const char* const* argv);

}  // namespace tembrix
