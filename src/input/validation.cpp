// Validation colouring. The test is the sum alone: no duplicates check, no look at the solution.
#include "input/validation.h"

#include <array>

namespace kalmotre {

namespace {

// Units in the order they are examined: blocks, rows 0-2, rows 6-8, rows 3-5, columns.
constexpr std::array<int, 27> kExamineOrder = {0,  1,  2,  3,  4,  5,  6,  7,  8,
                                               9,  10, 11, 15, 16, 17, 12, 13, 14,
                                               18, 19, 20, 21, 22, 23, 24, 25, 26};

}  // namespace

// An overflowing or undefined sum simply is not 45.
bool addsUpTo45(const Board& board, const Unit& unit) {
  double sum = 0.0;
  for (CellIndex cell : unit) sum += board.value(cell);
  return sum == 45.0;
}

void paintValidation(Board& board) {
  for (CellIndex i = 0; i < kCells; ++i) {
    board.setLook(i, board.locked(i) ? roles::kClue : roles::kOpenCell);
  }
  for (int u : kExamineOrder) {
    const Unit& unit = kUnits[static_cast<std::size_t>(u)];
    if (!addsUpTo45(board, unit)) continue;
    for (CellIndex cell : unit) board.setBackground(cell, roles::kCompleteUnit);
  }
}

}  // namespace kalmotre
