#include "statefile/initial_state.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include <sys/stat.h>

#include "statefile/number_scanner.h"
#include "statefile/read_error.h"

namespace tembrix::statefile {

namespace {

// Each body record holds 15 numbers, each at least one character and one
// separator long: a file of B bytes holds at most B / 30 bodies.
constexpr std::uint64_t kMinBodyBytes = 30;

const char* const kBodyItems[15] = {"mass",       "position x", "position y", "position z", "velocity x",
                                    "velocity y", "velocity z", "reserved",   "reserved",   "reserved",
                                    "reserved",   "reserved",   "reserved",   "radius",     "reserved"};

const char* const kHeaderItems[24] = {
    "header item 1",  "header item 2 (omax)", "header item 3",  "header item 4",  "header item 5",
    "header item 6",  "header item 7",        "header item 8",  "header item 9",  "header item 10",
    "header item 11", "header item 12",       "header item 13", "header item 14", "header item 15",
    "header item 16", "header item 17 (hval)", "header item 18", "header item 19", "header item 20 (nbtot)",
    "header item 21", "header item 22",       "header item 23", "header item 24 (ncube)"};
const char* const kTrailerItems[15] = {
    "trailer item 1 (itag)", "trailer item 2 (nbtot)", "trailer item 3 (mtot)", "trailer item 4 (lunit)",
    "trailer item 5 (vunit)", "trailer item 6", "trailer item 7", "trailer item 8", "trailer item 9",
    "trailer item 10", "trailer item 11", "trailer item 12", "trailer item 13", "trailer item 14",
    "trailer item 15"};

StateHeader read_header(NumberScanner& in) {
  StateHeader h;
  int real = 0;
  int integer = 0;
  for (int item = 1; item <= 24; ++item) {
    const bool is_integer = item == 18 || item == 19 || item == 20 || item == 24;
    const What what{kHeaderItems[item - 1]};
    if (is_integer) {
      h.integers[static_cast<std::size_t>(integer++)] = in.integer(what);
    } else {
      h.reals[static_cast<std::size_t>(real++)] = in.real(what);
    }
  }
  return h;
}

}  // namespace

InitialState read_initial_state(std::FILE* file, const std::string& name, std::uint64_t size_hint,
                                std::size_t buffer_bytes) {
  NumberScanner in(file, name, buffer_bytes);
  InitialState s;
  s.header = read_header(in);
  const std::int32_t nbtot = s.header.nbtot();
  if (nbtot < 1) throw in.error("header item 20 (nbtot) is " + std::to_string(nbtot) + ", expected at least 1");
  const auto count = static_cast<std::uint64_t>(nbtot);
  if (size_hint != 0) {
    const std::uint64_t left = size_hint > in.offset() ? size_hint - in.offset() : 0;
    const std::uint64_t room = left / kMinBodyBytes;
    if (count > room) {
      throw in.error("header item 20 (nbtot) is " + std::to_string(nbtot) + ", but the file's " +
                     std::to_string(size_hint) + " bytes hold at most " + std::to_string(room) + " bodies");
    }
  }
  StateBodies& b = s.bodies;
  const auto n = static_cast<std::size_t>(count);
  for (auto* v : {&b.mass, &b.pos[0], &b.pos[1], &b.pos[2], &b.vel[0], &b.vel[1], &b.vel[2], &b.radius}) {
    v->resize(size_hint != 0 ? n : 0);
  }
  for (std::size_t i = 0; i < n; ++i) {
    double r[15];
    for (int item = 0; item < 15; ++item) r[item] = in.real({kBodyItems[item], i + 1, item + 1});
    if (size_hint == 0) {
      for (auto* v : {&b.mass, &b.pos[0], &b.pos[1], &b.pos[2], &b.vel[0], &b.vel[1], &b.vel[2], &b.radius}) {
        v->push_back(0.0);
      }
    }
    b.mass[i] = r[0];
    for (int c = 0; c < 3; ++c) {
      b.pos[static_cast<std::size_t>(c)][i] = r[1 + c];
      b.vel[static_cast<std::size_t>(c)][i] = r[4 + c];
    }
    b.radius[i] = r[13];
  }
  StateTrailer& t = s.trailer;
  t.itag = in.integer({kTrailerItems[0]});
  t.nbtot = in.integer({kTrailerItems[1]});
  if (t.nbtot != nbtot) {
    throw in.error("trailer item 2 (nbtot) is " + std::to_string(t.nbtot) + ", expected the header's " +
                   std::to_string(nbtot));
  }
  t.mtot = in.real({kTrailerItems[2]});
  t.lunit = in.real({kTrailerItems[3]});
  t.vunit = in.real({kTrailerItems[4]});
  for (int item = 6; item <= 15; ++item) {
    t.fixed[static_cast<std::size_t>(item - 6)] = in.integer({kTrailerItems[item - 1]});
  }
  in.expect_end("the trailer");
  return s;
}

InitialState read_initial_state(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) throw ReadError(path + ": cannot open: " + std::strerror(errno));
  struct stat st {};
  std::uint64_t size = 0;
  if (::fstat(::fileno(file.get()), &st) == 0 && S_ISREG(st.st_mode)) size = static_cast<std::uint64_t>(st.st_size);
  if (size == 0 && S_ISREG(st.st_mode)) throw ReadError(path + ":1: expected the header, found an empty file");
  return read_initial_state(file.get(), path, size);
}

}  // namespace tembrix::statefile
