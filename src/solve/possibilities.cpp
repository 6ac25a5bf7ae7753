// The possibilities display: works on the cell values alone, never on the candidate table.
#include "solve/possibilities.h"

#include <cmath>

#include "board/value.h"
#include "solve/cell_mask.h"

namespace kalmotre {

void showPossibilities(Board& board, int digit) {
  for (CellIndex i = 0; i < kCells; ++i) {
    board.setBackground(i,
                        board.value(i) == 0.0 ? roles::kReachableEmpty : roles::kReachableFilled);
  }
  if (digit == 0) return;
  // The row, column and block of every cell that shows the digit are out of its reach.
  CellMask outOfReach;
  for (CellIndex i = 0; i < kCells; ++i) {
    if (board.value(i) == digit) outOfReach |= kReachMasks[static_cast<std::size_t>(i)];
  }
  outOfReach.forEach([&](CellIndex cell) {
    board.setBackground(
        cell, board.value(cell) == 0.0 ? roles::kOutOfReachEmpty : roles::kOutOfReachFilled);
  });
}

int chosenDigit(std::string_view text) {
  return roundToInt(numericValue(text));
}

std::string nextChosenDigitText(const std::string& current) {
  // In double, like the rest of the arithmetic on values: no overflow, whatever the text holds.
  const double next = std::nearbyint(numericValue(current) + 1.0);
  const double digit = std::fmod(next, 10.0);
  return std::to_string(roundToInt(std::isfinite(digit) ? digit : 0.0));
}

}  // namespace kalmotre
