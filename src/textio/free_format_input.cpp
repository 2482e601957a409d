#include "textio/free_format_input.h"

#include "textio/free_format_scanner.h"
#include "textio/units.h"

namespace tembrix {

namespace {

// The bytes of an open unit, in file order.
class UnitSource final : public ByteSource {
 public:
  explicit UnitSource(int unit) : unit_(unit) {}
  int next() override { return read_byte(unit_); }

 private:
  int unit_;
};

}  // namespace

void read_values(int unit, std::initializer_list<ReadTarget> targets) {
  UnitSource source(unit);
  const auto fault = scan_values(source, std::span<const ReadTarget>(targets.begin(), targets.size()));
  if (fault) fatal_io_error(IoOperation::read, unit, *fault);
}

}  // namespace tembrix
