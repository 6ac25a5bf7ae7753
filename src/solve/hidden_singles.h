// The hidden-single search on a compact board: the engine behind "Computer soll Lösung suchen"
// and the test that clue removal asks.
#pragma once

#include <array>
#include <cstdint>

#include "solve/cell_mask.h"

namespace kalmotre {

// The board as the search sees it. A cell's digit is the digit its value equals, 0 when the value
// is 0 (open for the search), kOtherValue for any other value (filled, yet no digit). Only cells
// whose text is empty are ever written.
struct SolverBoard {
  static constexpr std::int8_t kOtherValue = -1;
  std::array<std::int8_t, kCells> digit{};
  CellMask emptyText;

  // A board of empty cells and single digits, 0 for an empty cell.
  template <typename Digits>
  static SolverBoard fromDigits(const Digits& digits) {
    SolverBoard b;
    for (CellIndex i = 0; i < kCells; ++i) {
      b.digit[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(digits[i]);
      if (digits[i] == 0) b.emptyText.set(i);
    }
    return b;
  }
};

// What a run leaves behind beside the board: the tables of the last cycle.
struct SolverTrace {
  std::array<std::int8_t, kCells> lastFind{};  // per cell the digit of its last find, 0 if none
  CellMask excluded;                           // cells closed to digit 9 in the last cycle
  int cyclesRun = 0;
};

// Runs up to `cycles` cycles of search-then-fill. Each cycle finds, for every digit and unit, the
// unit's only cell still open to the digit; a cell found twice keeps the higher digit; all finds of
// a cycle are written together afterwards. A cycle that fills nothing would repeat itself in every
// later cycle, so the run stops there. Returns true when no cell text is left empty.
bool runHiddenSingles(SolverBoard& board, int cycles, SolverTrace* trace = nullptr);

}  // namespace kalmotre
