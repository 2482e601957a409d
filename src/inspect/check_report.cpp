#include "inspect/check_report.h"

#include <cmath>
#include <cstdio>

namespace tembrix::inspect {

namespace {

template <typename... Args>
std::string format(const char* pattern, Args... args) {
  char buf[256];
  std::snprintf(buf, sizeof buf, pattern, args...);
  return buf;
}

}  // namespace

std::string check_report(const CheckResult& r, const std::string& state_name, const std::string& rings_name,
                         std::size_t bodies, double tolerance) {
  std::string out = "state " + state_name + ": " + std::to_string(bodies) + " bodies, " + std::to_string(r.rings) +
                    (r.rings == 1 ? " ring of " : " rings of ") + std::to_string(r.bodies_per_ring) +
                    (r.bodies_per_ring == 1 ? " body" : " bodies") + " (ring table " + rings_name + ")\n";
  // Components below the printed precision show as 0, not as -0.
  const auto shown = [](double v) { return std::fabs(v) < 5e-10 ? 0.0 : v; };
  out += format("rotation: rate %.9e about the axis (%.9f, %.9f, %.9f)\n", r.rate, shown(r.axis[0]),
                shown(r.axis[1]), shown(r.axis[2]));
  out += format("\n%6s  %15s  %15s  %10s\n", "ring", "radius", "body mass", "residual");
  for (std::size_t k = 0; k < r.balance.size(); ++k) {
    const RingBalance& b = r.balance[k];
    out += format("%6zu  %15.9e  %15.9e  %10.2e\n", k + 1, b.radius, b.body_mass, b.residual);
  }
  out += format("\n  %-16s  %8s  %-13s  within %.1e\n", "check", "worst", "where", tolerance);
  std::string failed;
  for (const CheckLine& c : r.checks) {
    out += format("  %-16s  %8.2e  %-13s  %s\n", c.name.c_str(), c.worst, c.where.c_str(), c.holds ? "yes" : "NO");
    if (!c.holds) failed += (failed.empty() ? "" : ", ") + c.name;
  }
  const CheckLine& balance = r.checks.front();
  out += format("\nworst residual %.2e at %s\n", balance.worst, balance.where.c_str());
  out += failed.empty() ? "all checks hold\n" : "FAILED: " + failed + "\n";
  return out;
}

}  // namespace tembrix::inspect
