// The consistency check of the complete grid.
#include "generate/grid_check.h"

namespace kalmotre {

bool holdsEveryDigitOnce(const Grid& grid, const Unit& unit) {
  // Nine cells that set all nine digit bits hold each digit once.
  unsigned seen = 0;
  for (CellIndex cell : unit) {
    const std::int32_t d = grid[cell];
    if (d < 1 || d > 9) return false;
    seen |= 1u << d;
  }
  return seen == kAllDigitBits;
}

bool isValidGrid(const Grid& grid) {
  for (const Unit& unit : kUnits) {
    if (!holdsEveryDigitOnce(grid, unit)) return false;
  }
  return true;
}

std::vector<UnitFault> gridFaults(const Grid& grid) {
  std::vector<UnitFault> faults;
  for (int u = 0; u < static_cast<int>(kUnits.size()); ++u) {
    if (holdsEveryDigitOnce(grid, kUnits[static_cast<std::size_t>(u)])) continue;
    faults.push_back({static_cast<UnitKind>(u / kUnitSize), u % kUnitSize});
  }
  return faults;
}

}  // namespace kalmotre
