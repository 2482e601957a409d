#include "inspect/csv_export.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

#include <unistd.h>

namespace tembrix::inspect {

void write_csv(const statefile::InitialState& state, CsvUnits units, const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  const auto fail = [&path] { throw std::runtime_error(path + ": cannot write: " + std::strerror(errno)); };
  if (!file) fail();
  const statefile::StateBodies& b = state.bodies;
  const bool si = units == CsvUnits::si;
  const double mass_unit = state.trailer.mtot;
  const double length_unit = state.trailer.lunit;
  const double speed_factor = state.trailer.vunit;

  constexpr std::size_t kLongestRow = 9 * 25 + 24;  // nine numbers of at most 24 characters, commas, line end
  std::vector<char> block(kCsvBlock + kLongestRow);
  std::size_t used = 0;
  const auto flush = [&] {
    if (used > 0 && std::fwrite(block.data(), 1, used, file.get()) != used) fail();
    used = 0;
  };
  const auto put = [&](double v) {
    const auto r = std::to_chars(block.data() + used, block.data() + block.size(), v);
    used = static_cast<std::size_t>(r.ptr - block.data());
  };
  const char header[] = "id,mass,x,y,z,vx,vy,vz,radius\n";
  std::memcpy(block.data(), header, sizeof header - 1);
  used = sizeof header - 1;
  for (std::size_t i = 0; i < b.size(); ++i) {
    used = static_cast<std::size_t>(std::to_chars(block.data() + used, block.data() + block.size(), i + 1).ptr -
                                    block.data());
    block[used++] = ',';
    put(si ? b.mass[i] * mass_unit : b.mass[i]);
    for (int c = 0; c < 3; ++c) {
      block[used++] = ',';
      put(si ? b.pos[static_cast<std::size_t>(c)][i] * length_unit : b.pos[static_cast<std::size_t>(c)][i]);
    }
    for (int c = 0; c < 3; ++c) {
      block[used++] = ',';
      put(si ? b.vel[static_cast<std::size_t>(c)][i] / speed_factor : b.vel[static_cast<std::size_t>(c)][i]);
    }
    block[used++] = ',';
    put(si ? b.radius[i] * length_unit : b.radius[i]);
    block[used++] = '\n';
    if (used >= kCsvBlock) flush();
  }
  flush();
  if (std::fflush(file.get()) != 0 || ::fsync(::fileno(file.get())) != 0) fail();
  if (std::fclose(file.release()) != 0) fail();
}

}  // namespace tembrix::inspect
