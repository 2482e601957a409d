#include "initstate/negative_mass_report.h"

#include <string_view>

#include "textio/item.h"
#include "textio/units.h"

namespace tembrix {

void report_negative_mass(const RunState& state, int b) {
  // The 48-character title has two blanks before the program name and one after "***".
  const Item record[] = {
      char_item("*05Qx Computing Error of Programm  Tembrix2 *** "),
      char_item(" after terminal step the mass of body k = "),
      int_item(b),
      char_item(" omo(k) = "),
      real_item(state.bodies.omo[static_cast<std::size_t>(b)]),
      char_item(" is negative."),
  };
  open_unit(unit_report, std::string_view(state.frep.data(), state.frep.size()),
            OpenMode::create_or_open);
  write_record(unit_report, record);
  write_record(console, record);
  close_unit(unit_report);
}

}  // namespace tembrix
