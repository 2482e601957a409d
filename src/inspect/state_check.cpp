#include "inspect/state_check.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "inspect/chunked_work.h"

namespace tembrix::inspect {

namespace {

using Vec = std::array<long double, 3>;

long double norm(const Vec& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }
Vec cross(const Vec& a, const Vec& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
long double dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec position(const statefile::StateBodies& b, std::size_t i) { return {b.pos[0][i], b.pos[1][i], b.pos[2][i]}; }
Vec velocity(const statefile::StateBodies& b, std::size_t i) { return {b.vel[0][i], b.vel[1][i], b.vel[2][i]}; }

// The sums over all bodies: mass, mass moments, momentum, angular momentum,
// the second moments of the mass, and the sums of magnitudes that give each a
// scale against which rounding is judged.
struct Totals {
  long double mass = 0, abs_mass = 0;
  Vec moment{}, momentum{}, angular{};
  long double moment_scale = 0, momentum_scale = 0, angular_scale = 0;
  std::array<long double, 6> second{};  // xx, yy, zz, xy, xz, yz

  void add(const Totals& t) {
    mass += t.mass;
    abs_mass += t.abs_mass;
    for (int c = 0; c < 3; ++c) {
      moment[c] += t.moment[c];
      momentum[c] += t.momentum[c];
      angular[c] += t.angular[c];
    }
    moment_scale += t.moment_scale;
    momentum_scale += t.momentum_scale;
    angular_scale += t.angular_scale;
    for (int c = 0; c < 6; ++c) second[c] += t.second[c];
  }
};

Totals totals_of(const statefile::StateBodies& b, std::size_t first, std::size_t last) {
  Totals t;
  for (std::size_t i = first; i < last; ++i) {
    const long double m = b.mass[i];
    const Vec r = position(b, i);
    const Vec v = velocity(b, i);
    const Vec l = cross(r, v);
    t.mass += m;
    t.abs_mass += std::fabs(m);
    for (int c = 0; c < 3; ++c) {
      t.moment[c] += m * r[c];
      t.momentum[c] += m * v[c];
      t.angular[c] += m * l[c];
    }
    t.moment_scale += std::fabs(m) * norm(r);
    t.momentum_scale += std::fabs(m) * norm(v);
    t.angular_scale += std::fabs(m) * norm(l);
    t.second[0] += m * r[0] * r[0];
    t.second[1] += m * r[1] * r[1];
    t.second[2] += m * r[2] * r[2];
    t.second[3] += m * r[0] * r[1];
    t.second[4] += m * r[0] * r[2];
    t.second[5] += m * r[1] * r[2];
  }
  return t;
}

// The worst deviation of a per-body check and its body (0-based); the first
// body wins a tie, so the result does not depend on the chunking. A NaN (from
// a body at another's very position) is the worst of all, the first one kept.
struct Worst {
  long double value = 0;
  std::size_t at = 0;
  bool any = false;
  void take(long double v, std::size_t i) {
    if (!any || v > value || std::isnan(v)) {
      if (any && std::isnan(value)) return;
      value = v;
      at = i;
      any = true;
    }
  }
  void merge(const Worst& w) {
    if (w.any) take(w.value, w.at);
  }
};

std::size_t chunks_of(std::size_t n, std::size_t size) { return (n + size - 1) / size; }

CheckLine line(const std::string& name, long double worst, const std::string& where, double tolerance) {
  const double w = static_cast<double>(worst);
  return {name, w, where, w <= tolerance};  // a NaN never holds
}

// Pull on body f of all others, summed over bodies [first, last) but f: each
// term in double, the sum in long double. The terms of a short run of bodies
// are formed first, in a loop the compiler turns into vector instructions,
// and then added one at a time in body order. A body of zero mass adds zero;
// one at f's very position adds an infinity or NaN, which fails the check.
Vec pull_on(const statefile::StateBodies& b, std::size_t f, std::size_t first, std::size_t last) {
  constexpr std::size_t kRun = 256;  // terms formed at a time: a few kilobytes, kept in the L1 cache
  const double fx = b.pos[0][f], fy = b.pos[1][f], fz = b.pos[2][f];
  const double* m = b.mass.data();
  const double* x = b.pos[0].data();
  const double* y = b.pos[1].data();
  const double* z = b.pos[2].data();
  long double ax = 0, ay = 0, az = 0;
  double tx[kRun], ty[kRun], tz[kRun];
  const auto add_run = [&](std::size_t from, std::size_t to) {
    for (std::size_t start = from; start < to; start += kRun) {
      const std::size_t count = std::min(kRun, to - start);
      for (std::size_t k = 0; k < count; ++k) {
        const std::size_t j = start + k;
        const double dx = x[j] - fx, dy = y[j] - fy, dz = z[j] - fz;
        const double d2 = dx * dx + dy * dy + dz * dz;
        const double s = m[j] / (d2 * std::sqrt(d2));
        tx[k] = s * dx;
        ty[k] = s * dy;
        tz[k] = s * dz;
      }
      for (std::size_t k = 0; k < count; ++k) {
        ax += tx[k];
        ay += ty[k];
        az += tz[k];
      }
    }
  };
  if (f >= first && f < last) {
    add_run(first, f);
    add_run(f + 1, last);
  } else {
    add_run(first, last);
  }
  return {ax, ay, az};
}

}  // namespace

bool CheckResult::holds() const {
  return std::all_of(checks.begin(), checks.end(), [](const CheckLine& c) { return c.holds; });
}

CheckResult check_state(const statefile::InitialState& state, const std::vector<statefile::RingRow>& rings,
                        const CheckOptions& options) {
  const statefile::StateBodies& b = state.bodies;
  const std::size_t n = b.size();
  const double tol = options.tolerance;
  const double mtot = state.trailer.mtot;
  const double lunit = state.trailer.lunit;
  if (rings.empty() || n < 2 || (n - 1) % rings.size() != 0) {
    throw std::invalid_argument("the ring table's " + std::to_string(rings.size()) +
                                " rings do not divide the state's " + std::to_string(n > 0 ? n - 1 : 0) +
                                " circle bodies");
  }
  if (!(mtot > 0.0) || !(lunit > 0.0)) {
    throw std::invalid_argument("the trailer's mass and length units must be positive to compare with the ring table");
  }
  CheckResult result;
  result.rings = rings.size();
  result.bodies_per_ring = (n - 1) / rings.size();
  const std::size_t nbc = result.bodies_per_ring;

  // Totals over all bodies.
  const std::size_t body_chunks = chunks_of(n, kBodyChunk);
  std::vector<Totals> partial(body_chunks);
  run_chunks(body_chunks, options.threads, [&](std::size_t c) {
    partial[c] = totals_of(b, c * kBodyChunk, std::min(n, (c + 1) * kBodyChunk));
  });
  Totals t;
  for (const Totals& p : partial) t.add(p);

  // The rotation: axis along L, rate |L| / I about that axis. A planar set
  // rotating rigidly about its normal has L = I * omega exactly along it.
  const long double lnorm = norm(t.angular);
  Vec axis{0, 0, 1};
  if (lnorm > 0) axis = {t.angular[0] / lnorm, t.angular[1] / lnorm, t.angular[2] / lnorm};
  const auto& s = t.second;
  const long double trace = s[0] + s[1] + s[2];
  const long double along = axis[0] * axis[0] * s[0] + axis[1] * axis[1] * s[1] + axis[2] * axis[2] * s[2] +
                            2 * (axis[0] * axis[1] * s[3] + axis[0] * axis[2] * s[4] + axis[1] * axis[2] * s[5]);
  const long double inertia = trace - along;
  const long double rate = inertia > 0 ? lnorm / inertia : 0;
  const Vec omega{rate * axis[0], rate * axis[1], rate * axis[2]};
  result.axis = {static_cast<double>(axis[0]), static_cast<double>(axis[1]), static_cast<double>(axis[2])};
  result.rate = static_cast<double>(rate);

  // The rings' centre.
  const Vec centre = b.mass[0] != 0.0 ? position(b, 0) : Vec{0, 0, 0};
  // Ring k's radius and body mass in code units, from the table.
  std::vector<long double> ring_radius(rings.size()), ring_mass(rings.size());
  long double smallest = 0;
  for (std::size_t k = 0; k < rings.size(); ++k) {
    ring_radius[k] = static_cast<long double>(rings[k].radius) / lunit;
    ring_mass[k] = static_cast<long double>(rings[k].body_mass) / mtot;
    const long double r = std::fabs(ring_radius[k]);
    if (k == 0 || r < smallest) smallest = r;
  }

  // Per body: rigid rotation, and the ring's mass and radius.
  struct BodyWorst {
    Worst rigid, plane, mass, radius;
  };
  std::vector<BodyWorst> worst(body_chunks);
  run_chunks(body_chunks, options.threads, [&](std::size_t c) {
    BodyWorst& w = worst[c];
    for (std::size_t i = c * kBodyChunk; i < std::min(n, (c + 1) * kBodyChunk); ++i) {
      const Vec r = position(b, i);
      const Vec v = velocity(b, i);
      const Vec expected = cross(omega, r);
      const Vec miss{v[0] - expected[0], v[1] - expected[1], v[2] - expected[2]};
      // Judged against the speed at the body's distance, but never a distance
      // below the innermost ring, so the central body's rounding-sized motion
      // is measured on the rings' scale.
      const long double speed = rate * std::max(norm(r), smallest);
      w.rigid.take(speed > 0 ? norm(miss) / speed : norm(miss), i);
      if (i == 0) continue;
      const std::size_t k = (i - 1) / nbc;
      const long double m = ring_mass[k];
      w.mass.take(m != 0 ? std::fabs(b.mass[i] - m) / std::fabs(m) : std::fabs(b.mass[i]), i);
      const Vec d{r[0] - centre[0], r[1] - centre[1], r[2] - centre[2]};
      // Height above the ring plane: a body moved along the axis keeps its
      // rigid-rotation velocity and its distance to first order.
      w.plane.take(std::fabs(dot(d, axis)) / std::max(norm(d), smallest), i);
      const long double rr = ring_radius[k];
      w.radius.take(rr != 0 ? std::fabs(norm(d) - rr) / std::fabs(rr) : norm(d), i);
    }
  });
  BodyWorst all;
  for (const BodyWorst& w : worst) {
    all.rigid.merge(w.rigid);
    all.plane.merge(w.plane);
    all.mass.merge(w.mass);
    all.radius.merge(w.radius);
  }

  // Radial balance of every ring's first body: the pull of all other bodies,
  // split into rings x chunks of bodies and summed per ring in chunk order.
  const std::size_t ring_count = rings.size();
  std::vector<Vec> pulls(ring_count * body_chunks);
  run_chunks(ring_count * body_chunks, options.threads, [&](std::size_t item) {
    const std::size_t k = item / body_chunks;
    const std::size_t c = item % body_chunks;
    pulls[item] = pull_on(b, 1 + k * nbc, c * kBodyChunk, std::min(n, (c + 1) * kBodyChunk));
  });
  Worst balance;
  result.balance.resize(ring_count);
  for (std::size_t k = 0; k < ring_count; ++k) {
    Vec a{0, 0, 0};
    for (std::size_t c = 0; c < body_chunks; ++c) {
      for (int q = 0; q < 3; ++q) a[q] += pulls[k * body_chunks + c][q];
    }
    const std::size_t f = 1 + k * nbc;
    const Vec r = position(b, f);
    Vec d{r[0] - centre[0], r[1] - centre[1], r[2] - centre[2]};
    // Distance from the axis through the centre: the radius of the body's circle.
    const long double h = dot(d, axis);
    const Vec radial{d[0] - h * axis[0], d[1] - h * axis[1], d[2] - h * axis[2]};
    const long double radius = norm(radial);
    const long double centripetal = rate * rate * radius;
    const long double inward = radius > 0 ? -dot(a, radial) / radius : 0;
    const long double residual = centripetal != 0 ? (inward - centripetal) / centripetal : inward;
    result.balance[k] = {static_cast<double>(radius), b.mass[f], static_cast<double>(residual)};
    balance.take(std::fabs(residual), k);
  }

  const auto body = [](const Worst& w) { return w.any ? "body " + std::to_string(w.at + 1) : std::string(); };
  const auto within = [&](long double value, long double scale) { return scale > 0 ? value / scale : value; };
  const Vec header_l{state.header.angular_momentum()[0], state.header.angular_momentum()[1],
                     state.header.angular_momentum()[2]};
  const Vec l_miss{t.angular[0] - header_l[0], t.angular[1] - header_l[1], t.angular[2] - header_l[2]};
  result.checks = {
      line("balance", balance.value, "ring " + std::to_string(balance.at + 1), tol),
      line("rigid rotation", all.rigid.value, body(all.rigid), tol),
      line("ring plane", all.plane.value, body(all.plane), tol),
      line("ring masses", all.mass.value, body(all.mass), tol),
      line("ring radii", all.radius.value, body(all.radius), tol),
      line("centre of mass", within(norm(t.moment), t.moment_scale), "", tol),
      line("momentum", within(norm(t.momentum), t.momentum_scale), "", tol),
      line("angular momentum", within(norm(l_miss), t.angular_scale), "", tol),
      line("total mass", std::fabs(t.mass - 1), "", tol),
  };
  return result;
}

}  // namespace tembrix::inspect
