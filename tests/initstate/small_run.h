// Helpers of the initial-state tests: a run state built by hand (no
// equilibrium) and expected record lines.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "model/run_state.h"
#include "textio/real_text.h"

namespace tembrix::test {

// Scales of a run with a period of one sidereal year: one code time unit is
// 100 periods, so the rotation rate in code units is 200 pi.
inline constexpr double test_tper = 31558149.540288;
inline const double test_tunit = 1.0 / (test_tper * 100.0);
inline const double test_omegau = ((3.141592653589793 * 2.0) / test_tper) / test_tunit;

// The chosen inputs of the initial-state phases: what the layout and the equilibrium
// would have left in the run state.
struct SmallCase {
  int ncirc = 1;
  int nbc = 1;
  double tilt = 0.0;
  double dens = 2000.0;
  double m0 = 1.989e30;
  std::vector<double> cmass{3.0e27};       // per circle
  std::vector<double> rad{1.496e11};       // per circle, metres
  std::vector<double> offset{0.0};         // phase offset per circle
  double hval = 0.01;
  int itag = 7;
};

// 30 circles of 40 bodies, radii growing by 1.1 per circle, body masses
// falling off outwards as an equilibrium would give them.
inline SmallCase thirty_by_forty(double tilt) {
  SmallCase c;
  c.ncirc = 30;
  c.nbc = 40;
  c.tilt = tilt;
  c.cmass.clear();
  c.rad.clear();
  c.offset.clear();
  for (int k = 1; k <= c.ncirc; ++k) {
    c.rad.push_back(1.496e11 * (1.0 + 0.1 * (k - 1)));
    c.cmass.push_back(2.0e26 / (1.0 + 0.05 * k));
    c.offset.push_back(k % 2 ? 0.0 : 3.141592653589793 / 40);
  }
  return c;
}

// A run state as the equilibrium phases leave it for the given case.
inline std::unique_ptr<RunState> make_state(const SmallCase& c) {
  auto s = std::make_unique<RunState>();
  set_fixed_names(*s);
  RunParameters& p = s->params;
  p.ncirc = c.ncirc;
  p.nbc = c.nbc;
  p.tilt = c.tilt;
  p.dens = c.dens;
  p.hval = c.hval;
  p.itag = c.itag;
  std::memcpy(p.fstate.data(), "state.dat   ", 12);
  s->allocate_tables();
  ReferenceScales& r = s->scales;
  r.pi = 3.141592653589793;
  r.twopi = r.pi * 2.0;
  r.grav = 6.67259e-11;
  r.third = 1.0 / 3.0;
  r.tunit = test_tunit;
  r.omegau = test_omegau;
  r.dphi = r.twopi / c.nbc;
  s->nbtot = c.ncirc * c.nbc + 1;
  s->ibfirst = 1;
  s->m0 = c.m0;
  s->mtot = c.m0;
  for (int k = 1; k <= c.ncirc; ++k) {
    s->circles.cmass[k] = c.cmass[k - 1];
    s->circles.rad[k] = c.rad[k - 1];
    s->circles.rrel[k] = c.rad[k - 1] / c.rad[0];
    s->mtot = (c.cmass[k - 1] * c.nbc) + s->mtot;
    for (int j = 1; j <= c.nbc; ++j) s->circles.phi(k, j) = c.offset[k - 1] + (j - 1) * r.dphi;
  }
  return s;
}

// One field of an expected line: a real (24 columns) or an integer (11),
// right-aligned after its separating blank.
struct Field {
  std::string text;
  std::size_t width;
};

inline Field R(double v) {
  char buf[32];
  return {std::string(buf, static_cast<std::size_t>(format_real(v, buf))), 24};
}
inline Field I(long v) { return {std::to_string(v), 11}; }

// The expected text of one line of numeric fields, CR LF included.
inline std::string line(std::initializer_list<Field> fields) {
  std::string s;
  for (const Field& f : fields) {
    if (f.text.size() < f.width + 1) s.append(f.width + 1 - f.text.size(), ' ');
    s += f.text;
  }
  return s + "\r\n";
}

}  // namespace tembrix::test
