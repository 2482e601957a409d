// Unit numbers of the files of a run (the blank-name prompt shows them).
#pragma once

namespace tembrix {

inline constexpr int unit_parameters = 1;
inline constexpr int unit_radii = 2;
inline constexpr int unit_history = 2;  // never open at the same time as the radii file
inline constexpr int unit_report = 3;
inline constexpr int unit_ring_table = 4;
inline constexpr int unit_state = 5;
inline constexpr int unit_phase_in = 6;
inline constexpr int unit_phase_out = 7;

}  // namespace tembrix
