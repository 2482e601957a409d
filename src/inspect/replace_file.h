// Writing an output file completely or not at all.
#pragma once

#include <functional>
#include <string>

namespace tembrix::inspect {

// Creates a temporary file beside `path` (same folder, so the final rename
// stays on one file system), lets `write` fill it by name, and renames it over
// `path` when `write` returns. When `write` throws, or the rename fails, the
// temporary is removed, `path` is left as it was, and the error propagates
// (std::runtime_error naming `path`).
void replace_file(const std::string& path, const std::function<void(const std::string& temporary)>& write);

}  // namespace tembrix::inspect
