// The initial-state file of tembrix2 as read back: header, bodies, trailer.
//
// The file is a sequence of numbers separated by blanks and line ends:
//   header   20 reals and 4 integers: 0.0, omax, 0.0, 0.0, pmom(3), angm(3),
//            six 0.0, hval, 1, 1, nbtot, 1.0, 0.5, 0.25, ncube
//            (items 18, 19, 20 and 24 are the integers);
//   bodies   nbtot records of 15 reals: mass, position (3), velocity (3),
//            two reserved vectors (6), radius, a reserved scalar;
//   trailer  itag, nbtot (integers), mtot, lunit, vunit (reals), ten integers.
// How the product wraps these into lines plays no part in reading them.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tembrix::statefile {

struct StateHeader {
  std::array<double, 20> reals{};       // the 20 real items, in file order
  std::array<std::int32_t, 4> integers{};  // items 18, 19, 20 and 24

  double omax() const { return reals[1]; }
  std::array<double, 3> momentum() const { return {reals[4], reals[5], reals[6]}; }
  std::array<double, 3> angular_momentum() const { return {reals[7], reals[8], reals[9]}; }
  double hval() const { return reals[16]; }
  std::int32_t nbtot() const { return integers[2]; }
  std::int32_t ncube() const { return integers[3]; }
};

struct StateTrailer {
  std::int32_t itag = 0;
  std::int32_t nbtot = 0;
  double mtot = 0.0;   // code mass unit, kilograms
  double lunit = 0.0;  // code length unit, metres
  double vunit = 0.0;  // factor from metres per second to code velocity
  std::array<std::int32_t, 10> fixed{};
};

// Bodies in file order, one vector per quantity (body b of the file is index
// b - 1). The reserved items of each record are read and checked for form only.
struct StateBodies {
  std::vector<double> mass;
  std::array<std::vector<double>, 3> pos;
  std::array<std::vector<double>, 3> vel;
  std::vector<double> radius;

  std::size_t size() const { return mass.size(); }
};

struct InitialState {
  StateHeader header;
  StateBodies bodies;
  StateTrailer trailer;
};

// Reads the initial-state file at `path`. Throws ReadError (message: the file,
// the line, what was expected and what was found) when the file cannot be
// opened or read, a number is malformed or missing, nbtot is below 1 or more
// than the file can hold, the trailer's nbtot differs from the header's, or
// anything but blanks follows the trailer. Never returns a partial state.
InitialState read_initial_state(const std::string& path);

// As above, from an open stream (not closed here); `name` names it in
// messages; `size_hint` is its length in bytes when known (0: unknown), used
// to refuse a body count that the file cannot hold before any allocation.
InitialState read_initial_state(std::FILE* file, const std::string& name, std::uint64_t size_hint,
                                std::size_t buffer_bytes = 1u << 20);

}  // namespace tembrix::statefile
