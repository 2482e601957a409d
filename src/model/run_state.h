// The run state: every value and table that the phases of a run share.
// The driver owns one RunState for the whole run. Tables are sized for the
// run by allocate_tables() once the parameters are known; before that every
// integer is 0, every real 0.0 and every name field twelve characters of code 0.
#pragma once

#include <cstdint>

#include "model/body_tables.h"
#include "model/circle_tables.h"
#include "model/equilibrium_system.h"
#include "model/file_units.h"
#include "model/name_field.h"
#include "model/reference_scales.h"
#include "model/run_parameters.h"

namespace tembrix {

struct RunState {
  // Fixed file names, each exactly 12 characters.
  NameField fpar{};    // the parameter file
  NameField frep{};    // the report file
  NameField fring{};   // the ring table
  NameField fphin{};   // the phase input file
  NameField fphout{};  // the phase output file

  RunParameters params;          // the values of the parameter file
  ReferenceScales scales;        // constants, rotation and reference scales, code units
  double m0 = 0.0;               // mass of the central body, kg
  double mring = 0.0;            // mass left for the bodies of all circles, kg
  double mtot = 0.0;             // total mass of the equilibrium solution, kg (the code mass unit)
  std::int32_t nbtot = 0;        // number of bodies, ncirc * nbc + 1 (body 1 the central body)
  std::int32_t ibfirst = 0;      // first body of the body loops of the initial-state phases
  CircleTables circles;          // per-circle tables
  EquilibriumSystem system;      // the equilibrium system and the refinement's history
  BodyTables bodies;             // per-body tables

  // Sizes every table for params.ncirc circles of params.nbc bodies
  // (both already checked to lie within the table limits); entries start at 0 / 0.0.
  void allocate_tables();
};

// Sets the five fixed file names of a run, each exactly 12 characters.
void set_fixed_names(RunState& state);

}  // namespace tembrix
