// The failure path of the run (input and output failures, arithmetic faults):
// a diagnostic on standard error, every unit closed, exit status 1.
#include <cfenv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "textio/units_state.h"

namespace tembrix {

namespace units_detail {

namespace {

bool failure_started = false;

const char* operation_text(IoOperation operation) {
  switch (operation) {
    case IoOperation::open: return ": OPEN(";
    case IoOperation::read: return ": READ(";
    case IoOperation::write: return ": WRITE(";
    case IoOperation::close: return ": CLOSE(";
  }
  return ": ?(";
}

const char* condition_text(IoCondition condition) {
  switch (condition) {
    case IoCondition::file_not_found: return "file not found";
    case IoCondition::open_failed: return "file cannot be opened or created";
    case IoCondition::write_failed: return "file cannot be written (device full or write refused)";
    case IoCondition::close_failed: return "file cannot be closed";
    case IoCondition::read_failed: return "file cannot be read";
    case IoCondition::end_of_file: return "end of file reached before all values were read";
    case IoCondition::bad_integer: return "invalid integer value";
    case IoCondition::bad_real: return "invalid real value";
    case IoCondition::bad_repeat: return "invalid repeat count";
    case IoCondition::bad_constant: return "character or complex constant where a number is expected";
    case IoCondition::value_too_long: return "value text longer than 519 characters";
    case IoCondition::name_missing: return "standard input ended before a file name was given";
    case IoCondition::unit_not_open: return "unit is not connected to a file";
  }
  return "input/output failure";
}

}  // namespace

bool failure_path_started() { return failure_started; }

void fatal_named(IoOperation operation, std::string_view name, IoCondition condition) {
  failure_started = true;
  char number[16];
  std::snprintf(number, sizeof number, "F%04d", static_cast<int>(condition) % 10000);
  std::string text = "\r\nrun-time error ";
  text += number;
  text += operation_text(operation);
  text += name;
  text += ")\r\n- ";
  text += condition_text(condition);
  text += "\r\n";
  // Standard error is unbuffered; one write keeps the diagnostic in one piece.
  write_all(2, text.data(), text.size());
  close_all_units();
  std::_Exit(1);
}

}  // namespace units_detail

void fatal_io_error(IoOperation operation, int unit, IoCondition condition) {
  units_detail::fatal_named(operation, unit_name(unit), condition);
}

namespace {

// Names the first fault in a fixed order, so one fault set gives one message.
const char* fault_name(int flags) {
  if (flags & FE_INVALID) return "invalid floating-point operation (or a domain error of sin, cos or pow)";
  if (flags & FE_DIVBYZERO) return "floating-point division by zero";
  return "floating-point overflow";
}

}  // namespace

void fatal_arithmetic_fault(int flags) {
  const char* name = fault_name(flags);
  std::string text = "\r\nrun-time error: arithmetic fault\r\n- ";
  text += name;
  text += "\r\n";
  // Standard error is unbuffered; one write keeps the diagnostic in one piece.
  [[maybe_unused]] ssize_t n = ::write(2, text.data(), text.size());
  close_all_units();
  std::_Exit(1);
}

}  // namespace tembrix
