#include "equilibrium/phase_classes.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>

namespace tembrix {

PhaseClasses group_by_phase(const CircleTables& circles, int ncirc) {
  std::vector<std::pair<std::uint64_t, int>> keyed;
  keyed.reserve(static_cast<std::size_t>(ncirc));
  for (int k = 1; k <= ncirc; ++k) keyed.emplace_back(std::bit_cast<std::uint64_t>(circles.phi(k, 1)), k);
  std::sort(keyed.begin(), keyed.end());

  PhaseClasses classes;
  classes.members.reserve(keyed.size());
  for (std::size_t t = 0; t < keyed.size(); ++t) {
    if (t == 0 || keyed[t].first != keyed[t - 1].first) classes.start.push_back(static_cast<int>(t));
    classes.members.push_back(keyed[t].second);
  }
  classes.start.push_back(static_cast<int>(keyed.size()));

  classes.nbc = circles.nbc;
  classes.angles.resize(static_cast<std::size_t>(classes.count()) * static_cast<std::size_t>(circles.nbc));
  for (int c = 0; c < classes.count(); ++c) {
    const int k = classes.members[static_cast<std::size_t>(classes.start[static_cast<std::size_t>(c)])];
    double* row = classes.angles.data() + static_cast<std::size_t>(c) * static_cast<std::size_t>(circles.nbc);
    for (int j = 1; j <= circles.nbc; ++j) row[j - 1] = circles.phi(k, j);
  }
  return classes;
}

}  // namespace tembrix
