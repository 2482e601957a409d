// Arbitrary bytes as a radii or phase file: read operations of an integer and
// a real until the scanner reports a fault (at the latest the end of the
// file), checked against read_values on the same bytes as a real unit; and
// the whole input as one value text through the number conversions, checked
// against glibc's correctly rounded strtod and wide integer arithmetic.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "model/run_state.h"
#include "textio/arith_fault.h"
#include "textio/free_format_input.h"
#include "textio/free_format_numbers.h"
#include "textio/free_format_scanner.h"
#include "textio/units.h"

namespace tembrix {
namespace {

// The bytes of the fuzz input as a file.
class SpanSource final : public ByteSource {
 public:
  SpanSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  int next() override { return pos_ < size_ ? data_[pos_++] : -1; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

struct Values {
  std::int32_t i;
  double x;
};

// (i, x) after each read operation that succeeded, in order.
std::vector<Values> scan_all(const std::uint8_t* data, std::size_t size) {
  SpanSource source(data, size);
  std::vector<Values> after;
  std::int32_t i = 0;
  double x = 0.0;
  const ReadTarget targets[] = {&i, &x};
  // Every operation consumes at least one byte or faults, so this ends.
  for (std::size_t n = 0; n <= size; ++n) {
    if (scan_values(source, targets)) return after;
    fuzz::require(std::isfinite(x), "a real read is finite");
    after.push_back({i, x});
  }
  fuzz::require(false, "a read operation consumed no byte");
  return after;
}

// read_values on a real unit gives the same values as the scanner; the reads
// stop before the one that would end the run.
void replay_on_unit(const std::uint8_t* data, std::size_t size, const std::vector<Values>& after) {
  const std::string path = (fuzz::scratch_dir() / "in.dat").string();
  fuzz::write_file(path, data, size);
  open_unit(unit_radii, path, OpenMode::create_or_open);
  std::int32_t i = 0;
  double x = 0.0;
  for (const Values& want : after) {
    read_values(unit_radii, {&i, &x});
    fuzz::require(i == want.i, "read_values and the scanner agree on the integer");
    fuzz::require(std::memcmp(&x, &want.x, sizeof x) == 0, "read_values and the scanner agree on the real");
  }
  close_unit(unit_radii);
}

// An accepted real text in the form strtod reads: exponent letter e, and an
// 'e' put before a sign that directly follows the mantissa.
std::string strtod_form(std::string_view text) {
  std::string s;
  for (std::size_t k = 0; k < text.size(); ++k) {
    char c = text[k];
    if (c == 'd' || c == 'D' || c == 'E') c = 'e';
    if ((c == '+' || c == '-') && k > 0 && s.back() != 'e') s += 'e';
    s += c;
  }
  return s;
}

void check_conversions(std::string_view text) {
  if (const auto real = real_from_text(text)) {
    const std::string model_text = strtod_form(text);
    const double model = std::strtod(model_text.c_str(), nullptr);
    fuzz::require(std::memcmp(&model, &*real, sizeof model) == 0, "the real is the nearest double");
  }
  (void)real_from_field_text(text, 5);

  const auto integer = integer_from_text(text);
  const bool decimal = text.find('#') == std::string_view::npos;
  if (integer && decimal && text.size() < 19) {
    const std::string model_text(text);
    const long long model = model_text.empty() || model_text == "+" || model_text == "-"
                                ? 0
                                : std::strtoll(model_text.c_str(), nullptr, 10);
    fuzz::require(model == *integer, "a decimal integer reads as its value");
  }
}

}  // namespace
}  // namespace tembrix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tembrix;
  clear_arithmetic_faults();
  const auto after = scan_all(data, size);
  replay_on_unit(data, size, after);
  check_conversions(std::string_view(reinterpret_cast<const char*>(data), size));
  fuzz::require(raised_arithmetic_faults() == 0, "reading raises no arithmetic fault");
  return 0;
}
