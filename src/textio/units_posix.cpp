// System-call wrappers and name trimming shared by the unit operations.
#include <cerrno>

#include <unistd.h>

#include "textio/units_state.h"

namespace tembrix::units_detail {

bool write_all(int fd, const char* data, std::size_t n) {
  while (n > 0) {
    const ssize_t done = ::write(fd, data, n);
    if (done < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (done == 0) return false;  // no progress on a non-empty write: treat as refused
    data += done;
    n -= static_cast<std::size_t>(done);
  }
  return true;
}

long read_some(int fd, char* data, std::size_t n) {
  for (;;) {
    const ssize_t got = ::read(fd, data, n);
    if (got >= 0) return static_cast<long>(got);
    if (errno != EINTR) return -1;
  }
}

std::string_view trim_name(std::string_view field) {
  const std::size_t nul = field.find('\0');
  if (nul != std::string_view::npos) field = field.substr(0, nul);
  const std::size_t first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = field.find_last_not_of(' ');
  return field.substr(first, last - first + 1);
}

}  // namespace tembrix::units_detail
