// The text that `tembrix2-inspect check` prints: the rotation, one line per
// ring, one line per check, and the verdict.
#pragma once

#include <string>

#include "inspect/state_check.h"

namespace tembrix::inspect {

// `state_name` and `rings_name` are the file names as given; `bodies` the
// number of bodies of the state.
std::string check_report(const CheckResult& result, const std::string& state_name, const std::string& rings_name,
                         std::size_t bodies, double tolerance);

}  // namespace tembrix::inspect
