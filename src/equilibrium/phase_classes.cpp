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
  return classes;
}

}  // namespace tembrix
