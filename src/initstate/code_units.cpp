#include "initstate/code_units.h"

#include "mathfn/program_math.h"

namespace tembrix {

// Mass unit mtot, time unit 1/tunit s, and the length unit that makes G = 1.
void set_code_units(RunState& state) {
  ReferenceScales& s = state.scales;
  const double mtot = state.mtot;
  state.bodies.omo[1] = state.m0 / mtot;
  // The base is formed first and its cube root taken with the power function,
  // so a negative total mass becomes a domain fault here.
  s.lunit = pmath::pow((mtot * s.grav) / (s.tunit * s.tunit), s.third);
  s.vunit = 1.0 / (s.lunit * s.tunit);
  s.densu = (((state.params.dens * s.lunit) * s.lunit) * s.lunit) / mtot;
}

}  // namespace tembrix
