// Arbitrary bytes as an initial-state file and as a ring table. The readers
// either return a whole result or throw one ReadError naming the file; the
// result does not depend on the read buffer's size or on whether the file's
// size is known.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "statefile/initial_state.h"
#include "statefile/read_error.h"
#include "statefile/ring_table.h"

namespace {

using namespace tembrix;

std::optional<statefile::InitialState> read_state(const std::uint8_t* data, std::size_t size, bool sized,
                                                  std::size_t buffer) {
  std::FILE* f = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  fuzz::require(f != nullptr, "fmemopen");
  std::optional<statefile::InitialState> s;
  try {
    s = statefile::read_initial_state(f, "fuzz.dat", sized ? size : 0, buffer);
  } catch (const statefile::ReadError& e) {
    fuzz::require(std::strncmp(e.what(), "fuzz.dat:", 9) == 0, "an error names the file and line");
  }
  std::fclose(f);
  return s;
}

bool same(const statefile::InitialState& a, const statefile::InitialState& b) {
  const auto eq = [](const std::vector<double>& x, const std::vector<double>& y) {
    return x.size() == y.size() && (x.empty() || std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0);
  };
  return std::memcmp(a.header.reals.data(), b.header.reals.data(), sizeof(double) * 20) == 0 &&
         a.header.integers == b.header.integers && eq(a.bodies.mass, b.bodies.mass) &&
         eq(a.bodies.pos[2], b.bodies.pos[2]) && eq(a.bodies.vel[0], b.bodies.vel[0]) &&
         eq(a.bodies.radius, b.bodies.radius) && a.trailer.itag == b.trailer.itag && a.trailer.fixed == b.trailer.fixed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;  // fmemopen takes no empty buffer; the tests cover the empty file
  const auto whole = read_state(data, size, true, 4096);
  const auto unsized = read_state(data, size, false, 128);
  fuzz::require(whole.has_value() == unsized.has_value(), "a known size changes only when the error comes");
  if (whole) {
    fuzz::require(same(*whole, *unsized), "the buffer size does not change the result");
    const auto n = static_cast<std::size_t>(whole->header.nbtot());
    fuzz::require(whole->bodies.size() == n && whole->bodies.vel[2].size() == n && whole->trailer.nbtot == whole->header.nbtot(),
                  "a state holds nbtot bodies");
  }
  std::FILE* f = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  fuzz::require(f != nullptr, "fmemopen");
  try {
    const auto rows = statefile::read_ring_table(f, "rings.dat", 128);
    fuzz::require(!rows.empty(), "a ring table has a ring");
  } catch (const statefile::ReadError& e) {
    fuzz::require(std::strncmp(e.what(), "rings.dat:", 10) == 0, "an error names the file and line");
  }
  std::fclose(f);
  return 0;
}
