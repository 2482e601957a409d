// Constants, rotation scales, reference scales and code units of a run.
#pragma once

namespace tembrix {

struct ReferenceScales {
  // Fixed constants, set once by the constants step.
  double pi = 0.0;         // the double nearest to pi
  double twopi = 0.0;      // pi * 2.0
  double grav = 0.0;       // gravitational constant, m^3 / (kg s^2)
  double yeardays = 0.0;   // length of the sidereal year, days
  double daysec = 0.0;     // seconds per day
  double threehalf = 0.0;  // 1.5, exponent of the distance law of the interaction matrix
  double third = 0.0;      // the double nearest to 1/3, exponent of every cube root
  // Rotation scales, from nbc and period.
  double dphi = 0.0;       // angular step between neighbouring bodies of one circle, radians
  double tper = 0.0;       // rotation period, seconds
  double omega = 0.0;      // angular rate of the rigid rotation, radians per second
  double omega2 = 0.0;     // omega squared, 1/s^2
  double sring = 0.0;      // self-attraction sum of one circle, dimensionless
  // Reference scales that make the equilibrium system dimensionless.
  double tunit = 0.0;      // time scale, 1/s: seconds times tunit are code times (one code time is 100 periods)
  double omegau = 0.0;     // angular rate in code units (200 pi up to the last bits)
  double runit = 0.0;      // reference length, metres: the radius of circle 1
  double gfac = 0.0;       // centrifugal over gravitational acceleration at runit, dimensionless
  // Code units of the initial state (G = 1, mass unit mtot).
  double lunit = 0.0;      // code length unit, metres
  double vunit = 0.0;      // 1 / (lunit * tunit): the code velocity of 1 m/s
  double densu = 0.0;      // material density in code units
};

}  // namespace tembrix
