#include "equilibrium/constants.h"

#include "mathfn/program_math.h"

namespace tembrix {

namespace {

// Self-attraction sum of one circle of nbc equal bodies: the body at angular
// distance j-1 steps contributes 0.25 / sin(((j-1)*pi)/nbc). The terms are
// added one at a time in ascending j from 0.0, although the terms of j and
// nbc+2-j are equal in exact arithmetic: pairing them would change the bits.
double self_attraction_sum(int nbc, double pi) {
  const double count = static_cast<double>(nbc);
  double sring = 0.0;
  for (int j = 2; j <= nbc; ++j) {
    // (j-1)*pi first, then the division: a precomputed pi/nbc rounds differently.
    const double a = (static_cast<double>(j - 1) * pi) / count;
    sring = 0.25 / pmath::sin(a) + sring;
  }
  return sring;
}

}  // namespace

// Sets the fixed constants, the rotation scales of the period, sring, nbtot
// and the counters of the refinement; a zero nbc or period raises a fault flag.
void set_constants(RunState& state) {
  ReferenceScales& s = state.scales;
  const RunParameters& p = state.params;

  s.pi = 3.141592653589793;  // the double nearest to pi
  s.twopi = s.pi * 2.0;
  s.grav = 6.67259e-11;       // SI units: radii in metres, masses in kilograms
  s.yeardays = 365.25636042;  // sidereal year in days
  s.daysec = 86400.0;
  s.threehalf = 1.5;
  s.third = 1.0 / 3.0;  // the double nearest to 1/3, exponent of every cube root

  s.dphi = s.twopi / static_cast<double>(p.nbc);
  s.tper = (s.daysec * p.period) * s.yeardays;
  s.omega = s.twopi / s.tper;
  s.omega2 = s.omega * s.omega;

  s.sring = 0.0;
  state.system.resmean = 0.0;  // the only place the residual measure is cleared

  state.nbtot = p.ncirc * p.nbc + 1;  // body 1 is the central body
  state.system.nhist = history_capacity;
  state.system.ihist = 1;
  state.system.ifile = 1;
  state.ibfirst = 1;

  s.sring = self_attraction_sum(p.nbc, s.pi);
}

}  // namespace tembrix
