// The run state: every value and table that the phases of a run share.
// The driver owns one RunState for the whole run. Tables are sized for the
// run by allocate_tables() once the parameters are known; before that every
// integer is 0, every real 0.0 and every name field twelve characters of code 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <cstdint>
#include <vector>

namespace tembrix {

// A fixed 12-character name field, kept with every blank and code 0 it holds.
using NameField = std::array<char, 12>;

// The 17 values of the parameter file, in file order.
struct RunParameters {
  std::int32_t ncirc = 0;
  std::int32_t nbc = 0;
  double drad = 0.0;
  std::int32_t iradf = 0;
  NameField fradii{};
  double omtot = 0.0;
  double fcen = 0.0;
  std::int32_t iphase = 0;
  std::int32_t iphf = 0;
  double period = 0.0;
  double eps = 0.0;
  std::int32_t maxit = 0;
  double tilt = 0.0;
  double dens = 0.0;
  double hval = 0.0;
  NameField fstate{};
  std::int32_t itag = 0;
};

// Constants, rotation scales, reference scales and code units.
struct ReferenceScales {
  double pi = 0.0, twopi = 0.0, grav = 0.0, yeardays = 0.0, daysec = 0.0;
  double zero = 0.0, threehalf = 0.0, third = 0.0;
  double dphi = 0.0, tper = 0.0, omega = 0.0, omega2 = 0.0, sring = 0.0;
  double tunit = 0.0, omegau = 0.0, runit = 0.0, gfac = 0.0;
  double lunit = 0.0, vunit = 0.0, densu = 0.0;
};

// Per-circle tables, indexed 1..ncirc (entry 0 unused), and the angle table
// phi(k, j), stored column by column with leading dimension ncirc.
struct CircleTables {
  int ncirc = 0;
  int nbc = 0;
  std::vector<double> rad, rrel, cmass, xm, dxm;
  std::vector<double> phi_table;

  double& phi(int k, int j) {
    return phi_table[static_cast<std::size_t>(k - 1) +
                     static_cast<std::size_t>(ncirc) * static_cast<std::size_t>(j - 1)];
  }
  double phi(int k, int j) const {
    return phi_table[static_cast<std::size_t>(k - 1) +
                     static_cast<std::size_t>(ncirc) * static_cast<std::size_t>(j - 1)];
  }
};

// Column-by-column matrix of ld rows and ld+1 columns: entry (i, k) is element
// (i-1) + ld*(k-1). The equilibrium system uses ld = ncirc.
struct ColumnMatrix {
  int ld = 0;
  std::vector<double> data;

  void allocate(int rows) {
    ld = rows;
    data.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(rows + 1), 0.0);
  }
  double& operator()(int i, int k) {
    return data[static_cast<std::size_t>(i - 1) +
                static_cast<std::size_t>(ld) * static_cast<std::size_t>(k - 1)];
  }
  double operator()(int i, int k) const {
    return data[static_cast<std::size_t>(i - 1) +
                static_cast<std::size_t>(ld) * static_cast<std::size_t>(k - 1)];
  }
};

inline constexpr int history_capacity = 3000;

// The equilibrium system, its working copy and the refinement's history.
struct EquilibriumSystem {
  ColumnMatrix amat, bmat;
  std::array<double, history_capacity + 1> hist{};  // positions 1..nhist
  int nhist = 0;
  int ihist = 0;
  int ifile = 0;
  double resmean = 0.0;
};

// Per-body tables, indexed 1..nbtot (entry 0 unused). Vectors are stored
// component by component: component c of body b is pos[c-1][b].
// The in-plane and tilted coordinates are formed in pos/vel on the way, and
// the reserved columns of the initial-state file (always 0.0) are not stored.
struct BodyTables {
  std::vector<double> omo, radb;
  std::array<std::vector<double>, 3> pos, vel;
  std::array<double, 3> rcm{}, pmom{}, angm{};
  double omax = 0.0;
};

struct RunState {
  // Fixed file names, each exactly 12 characters.
  NameField fpar{}, frep{}, fring{}, fphin{}, fphout{};

  RunParameters params;
  ReferenceScales scales;
  double m0 = 0.0;
  double mring = 0.0;
  double mtot = 0.0;
  std::int32_t nbtot = 0;
  std::int32_t ibfirst = 0;
  CircleTables circles;
  EquilibriumSystem system;
  BodyTables bodies;

  // Sizes every table for params.ncirc circles of params.nbc bodies
  // (both already checked to lie in 1..1000); entries start at 0 / 0.0.
  void allocate_tables() {
    const auto n = static_cast<std::size_t>(params.ncirc);
    const auto m = static_cast<std::size_t>(params.nbc);
    circles.ncirc = params.ncirc;
    circles.nbc = params.nbc;
    for (auto* table : {&circles.rad, &circles.rrel, &circles.cmass, &circles.xm, &circles.dxm}) {
      table->assign(n + 1, 0.0);
    }
    circles.phi_table.assign(n * m, 0.0);
    system.amat.allocate(params.ncirc);
    system.bmat.allocate(params.ncirc);
    const std::size_t count = n * m + 2;  // bodies 1..nbtot, entry 0 unused
    bodies.omo.assign(count, 0.0);
    bodies.radb.assign(count, 0.0);
    for (int c = 0; c < 3; ++c) {
      bodies.pos[c].assign(count, 0.0);
      bodies.vel[c].assign(count, 0.0);
    }
  }
};

// Sets the five fixed file names of a run, each exactly 12 characters.
inline void set_fixed_names(RunState& state) {
  std::memcpy(state.fpar.data(), "Tembrix2.dat", 12);
  std::memcpy(state.frep.data(), "ErTembri.dat", 12);
  std::memcpy(state.fring.data(), "QxNcRMEr.dat", 12);
  std::memcpy(state.fphin.data(), "QxStrfi0.dat", 12);
  std::memcpy(state.fphout.data(), "QxStrfi1.dat", 12);
}

// Largest table sizes of the data model.
inline constexpr int max_circles = 1000;
inline constexpr int max_bodies_per_circle = 1000;

}  // namespace tembrix

namespace tembrix {

// Unit numbers of the files of a run (the blank-name prompt shows them).
inline constexpr int unit_parameters = 1;
inline constexpr int unit_radii = 2;
inline constexpr int unit_history = 2;
inline constexpr int unit_report = 3;
inline constexpr int unit_ring_table = 4;
inline constexpr int unit_state = 5;
inline constexpr int unit_phase_in = 6;
inline constexpr int unit_phase_out = 7;

}  // namespace tembrix
