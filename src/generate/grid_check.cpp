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

std::vector<std::string> gridFaults(const Grid& grid) {
  std::vector<std::string> faults;
  auto check = [&](const char* kind, int k, const Unit& unit) {
    if (!holdsEveryDigitOnce(grid, unit)) {
      faults.push_back(std::string(kind) + " " + std::to_string(k) + " fehlerhaft!");
    }
  };
  for (int b = 0; b < 9; ++b) check("Block", b, blockCells(b));
  for (int r = 0; r < 9; ++r) check("Zeile", r, rowCells(r));
  for (int c = 0; c < 9; ++c) check("Spalte", c, columnCells(c));
  return faults;
}

}  // namespace kalmotre
