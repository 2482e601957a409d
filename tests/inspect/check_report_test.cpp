// The text of the check report, for a result given by hand.
#include <gtest/gtest.h>

#include "inspect/check_report.h"

namespace {

using namespace tembrix::inspect;

CheckResult two_rings() {
  CheckResult r;
  r.rings = 2;
  r.bodies_per_ring = 1;
  r.axis = {-1e-12, -0.5, 0.8660254037844386};
  r.rate = 200 * 3.141592653589793;
  r.balance = {{1.0, 0.25, -1.5e-14}, {2.5, 0.125, 3e-13}};
  r.checks = {{"balance", 3e-13, "ring 2", true}, {"rigid rotation", 2e-16, "body 3", true},
              {"ring plane", 3e-16, "body 2", true}, {"ring masses", 0.0, "body 2", true}, {"ring radii", 1e-16, "body 2", true},
              {"centre of mass", 1e-17, "", true}, {"momentum", 0.0, "", true},
              {"angular momentum", 1e-15, "", true}, {"total mass", 2e-16, "", true}};
  return r;
}

TEST(CheckReport, TableAndVerdict) {
  CheckResult r = two_rings();
  const std::string expected_head =
      "state s.dat: 3 bodies, 2 rings of 1 body (ring table QxNcRMEr.dat)\n"
      "rotation: rate 6.283185307e+02 about the axis (0.000000000, -0.500000000, 0.866025404)\n"
      "\n"
      "  ring           radius        body mass    residual\n"
      "     1  1.000000000e+00  2.500000000e-01   -1.50e-14\n"
      "     2  2.500000000e+00  1.250000000e-01    3.00e-13\n"
      "\n"
      "  check                worst  where          within 1.0e-09\n"
      "  balance           3.00e-13  ring 2         yes\n"
      "  rigid rotation    2.00e-16  body 3         yes\n"
      "  ring plane        3.00e-16  body 2         yes\n"
      "  ring masses       0.00e+00  body 2         yes\n"
      "  ring radii        1.00e-16  body 2         yes\n"
      "  centre of mass    1.00e-17                 yes\n"
      "  momentum          0.00e+00                 yes\n"
      "  angular momentum  1.00e-15                 yes\n"
      "  total mass        2.00e-16                 yes\n"
      "\n"
      "worst residual 3.00e-13 at ring 2\n";
  EXPECT_EQ(check_report(r, "s.dat", "QxNcRMEr.dat", 3, 1e-9), expected_head + "all checks hold\n");
  r.checks[1].holds = false;
  r.checks[7].holds = false;
  const std::string failed = check_report(r, "s.dat", "QxNcRMEr.dat", 3, 1e-9);
  EXPECT_NE(failed.find("  rigid rotation    2.00e-16  body 3         NO\n"), std::string::npos) << failed;
  EXPECT_EQ(failed.substr(failed.rfind("worst residual")),
            "worst residual 3.00e-13 at ring 2\nFAILED: rigid rotation, angular momentum\n");
}

}  // namespace
