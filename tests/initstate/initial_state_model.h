// The plain model of the initial state: code units, placement, tilt,
// barycentre and body radii, every per-body table kept apart (in-plane,
// tilted, barycentric, reserved) and every formula followed literally, one
// term at a time. The bytes test of the initial-state file and the plain model
// of a whole run both build their expectations with it.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "mathfn/program_math.h"

namespace tembrix::test {

// What the layout and the equilibrium leave for the initial state. Tables are
// indexed from 1 (entry 0 unused), phi[k][j] for circle k and body j.
struct InitialStateInput {
  int ncirc = 0, nbc = 0;
  double tilt = 0.0, dens = 0.0, m0 = 0.0, mtot = 0.0, tunit = 0.0, omegau = 0.0;
  std::vector<double> cmass, rrel;       // per circle
  double runit = 0.0;                    // rad(1)
  std::vector<std::vector<double>> phi;  // the whole angle table
};

// Every per-body table separately, indexed 1..nbtot, components c = 1..3.
struct InitialStateModel {
  using Vec = std::vector<double>;
  Vec omo, xpl, ypl, zpl, vxpl, vypl, vzpl, radb, zs;
  std::vector<Vec> rtil, vtil, pos, vel, zv1, zv2;
  double rcm[4] = {}, pmom[4] = {}, angm[4] = {}, omax = 0.0;
  double lunit = 0.0, vunit = 0.0, densu = 0.0;
  int nbtot = 0;
  // The first body of negative mass, at which the radii stopped; 0 when every body passed.
  int negative_body = 0;
};

inline InitialStateModel model_initial_state(const InitialStateInput& in) {
  using Vec = InitialStateModel::Vec;
  const double pi = 3.141592653589793, third = 1.0 / 3.0, grav = 6.67259e-11;
  InitialStateModel m;
  m.nbtot = in.ncirc * in.nbc + 1;
  const auto n = static_cast<std::size_t>(m.nbtot) + 1;
  for (Vec* t : {&m.omo, &m.xpl, &m.ypl, &m.zpl, &m.vxpl, &m.vypl, &m.vzpl, &m.radb, &m.zs}) t->assign(n, 0.0);
  for (auto* t : {&m.rtil, &m.vtil, &m.pos, &m.vel, &m.zv1, &m.zv2}) t->assign(n, Vec(4, 0.0));
  const double mtot = in.mtot;

  // Code units.
  m.omo[1] = in.m0 / mtot;
  m.lunit = tembrix::pmath::pow((mtot * grav) / (in.tunit * in.tunit), third);
  m.vunit = 1.0 / (m.lunit * in.tunit);
  m.densu = (((in.dens * m.lunit) * m.lunit) * m.lunit) / mtot;

  // Placement in the ring plane.
  int b = 1;
  for (int k = 1; k <= in.ncirc; ++k) {
    const double rr = (in.rrel[k] * in.runit) / m.lunit;
    for (int j = 1; j <= in.nbc; ++j) {
      const double a = in.phi[k][j];
      ++b;
      m.omo[b] = in.cmass[k] / mtot;
      m.xpl[b] = tembrix::pmath::cos(a) * rr;
      m.ypl[b] = tembrix::pmath::sin(a) * rr;
      m.zpl[b] = 0.0;
      m.vxpl[b] = -((tembrix::pmath::sin(a) * rr) * in.omegau);
      m.vypl[b] = (tembrix::pmath::cos(a) * rr) * in.omegau;
      m.vzpl[b] = 0.0;
    }
  }

  // Tilt about the x axis; the central body stays at the origin at rest.
  for (b = 2; b <= m.nbtot; ++b) {
    m.rtil[b][1] = m.xpl[b];
    m.rtil[b][2] = tembrix::pmath::cos(in.tilt) * m.ypl[b] - tembrix::pmath::sin(in.tilt) * m.zpl[b];
    m.rtil[b][3] = tembrix::pmath::sin(in.tilt) * m.ypl[b] + tembrix::pmath::cos(in.tilt) * m.zpl[b];
    m.vtil[b][1] = m.vxpl[b];
    m.vtil[b][2] = tembrix::pmath::cos(in.tilt) * m.vypl[b] - tembrix::pmath::sin(in.tilt) * m.vzpl[b];
    m.vtil[b][3] = tembrix::pmath::sin(in.tilt) * m.vypl[b] + tembrix::pmath::cos(in.tilt) * m.vzpl[b];
  }

  // Barycentre: bodies in order, components inside; bodies of zero mass left out.
  for (b = 1; b <= m.nbtot; ++b) {
    if (m.omo[b] == 0.0) continue;
    for (int c = 1; c <= 3; ++c) {
      m.rcm[c] = m.rtil[b][c] * m.omo[b] + m.rcm[c];
      m.pmom[c] = m.pmom[c] + m.vtil[b][c] * m.omo[b];
    }
  }
  for (b = 1; b <= m.nbtot; ++b) {
    if (m.omo[b] == 0.0) continue;
    for (int c = 1; c <= 3; ++c) {
      m.pos[b][c] = m.rtil[b][c] - m.rcm[c];
      m.vel[b][c] = m.vtil[b][c] - m.pmom[c];
    }
    const double w = m.omo[b], x = m.pos[b][1], y = m.pos[b][2], z = m.pos[b][3];
    const double vx = m.vel[b][1], vy = m.vel[b][2], vz = m.vel[b][3];
    m.angm[1] = (m.angm[1] - (vy * z) * w) + (vz * y) * w;
    m.angm[2] = ((vx * z) * w + m.angm[2]) - (x * vz) * w;
    m.angm[3] = ((x * vy) * w + m.angm[3]) - (vx * y) * w;
  }
  for (int c = 1; c <= 3; ++c) m.pmom[c] = 0.0;

  // Radii and the mass check, which stops at the first negative mass.
  for (b = 1; b <= m.nbtot; ++b) {
    for (int c = 1; c <= 3; ++c) m.pmom[c] = m.pmom[c] + m.vel[b][c] * m.omo[b];
    const double rad3 = (m.omo[b] * 3.0) / ((pi * m.densu) * 4.0);
    if (rad3 < 0.0) {
      m.negative_body = b;
      return m;
    }
    m.radb[b] = tembrix::pmath::pow(rad3, third);
    if (m.omo[b] >= m.omax) m.omax = m.omo[b];
  }
  return m;
}

}  // namespace tembrix::test
