// The unit table: opening, writing, reading and closing the files of the run.
#include "textio/units.h"

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "textio/fault_flags.h"
#include "textio/record_layout.h"
#include "textio/units_state.h"

namespace tembrix {

namespace units_detail {

namespace {

// Units are few (the run uses seven numbers) and reused, so a short list
// searched in order serves; entries are never freed, so pointers stay valid.
std::vector<std::unique_ptr<TextUnit>>& unit_table() {
  static std::vector<std::unique_ptr<TextUnit>> table;
  return table;
}

// The entry for a unit number, created closed when the number is new.
TextUnit& unit_entry(int number) {
  for (auto& u : unit_table())
    if (u->number == number) return *u;
  unit_table().push_back(std::make_unique<TextUnit>());
  unit_table().back()->number = number;
  return *unit_table().back();
}

struct Opened {
  int fd = -1;
  bool created = false;
  IoCondition failure = IoCondition::open_failed;
};

// Opens an existing file read-only, so a parameter file without write permission reads normally.
Opened open_existing_only(const std::string& name) {
  Opened o;
  o.fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (o.fd < 0 && errno == ENOENT) o.failure = IoCondition::file_not_found;
  return o;
}

// Opens an existing file unchanged (read-write, else read-only, when the
// system refuses writing: a later write then fails), or creates it empty.
Opened open_or_create(const std::string& name) {
  Opened o;
  for (int attempt = 0; attempt < 8; ++attempt) {  // a file may appear or vanish between the calls
    o.fd = ::open(name.c_str(), O_RDWR | O_CLOEXEC);
    if (o.fd >= 0) return o;
    if (errno == EACCES || errno == EPERM || errno == EROFS || errno == ETXTBSY) {
      o.fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
      if (o.fd >= 0 || errno != ENOENT) return o;
      continue;
    }
    if (errno != ENOENT) return o;
    o.fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (o.fd >= 0) {
      o.created = true;
      return o;
    }
    if (errno != EEXIST) return o;
  }
  return o;
}

// Cuts an existing file to nothing at the first record written since its opening.
void start_writing(TextUnit& u) {
  if (u.written) return;
  if (u.regular && (::ftruncate(u.fd, 0) != 0 || ::lseek(u.fd, 0, SEEK_SET) < 0))
    fatal_io_error(IoOperation::write, u.number, IoCondition::write_failed);
  u.written = true;
  u.in_pos = u.in_len = 0;
}

void flush(TextUnit& u) {
  if (u.out.empty()) return;
  const bool ok = write_all(u.fd, u.out.data(), u.out.size());
  u.out.clear();
  if (!ok) fatal_io_error(IoOperation::write, u.number, IoCondition::write_failed);
}

// The open file unit to write to, ready for its next record.
TextUnit& unit_for_writing(int unit) {
  TextUnit* u = find_open_unit(unit);
  if (!u) fatal_io_error(IoOperation::write, unit, IoCondition::unit_not_open);
  start_writing(*u);
  if (u->out.capacity() < write_buffer_capacity) u->out.reserve(write_buffer_capacity);
  return *u;
}

// Next byte of u, -1 at the end of the file, -2 when the system fails the read.
int next_byte(TextUnit& u) {
  if (u.in_pos == u.in_len) {
    if (!u.in) u.in = std::make_unique<char[]>(read_block);
    const long got = read_some(u.fd, u.in.get(), read_block);
    if (got < 0) return -2;
    if (got == 0) return -1;
    u.in_pos = 0;
    u.in_len = static_cast<std::size_t>(got);
  }
  return static_cast<unsigned char>(u.in[u.in_pos++]);
}

TextUnit& unit_for_reading(int unit) {
  TextUnit* u = find_open_unit(unit);
  if (!u) fatal_io_error(IoOperation::read, unit, IoCondition::unit_not_open);
  return *u;
}

// No file may be opened and no value computed after an arithmetic fault may
// reach a file or the console.
// True when a unit that is open holds the plain file described by st.
bool connected_elsewhere(const struct stat& st) {
  for (const auto& u : unit_table())
    if (u->open && u->regular && u->device == st.st_dev && u->inode == st.st_ino) return true;
  return false;
}

void refuse_after_fault() {
  if (const int flags = raised_arithmetic_faults()) fatal_arithmetic_fault(flags);
}

}  // namespace

TextUnit* find_open_unit(int number) {
  for (auto& u : unit_table())
    if (u->number == number && u->open) return u.get();
  return nullptr;
}

}  // namespace units_detail

using namespace units_detail;

void open_unit(int unit, std::string_view name_field, OpenMode mode) {
  // Opening may create a file, an effect like writing a record: after an
  // arithmetic fault no file is opened, created or written.
  refuse_after_fault();
  if (unit == console) return;  // always connected to standard output
  close_unit(unit);             // a unit opened again first lets go of its earlier file
  std::string name(trim_name(name_field));
  if (name.empty()) name = name_for_blank_field(unit);
  Opened o = mode == OpenMode::must_exist ? open_existing_only(name) : open_or_create(name);
  struct stat st {};
  if (o.fd >= 0 && (::fstat(o.fd, &st) != 0 || S_ISDIR(st.st_mode))) {  // a directory is no text file
    ::close(o.fd);
    o.fd = -1;
    o.failure = IoCondition::open_failed;
  }
  // A plain file is connected to one unit at a time: a second connection would
  // write over (or read past) what the first one still holds in its buffer.
  if (o.fd >= 0 && S_ISREG(st.st_mode) && connected_elsewhere(st)) {
    ::close(o.fd);
    o.fd = -1;
    o.failure = IoCondition::open_failed;
  }
  if (o.fd < 0) fatal_named(IoOperation::open, name, o.failure);
  TextUnit& u = unit_entry(unit);
  u.name = std::move(name);
  u.fd = o.fd;
  u.open = true;
  u.written = o.created;
  u.regular = S_ISREG(st.st_mode);
  u.device = st.st_dev;
  u.inode = st.st_ino;
  u.out.clear();
  u.in_pos = u.in_len = 0;
}

void write_record(int unit, std::span<const Item> items) {
  refuse_after_fault();
  if (unit == console) {
    static std::string lines;
    static std::vector<std::size_t> starts;
    lines.clear();
    starts.clear();
    lay_out_record(items, lines, starts);
    write_console_lines(lines, starts.data(), starts.size());
    return;
  }
  TextUnit& u = unit_for_writing(unit);
  lay_out_record(items, u.out);
  if (u.out.size() >= write_block) flush(u);
}

void write_laid_out(int unit, std::string_view lines) {
  refuse_after_fault();
  if (unit == console) {
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < lines.size();) {
      starts.push_back(at);
      const std::size_t end = lines.find("\r\n", at);
      at = end == std::string_view::npos ? lines.size() : end + 2;
    }
    write_console_lines(lines, starts.data(), starts.size());
    return;
  }
  TextUnit& u = unit_for_writing(unit);
  // Whatever bypasses the buffer or does not fit it goes after what the buffer
  // holds: bytes reach the file in the order they were written, whatever the sizes.
  if (lines.size() >= write_block || u.out.size() + lines.size() > u.out.capacity()) flush(u);
  if (lines.size() >= write_block) {  // a large block goes to the file as it is, without a copy
    if (!write_all(u.fd, lines.data(), lines.size()))
      fatal_io_error(IoOperation::write, unit, IoCondition::write_failed);
    return;
  }
  u.out.append(lines);
  if (u.out.size() >= write_block) flush(u);
}

void close_unit(int unit) {
  TextUnit* u = find_open_unit(unit);
  if (!u) return;
  const bool flushed = u->out.empty() || write_all(u->fd, u->out.data(), u->out.size());
  u->out.clear();
  const bool closed = ::close(u->fd) == 0;
  u->open = false;  // before any failure is reported, so the final closing does not meet it again
  u->fd = -1;
  if (failure_path_started()) return;  // the run is already ending on an earlier failure
  if (!flushed) fatal_named(IoOperation::write, u->name, IoCondition::write_failed);
  if (!closed) fatal_named(IoOperation::close, u->name, IoCondition::close_failed);
}

void close_all_units() {
  for (auto& u : unit_table())
    if (u->open) close_unit(u->number);
  end_console_line();
}

int read_byte(int unit) {
  const int c = next_byte(unit_for_reading(unit));
  if (c == -2) fatal_io_error(IoOperation::read, unit, IoCondition::read_failed);
  return c;
}

LineStatus read_line(int unit, std::string& line, std::size_t max_keep) {
  TextUnit& u = unit_for_reading(unit);
  line.clear();
  bool any = false;
  for (;;) {
    const int c = next_byte(u);
    if (c == -2) return LineStatus::error;
    if (c == -1) return any ? LineStatus::ok : LineStatus::end_of_file;  // a last line needs no line feed
    any = true;
    if (c == '\n') return LineStatus::ok;
    if (line.size() < max_keep) line.push_back(static_cast<char>(c));
  }
}

std::string unit_name(int unit) {
  const TextUnit* u = find_open_unit(unit);
  return u ? u->name : std::string();
}

}  // namespace tembrix
