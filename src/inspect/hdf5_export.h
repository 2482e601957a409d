// The bodies of an initial state as an HDF5 initial-conditions file in the
// layout that N-body codes of the Gadget family and SWIFT read:
//   Header     attributes NumPart_ThisFile, NumPart_Total,
//              NumPart_Total_HighWord (six unsigned 32-bit counts, all bodies
//              of type 1), MassTable (six 0.0: masses are per body), Time 0.0,
//              Redshift 0.0, BoxSize, NumFilesPerSnapshot 1,
//              Flag_Entropy_ICs 0, Dimension 3;
//   PartType1  Coordinates (N x 3), Velocities (N x 3), Masses (N) and
//              Radii (N) as doubles in code units, ParticleIDs (N, unsigned
//              64-bit, 1..N in file order);
//   Units      the code units in cgs: "Unit length in cgs (U_L)" = lunit * 100,
//              "Unit mass in cgs (U_M)" = mtot * 1000, "Unit time in cgs (U_t)"
//              = lunit * vunit (seconds), "Unit current in cgs (U_I)" = 1,
//              "Unit temperature in cgs (U_T)" = 1.
#pragma once

#include <string>

#include "statefile/initial_state.h"

namespace tembrix::inspect {

// Writes `state` to the HDF5 file `path` (created or truncated). BoxSize is
// four times the largest coordinate magnitude: the set is centred on the
// origin, so a box of that side around it holds it with room to spare.
// Throws std::runtime_error naming `path` when the file cannot be written.
void write_hdf5(const statefile::InitialState& state, const std::string& path);

}  // namespace tembrix::inspect
