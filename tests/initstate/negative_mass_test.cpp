// The negative-mass stop of set_body_radii: report bytes in the report file
// and on the console, nothing else touched; and a zero density as an
// arithmetic fault that comes before any report record.
#include <gtest/gtest.h>

#include <cfenv>
#include <string>

#include "initstate/barycentre.h"
#include "initstate/body_radii.h"
#include "initstate/code_units.h"
#include "initstate/placement.h"
#include "initstate/tilt.h"
#include "small_run.h"
#include "textio/arith_fault.h"
#include "textio/units.h"

namespace tembrix::test {
namespace {

// Two circles of three bodies; circle 2 has a small negative body mass.
SmallCase negative_circle() {
  SmallCase c;
  c.ncirc = 2;
  c.nbc = 3;
  c.cmass = {3.0e27, -1.0e24};
  c.rad = {1.496e11, 2.4e11};
  c.offset = {0.0, 0.5};
  return c;
}

RadiiResult build_and_check(RunState& s) {
  set_code_units(s);
  place_bodies(s);
  tilt_bodies(s);
  move_to_barycentre(s);
  return set_body_radii(s);
}

TEST(NegativeMass, ReportReplacesTheReportFileAndGoesToTheConsole) {
  ScratchDir dir;
  dir.write("ErTembri.dat", "set-up report of this run\r\n");
  dir.write("state.dat", "earlier initial state\r\n");
  const SmallCase c = negative_circle();
  const double omo5 = make_state(c)->circles.cmass[2] / make_state(c)->mtot;
  const RunResult r = run_captured(dir.path(), [&] {
    clear_arithmetic_faults();
    auto s = make_state(c);
    const RadiiResult result = build_and_check(*s);
    close_all_units();
    return result == RadiiResult::negative_mass ? 0 : 2;
  });
  ASSERT_EQ(r.status, 0) << r.err;
  // The 42-character item is split after its 31st character, inside "mass of".
  const std::string first = "*05Qx Computing Error of Programm  Tembrix2 ***  after terminal step the mass o";
  const std::string second = "f body k = " + std::string(10, ' ') + "5 omo(k) = " + line({R(omo5)}).substr(1, 24) +
                             " is negative.";
  EXPECT_EQ(first.size() + 1, 80u);
  EXPECT_EQ(second.size() + 1, 70u);
  EXPECT_EQ(dir.read("ErTembri.dat"), " " + first + "\r\n " + second + "\r\n");
  EXPECT_EQ(r.out, first + "\r\n" + second + "\r\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(dir.read("state.dat"), "earlier initial state\r\n");
}

// With a zero density the first body divides by zero. A negative central
// mass would be reported, but the fault ends the run before its record.
TEST(NegativeMass, ZeroDensityIsAFaultBeforeAnyReportRecord) {
  ScratchDir dir;
  dir.write("ErTembri.dat", "set-up report of this run\r\n");
  SmallCase c = negative_circle();
  c.dens = 0.0;
  c.m0 = -1.0e26;
  const RunResult r = run_captured(dir.path(), [&] {
    clear_arithmetic_faults();
    auto s = make_state(c);
    build_and_check(*s);
    close_all_units();
    return 0;
  });
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("division by zero"), std::string::npos) << r.err;
  EXPECT_EQ(dir.read("ErTembri.dat"), "set-up report of this run\r\n");
}

TEST(NegativeMass, ZeroDensityRaisesDivisionByZeroInTheRadii) {
  SmallCase c = negative_circle();
  c.cmass = {3.0e27, 1.0e24};
  c.dens = 0.0;
  auto s = make_state(c);
  set_code_units(*s);
  place_bodies(*s);
  tilt_bodies(*s);
  move_to_barycentre(*s);
  clear_arithmetic_faults();
  set_body_radii(*s);
  EXPECT_EQ(raised_arithmetic_faults(), FE_DIVBYZERO);
  clear_arithmetic_faults();
}

}  // namespace
}  // namespace tembrix::test
