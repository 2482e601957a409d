// The values of the parameter file, and the table limits they must respect.
#pragma once

#include <cstdint>

#include "model/name_field.h"

namespace tembrix {

// Largest table sizes of the data model: the run refuses counts above them
// before any table is sized.
inline constexpr int max_circles = 1000;
inline constexpr int max_bodies_per_circle = 1000;

// The 17 values of the parameter file, in file order.
struct RunParameters {
  std::int32_t ncirc = 0;   // number of circles, 1..max_circles
  std::int32_t nbc = 0;     // number of bodies on each circle, 1..max_bodies_per_circle
  double drad = 0.0;        // step factor of computed radii: rad(k) = rad(1) * k * drad, dimensionless
  std::int32_t iradf = 0;   // 1: radii read from the file fradii; otherwise computed
  NameField fradii{};       // name of the radii file
  double omtot = 0.0;       // total mass of the system, kg
  double fcen = 0.0;        // share of omtot held by the central body, dimensionless
  std::int32_t iphase = 0;  // 1: every circle has phase offset 0; otherwise alternating 0 and dphi/2
  std::int32_t iphf = 0;    // 1: phase offsets read from the phase input file; otherwise written out
  double period = 0.0;      // rotation period of the rings, sidereal years
  double eps = 0.0;         // convergence tolerance of the refinement, dimensionless
  std::int32_t maxit = 0;   // iteration limit of the refinement
  double tilt = 0.0;        // tilt of the ring plane about the x axis, radians
  double dens = 0.0;        // material density of the bodies, kg/m^3
  double hval = 0.0;        // value copied into the header of the initial-state file
  NameField fstate{};       // name of the initial-state file
  std::int32_t itag = 0;    // integer copied into the trailer of the initial-state file
};

}  // namespace tembrix
