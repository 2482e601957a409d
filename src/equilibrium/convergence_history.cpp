#include "equilibrium/convergence_history.h"

#include <cstdint>
#include <string_view>

#include "textio/item.h"
#include "textio/numbered_name.h"
#include "textio/units.h"

namespace tembrix {

void flush_history(const RunState& state, int count) {
  const EquilibriumSystem& sys = state.system;
  const auto name = numbered_name(sys.ifile);  // a 4-character field, trimmed on opening
  open_unit(unit_history, std::string_view(name.data(), name.size()), OpenMode::create_or_open);
  const std::int64_t first = static_cast<std::int64_t>(sys.ifile - 1) * sys.nhist;
  for (int m = 1; m <= count; ++m) {
    // Numbers beyond 32 bits (past 2^31 iterations) wrap as 32-bit integers do.
    const auto number = static_cast<std::int32_t>(static_cast<std::uint32_t>(first + m));
    write_record(unit_history, {int_item(number), real_item(sys.hist[static_cast<std::size_t>(m)])});
  }
  close_unit(unit_history);
}

}  // namespace tembrix
