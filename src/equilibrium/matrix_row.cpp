#include "equilibrium/matrix_row.h"

#include <algorithm>
#include <cstddef>

#include "mathfn/program_math.h"

namespace tembrix {

namespace {

// Bodies per batch of powers: small enough for the stack, a multiple of the
// four lanes the power takes at once.
constexpr int pull_batch = 64;

// Sum over bodies j = from..nbc of one circle of the inward radial pull
// t = (1 - c) / b^threehalf, c = cos(delta)*rho, b = ((rho*rho) + 1) - (c*2),
// added in ascending j from 0.0. cosines[j] holds cos(delta) of body j. The
// powers of a batch are taken together; the sum still adds one term at a time.
double circle_pull(const double* cosines, double rho, int from, int nbc, double threehalf) {
  double c[pull_batch];
  double b[pull_batch];
  double power[pull_batch];
  double s = 0.0;
  for (int j0 = from; j0 <= nbc; j0 += pull_batch) {
    const int n = std::min(pull_batch, nbc - j0 + 1);
    for (int k = 0; k < n; ++k) {
      c[k] = cosines[j0 + k] * rho;
      b[k] = ((rho * rho) + 1.0) - (c[k] * 2.0);
    }
    pmath::pow_n(b, threehalf, power, n);
    for (int k = 0; k < n; ++k) {
      const double t = (1.0 - c[k]) / power[k];
      s = t + s;
    }
  }
  return s;
}

}  // namespace

void build_matrix_row(const RunState& state, const PhaseClasses& classes, int i, double* cosines, double* row) {
  const CircleTables& c = state.circles;
  const int nbc = state.params.nbc;
  const double threehalf = state.scales.threehalf;
  const double own = c.phi(i, 1);
  const double radius = c.rad[static_cast<std::size_t>(i)];

  for (int cls = 0; cls < classes.count(); ++cls) {
    const int* first = classes.members.data() + classes.start[static_cast<std::size_t>(cls)];
    const int size = classes.start[static_cast<std::size_t>(cls) + 1] - classes.start[static_cast<std::size_t>(cls)];
    // The body's own term is never evaluated (zero distance); when circle i is
    // alone in its class nobody needs the angle difference of body 1 either.
    const int from = (size == 1 && first[0] == i) ? 2 : 1;
    const double* angle = classes.angles_of(cls);
    for (int j = from; j <= nbc; ++j) cosines[j] = pmath::cos(angle[j - 1] - own);
    for (int m = 0; m < size; ++m) {
      const int k = first[m];
      const double rho = c.rad[static_cast<std::size_t>(k)] / radius;  // radii in metres
      row[k] = circle_pull(cosines, rho, k == i ? 2 : 1, nbc, threehalf);
    }
  }

  const double rrel = c.rrel[static_cast<std::size_t>(i)];
  const double q = rrel * rrel;
  row[state.params.ncirc + 1] = ((rrel * state.scales.gfac) * q) - state.params.fcen;
}

}  // namespace tembrix
