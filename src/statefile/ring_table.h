// The ring table "QxNcRMEr.dat" of tembrix2 as read back: one record per ring
// k = 1..ncirc of the integer k and three reals, the ring's radius in metres,
// the mass of one of its bodies in kilograms and the last correction of the
// refinement.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tembrix::statefile {

struct RingRow {
  double radius = 0.0;      // metres
  double body_mass = 0.0;   // kilograms
  double correction = 0.0;  // share of the total mass
};

// Reads the ring table at `path`: rows in file order, row k - 1 for ring k.
// Throws ReadError naming the file and line when it cannot be opened or read,
// holds no record, a number is malformed or missing, or a ring number is not
// the next in order (1, 2, 3, ...).
std::vector<RingRow> read_ring_table(const std::string& path);

// As above, from an open stream (not closed here); `name` names it in messages.
std::vector<RingRow> read_ring_table(std::FILE* file, const std::string& name, std::size_t buffer_bytes = 1u << 16);

}  // namespace tembrix::statefile
