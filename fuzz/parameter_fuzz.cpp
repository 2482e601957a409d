// Arbitrary bytes as the parameter file: every record through the field
// converters of each kind, and the whole file through read_parameters and,
// when it fails, the read-error report.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "model/run_state.h"
#include "parameters/parameter_fields.h"
#include "parameters/parameter_file.h"
#include "textio/arith_fault.h"
#include "textio/units.h"

namespace tembrix {
namespace {

// The field converters on one record: fields have their width, never hold a
// carriage return, and reals are finite; no conversion raises a fault flag.
void check_record(std::string_view record) {
  for (std::size_t width : {wide_integer_width, narrow_integer_width, real_width, name_width}) {
    const std::string field = field_text(record, width);
    fuzz::require(field.size() == width, "field has its width");
    fuzz::require(field.find('\r') == std::string::npos, "a carriage return ends the record");
    (void)integer_field(field);
    const auto real = real_field(field);
    fuzz::require(std::isfinite(real.value), "a real field is finite");
    fuzz::require(real.status == FieldStatus::ok || real.value == 0.0, "a failed field gives 0.0");
  }
}

void set_name(NameField& field, const char* text) { std::memcpy(field.data(), text, field.size()); }

}  // namespace
}  // namespace tembrix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tembrix;
  clear_arithmetic_faults();

  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    check_record(text.substr(start, end - start));
    start = end + 1;
  }

  const fuzz::InScratchDir in_scratch;  // the parameter file is looked up in the working directory
  fuzz::write_file("Tembrix2.dat", data, size);
  static RunState state;  // large tables stay empty: only the parameters are used
  state.params = RunParameters{};
  set_name(state.fpar, "Tembrix2.dat");
  set_name(state.frep, "ErTembri.dat");
  if (!read_parameters(state)) {
    report_read_error(state);
    close_unit(unit_parameters);
  }
  fuzz::require(unit_name(unit_parameters).empty(), "the parameter file is closed");
  fuzz::require(raised_arithmetic_faults() == 0, "reading raises no arithmetic fault");
  return 0;
}
