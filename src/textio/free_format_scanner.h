// The scanner behind free-format reads: takes values for a list of targets
// from a sequence of bytes and reports a fault as a condition instead of
// ending the run, so it can be driven by any byte source, a unit or a buffer.
#pragma once

#include <optional>
#include <span>

#include "textio/free_format_input.h"
#include "textio/units.h"

namespace tembrix {

// A sequential source of bytes: next() gives 0..255, or -1 at the end of the
// file (and again on every later call).
class ByteSource {
 public:
  virtual int next() = 0;

 protected:
  ~ByteSource() = default;
};

// One read operation from the start of a record: fills the targets in order,
// honouring separators, nulls, repeat counts and the slash, and leaves the
// source at the start of the record after the last one it touched. Returns
// nothing on success, else the condition of the first fault (the targets
// filled before it keep their new values, the one in fault is unchanged).
std::optional<IoCondition> scan_values(ByteSource& source, std::span<const ReadTarget> targets);

}  // namespace tembrix
