#include "parameters/parameter_file.h"

#include <span>
#include <string>
#include <string_view>

#include "parameters/parameter_fields.h"
#include "textio/units.h"

namespace tembrix {

namespace {

std::string_view name_of(const NameField& field) { return {field.data(), field.size()}; }

// The records of the open parameter file, one field per record, in order.
class ParameterRecords {
 public:
  bool integer(std::int32_t& target, std::size_t width) {
    if (!next_record()) return false;
    const auto field = integer_field(field_text(line_, width));
    if (field.status != FieldStatus::ok) return false;
    target = field.value;
    return true;
  }

  bool real(double& target) {
    if (!next_record()) return false;
    const auto field = real_field(field_text(line_, real_width));
    if (field.status != FieldStatus::ok) return false;
    target = field.value;
    return true;
  }

  // Names are taken as they stand: blanks, tabs, commas and code 0 included.
  bool name(NameField& target) {
    if (!next_record()) return false;
    const std::string field = field_text(line_, name_width);
    field.copy(target.data(), target.size());
    return true;
  }

 private:
  // A missing record (the end of the file) or a failed read is a read error.
  bool next_record() {
    return read_line(unit_parameters, line_, record_columns_used) == LineStatus::ok;
  }

  std::string line_;
};

}  // namespace

bool read_parameters(RunState& state) {
  open_unit(unit_parameters, name_of(state.fpar), OpenMode::must_exist);
  RunParameters& p = state.params;
  ParameterRecords in;
  // Record order is field order; && stops at the first record that fails, so
  // that field and every later one keep their initial values.
  const bool complete =
      in.integer(p.ncirc, wide_integer_width) && in.integer(p.nbc, wide_integer_width) &&
      in.real(p.drad) && in.integer(p.iradf, narrow_integer_width) && in.name(p.fradii) &&
      in.real(p.omtot) && in.real(p.fcen) && in.integer(p.iphase, narrow_integer_width) &&
      in.integer(p.iphf, narrow_integer_width) && in.real(p.period) && in.real(p.eps) &&
      in.integer(p.maxit, wide_integer_width) && in.real(p.tilt) && in.real(p.dens) &&
      in.real(p.hval) && in.name(p.fstate) && in.integer(p.itag, wide_integer_width);
  // After a failure the file stays open; the end of the run closes it.
  if (complete) close_unit(unit_parameters);
  return complete;
}

void report_read_error(const RunState& state) {
  const RunParameters& p = state.params;
  const Item items[] = {
      char_item("*01Qx Error reading file Tembrix2.dat *** "),
      int_item(p.ncirc),   int_item(p.nbc),     real_item(p.drad),   int_item(p.iradf),
      char_item(name_of(p.fradii)),
      real_item(p.omtot),  real_item(p.fcen),   int_item(p.iphase),  int_item(p.iphf),
      real_item(p.period), real_item(p.eps),    int_item(p.maxit),   real_item(p.tilt),
      real_item(p.dens),   real_item(p.hval),
      char_item(name_of(p.fstate)),
      int_item(p.itag),
  };
  write_record(console, std::span<const Item>(items));
  open_unit(unit_report, name_of(state.frep), OpenMode::create_or_open);
  write_record(unit_report, std::span<const Item>(items));
  close_unit(unit_report);
}

}  // namespace tembrix
