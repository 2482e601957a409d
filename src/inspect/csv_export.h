// The bodies of an initial state as comma-separated text.
#pragma once

#include <cstddef>
#include <string>

#include "statefile/initial_state.h"

namespace tembrix::inspect {

enum class CsvUnits { code, si };

// Writes `state` to the file `path` (created or truncated): the row
// "id,mass,x,y,z,vx,vy,vz,radius", then one row per body in file order, id
// 1..N. Every number is the shortest text that reads back to the same double.
// In code units the numbers are the state's own; in SI units the masses are
// multiplied by mtot (kg), the lengths by lunit (m) and the velocities divided
// by vunit (m/s), each with one rounding. Throws std::runtime_error naming
// `path` when it cannot be written.
void write_csv(const statefile::InitialState& state, CsvUnits units, const std::string& path);

// Rows are collected in blocks of this many bytes (and at most one row more)
// before they are written: few writes, bounded memory.
inline constexpr std::size_t kCsvBlock = 1u << 20;

}  // namespace tembrix::inspect
