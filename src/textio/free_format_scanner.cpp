#include "textio/free_format_scanner.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <variant>

#include "textio/free_format_numbers.h"

namespace tembrix {

namespace {

// Pseudo-characters of the scanner: both lie outside the byte range.
constexpr int end_of_record = -2;
constexpr int end_of_file = -1;

enum class Separator { blank, comma, slash };

// State of one read operation over the records of a source.
class ValueScanner {
 public:
  explicit ValueScanner(ByteSource& source) : source_(source) {}

  std::optional<IoCondition> read(std::span<const ReadTarget> targets);

 private:
  int next_char();
  std::optional<IoCondition> scan_value();
  std::optional<IoCondition> store(const ReadTarget& target) const;
  void finish_record();

  ByteSource& source_;
  bool at_record_start_ = true;           // every operation starts on a fresh record
  Separator last_ = Separator::comma;     // so a leading comma is a null value
  std::int32_t pending_ = 0;              // repetitions of text_ still to give out
  std::array<char, max_value_text> text_{};
  std::size_t length_ = 0;
};

// The next character of the current record, end_of_record once its line feed
// (or a carriage return, whose rest of the record is passed over) is met, and
// end_of_file when the file ends at the start of a record. A last record
// without a line feed ends where the file ends.
int ValueScanner::next_char() {
  int c = source_.next();
  if (c == end_of_file) {
    if (at_record_start_) return end_of_file;
    at_record_start_ = true;
    return end_of_record;
  }
  if (c == '\r') {
    while (c != '\n' && c != end_of_file) c = source_.next();
    c = '\n';
  }
  at_record_start_ = c == '\n';
  return at_record_start_ ? end_of_record : c;
}

// Scans the text of one value into text_ (empty for a null) and sets last_.
std::optional<IoCondition> ValueScanner::scan_value() {
  length_ = 0;
  for (;;) {
    const int c = next_char();
    if (c == end_of_file) return IoCondition::end_of_file;
    if (c == end_of_record || c == ' ' || c == '\t') {
      if (length_ == 0 && pending_ == 0) continue;  // blanks before a value, empty records
      last_ = Separator::blank;
      return std::nullopt;
    }
    if (c == ',') {
      if (length_ == 0 && last_ == Separator::blank && pending_ == 0) {
        last_ = Separator::comma;  // blanks around a comma make one separator
        continue;
      }
      last_ = Separator::comma;
      return std::nullopt;
    }
    if (c == '/') {
      last_ = Separator::slash;
      return std::nullopt;
    }
    if (c == '*') {
      const auto count = integer_from_text(std::string_view(text_.data(), length_));
      if (pending_ != 0 || !count || *count <= 0) return IoCondition::bad_repeat;
      pending_ = *count - 1;
      length_ = 0;
      continue;
    }
    if (length_ == 0 && (c == '\'' || c == '"' || c == '(')) return IoCondition::bad_constant;
    if (length_ == text_.size()) return IoCondition::value_too_long;
    text_[length_++] = static_cast<char>(c);
  }
}

// Converts text_ for the kind of target and stores it; a null leaves it as it is.
std::optional<IoCondition> ValueScanner::store(const ReadTarget& target) const {
  if (length_ == 0) return std::nullopt;
  const std::string_view text(text_.data(), length_);
  if (auto* const* integer = std::get_if<std::int32_t*>(&target)) {
    const auto value = integer_from_text(text);
    if (!value) return IoCondition::bad_integer;
    **integer = *value;
  } else {
    const auto value = real_from_text(text);
    if (!value) return IoCondition::bad_real;
    *std::get<double*>(target) = *value;
  }
  return std::nullopt;
}

// Passes over the rest of the current record, line feed included.
void ValueScanner::finish_record() {
  if (at_record_start_) return;
  for (int c = source_.next(); c != '\n' && c != end_of_file; c = source_.next()) {
  }
  at_record_start_ = true;
}

std::optional<IoCondition> ValueScanner::read(std::span<const ReadTarget> targets) {
  for (const ReadTarget& target : targets) {
    if (pending_ > 0) {
      --pending_;
      if (auto fault = store(target)) return fault;
      continue;
    }
    if (auto fault = scan_value()) return fault;
    if (auto fault = store(target)) return fault;
    if (last_ == Separator::slash) break;
  }
  finish_record();
  return std::nullopt;
}

}  // namespace

std::optional<IoCondition> scan_values(ByteSource& source, std::span<const ReadTarget> targets) {
  return ValueScanner(source).read(targets);
}

}  // namespace tembrix
