// Units: connections of unit numbers to text files, and the console.
// Every failure ends the run through fatal_io_error; nothing returns an error,
// except read_line, which the fixed-column parameter reader uses.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "textio/item.h"

namespace tembrix {

inline constexpr int console = -1;

enum class OpenMode { create_or_open, must_exist };
enum class IoOperation { open, read, write, close };

// Failure conditions named in the diagnostic of fatal_io_error.
enum class IoCondition : int {
  file_not_found = 2,        // must_exist on a missing file
  open_failed = 3,           // the file system refused the name or the file
  write_failed = 4,          // a write or flush failed (disk full, ...)
  close_failed = 5,
  read_failed = 6,           // the file system failed a read
  end_of_file = 7,           // a free-format read met the end of the file
  bad_integer = 8,           // an integer value text breaks the syntax or range
  bad_real = 9,              // a real value text breaks the syntax or overflows
  bad_repeat = 10,           // repeat count 0, not an integer, or while one is pending
  bad_constant = 11,         // a character or complex constant for a numeric target
  value_too_long = 12,       // a value text of more than 519 characters
  name_missing = 13,         // standard input ended before a non-blank file name came
  unit_not_open = 14,        // a write or read on a unit that no file is connected to
};

// Remembers the command-line arguments that blank file names may take, in order.
void set_command_line(int argc, char** argv);

// Connects unit to the file named by the fixed-width field name (trimmed at the
// first code 0 and of blanks; a blank name is taken from the command line or the console).
// A raised arithmetic fault ends the run first, before any file is touched.
void open_unit(int unit, std::string_view name_field, OpenMode mode);

// Writes one free-format record to an open unit or to the console.
void write_record(int unit, std::span<const Item> items);
inline void write_record(int unit, std::initializer_list<Item> items) {
  write_record(unit, std::span<const Item>(items.begin(), items.size()));
}

// Appends already laid-out lines (each ended by CR LF) to an open file unit,
// as write_record would; used by bulk writers that format records themselves.
void write_laid_out(int unit, std::string_view lines);

// Writes what is buffered and closes the file; a unit that is not open is left alone.
void close_unit(int unit);

// Closes every open unit, then ends the console line if one was shown.
void close_all_units();

// Reports an input/output failure on standard error, closes every unit and
// ends the process with exit status 1.
[[noreturn]] void fatal_io_error(IoOperation operation, int unit, IoCondition condition);

// Reports the arithmetic fault named by flags (fault_flags.h) on standard
// error, closes every unit and ends the process with exit status 1.
[[noreturn]] void fatal_arithmetic_fault(int flags);

// Next byte of an open unit, or -1 at the end of the file (READ failure is fatal).
int read_byte(int unit);

enum class LineStatus { ok, end_of_file, error };
// Reads the next record (up to the line feed, which is not kept) into line,
// keeping at most max_keep characters of it; the rest of the record is skipped.
LineStatus read_line(int unit, std::string& line, std::size_t max_keep);

// The name a unit was opened with (empty when it is not open).
std::string unit_name(int unit);

}  // namespace tembrix
