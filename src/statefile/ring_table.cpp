#include "statefile/ring_table.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "statefile/number_scanner.h"
#include "statefile/read_error.h"

namespace tembrix::statefile {

std::vector<RingRow> read_ring_table(std::FILE* file, const std::string& name, std::size_t buffer_bytes) {
  NumberScanner in(file, name, buffer_bytes);
  std::vector<RingRow> rows;
  if (in.at_end()) throw in.error("expected the record of ring 1, found an empty file");
  // Rows grow one at a time: their number is bounded by what the file holds.
  while (!in.at_end()) {
    const std::uint64_t k = rows.size() + 1;
    const std::int32_t number = in.integer({"ring number", k, 1, "ring"});
    if (static_cast<std::uint64_t>(number) != k || number < 1) {
      throw in.error("expected ring number " + std::to_string(k) + ", found " + std::to_string(number));
    }
    RingRow row;
    row.radius = in.real({"radius", k, 2, "ring"});
    row.body_mass = in.real({"body mass", k, 3, "ring"});
    row.correction = in.real({"correction", k, 4, "ring"});
    rows.push_back(row);
  }
  return rows;
}

std::vector<RingRow> read_ring_table(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) throw ReadError(path + ": cannot open: " + std::strerror(errno));
  return read_ring_table(file.get(), path);
}

}  // namespace tembrix::statefile
