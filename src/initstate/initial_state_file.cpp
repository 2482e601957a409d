#include "initstate/initial_state_file.h"

#include <cstddef>
#include <string_view>

#include "initstate/body_record_writer.h"
#include "mathfn/program_math.h"
#include "textio/item.h"
#include "textio/units.h"

namespace tembrix {

namespace {

void write_header(const RunState& state, int ncube) {
  const BodyTables& bodies = state.bodies;
  const Item header[] = {
      real_item(0.0),           real_item(bodies.omax),    real_item(0.0),
      real_item(0.0),           real_item(bodies.pmom[0]), real_item(bodies.pmom[1]),
      real_item(bodies.pmom[2]), real_item(bodies.angm[0]), real_item(bodies.angm[1]),
      real_item(bodies.angm[2]), real_item(0.0),           real_item(0.0),
      real_item(0.0),           real_item(0.0),            real_item(0.0),
      real_item(0.0),           real_item(state.params.hval),
      int_item(1),              int_item(1),               int_item(state.nbtot),
      real_item(1.0),           real_item(0.5),            real_item(0.25),
      int_item(ncube),
  };
  write_record(unit_state, header);
}

void write_trailer(const RunState& state) {
  const ReferenceScales& s = state.scales;
  const Item trailer[] = {
      int_item(state.params.itag), int_item(state.nbtot), real_item(state.mtot),
      real_item(s.lunit),          real_item(s.vunit),    int_item(0),
      int_item(0),                 int_item(0),           int_item(0),
      int_item(0),                 int_item(0),           int_item(0),
      int_item(0),                 int_item(0),           int_item(0),
  };
  write_record(unit_state, trailer);
}

}  // namespace

// x = (nbtot+1)^third by the power function, rounded half away from zero by
// truncating x +- 0.5 (so 1000^third = 9.999999999999998 gives 10).
int ncube_of(int nbtot, double third) {
  const double x = pmath::pow(static_cast<double>(nbtot) + 1.0, third);
  return static_cast<int>(x >= 0.0 ? x + 0.5 : x - 0.5);
}

// Header, the record of every body b = ibfirst..nbtot, trailer.
void write_initial_state(RunState& state) {
  const int ncube = ncube_of(state.nbtot, state.scales.third);
  const NameField& name = state.params.fstate;
  open_unit(unit_state, std::string_view(name.data(), name.size()), OpenMode::create_or_open);
  write_header(state, ncube);
  write_body_records(state.bodies, static_cast<std::size_t>(state.ibfirst),
                     static_cast<std::size_t>(state.nbtot), unit_state);
  write_trailer(state);
  close_unit(unit_state);
}

}  // namespace tembrix
