#include "inspect/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

namespace tembrix::inspect {

void replace_file(const std::string& path, const std::function<void(const std::string& temporary)>& write) {
  std::string temporary = path + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) throw std::runtime_error(path + ": cannot create a file beside it: " + std::strerror(errno));
  ::close(fd);
  try {
    write(temporary);
  } catch (...) {
    std::remove(temporary.c_str());
    throw;
  }
  // The temporary was made private; the result gets the mode of any new file.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(temporary.c_str(), 0666 & ~mask);
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int e = errno;
    std::remove(temporary.c_str());
    throw std::runtime_error(path + ": cannot replace: " + std::strerror(e));
  }
}

}  // namespace tembrix::inspect
