// The consistency check of the complete grid.
#include "generate/grid_check.h"

#include <array>

namespace kalmotre {

bool holdsEveryDigitOnce(const Grid& grid, const Unit& unit) {
  std::array<int, 10> tally{};
  for (CellIndex cell : unit) {
    const std::int32_t d = grid[cell];
    if (d < 0 || d > 9) return false;
    ++tally[static_cast<std::size_t>(d)];
  }
  for (int d = 1; d <= 9; ++d) {
    if (tally[static_cast<std::size_t>(d)] != 1) return false;
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
