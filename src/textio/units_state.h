// Shared state of the units: the table of file units, the console, and the
// low-level helpers the unit operations share. Used only inside textio.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "textio/units.h"

namespace tembrix::units_detail {

// Records reach the file in blocks of this size (and at the closing), so a
// file of hundreds of megabytes costs a few hundred system calls.
inline constexpr std::size_t write_block = std::size_t{1} << 20;
// The write buffer holds the block plus room for the record that crosses it.
inline constexpr std::size_t write_buffer_capacity = write_block + 4096;
// Reads are taken from the file in blocks of this size.
inline constexpr std::size_t read_block = std::size_t{1} << 16;

// One connection of a unit number to a file.
struct TextUnit {
  int number = 0;
  bool open = false;
  std::string name;      // as opened, after trimming
  int fd = -1;
  bool written = false;  // the first record since the opening has been written (or the file was new)
  bool regular = false;  // a plain file, which a first record cuts; devices and pipes are not cut
  dev_t device = 0;      // with inode, which file a plain file is, whatever name reached it
  ino_t inode = 0;
  std::string out;       // write buffer; its capacity is kept from one opening to the next
  std::unique_ptr<char[]> in;  // read buffer, allocated at the first read
  std::size_t in_pos = 0;
  std::size_t in_len = 0;
};

// The open unit with this number, or nullptr.
TextUnit* find_open_unit(int number);

// Writes all n bytes to fd, going on after interruptions; false when the system refuses.
bool write_all(int fd, const char* data, std::size_t n);

// Reads at most n bytes from fd, going on after interruptions; the count, 0 at the end, -1 on failure.
long read_some(int fd, char* data, std::size_t n);

// The name field up to its first code 0, without leading and trailing blanks.
std::string_view trim_name(std::string_view field);

// A name for a unit whose name field is blank: the next unused command-line
// argument, else a line asked for on the console; ends the run when standard input ends.
std::string name_for_blank_field(int unit);

// Writes one laid-out record (lines ended by CR LF, line_starts marking each) to the console.
void write_console_lines(std::string_view lines, const std::size_t* line_starts, std::size_t count);

// Writes the line end still owed to the last console line, if any.
void end_console_line();

// True once the failure path has begun; later failures are then passed over
// so that the final closing always completes.
bool failure_path_started();

// The failure path for a file that may not (or no longer) be connected to its unit.
[[noreturn]] void fatal_named(IoOperation operation, std::string_view name, IoCondition condition);

}  // namespace tembrix::units_detail
