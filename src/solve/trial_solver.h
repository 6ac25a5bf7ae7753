// The hidden-single search once more, laid out for the generator's removal trials: the same
// cycles, the same finds and the same fills as runHiddenSingles, in a fraction of the time.
#pragma once

#include <array>
#include <cstdint>

#include "solve/hidden_singles.h"

namespace kalmotre {

// Digits as bits 1..9 of a 16-bit mask.
inline constexpr std::uint16_t kAllDigitBits = 0x3FE;

// Keeps per row, column and block the digits it holds, and per cell whether it is open by value
// (its digit is 0). A cell's candidates are then the digits none of its three units holds, and a
// cycle finds hidden singles by counting, per unit, which digits are candidates of exactly one
// cell ("seen once" but not "seen twice"). Three cells of a row inside one block share a 64-bit
// word, 16 bits each, so rows, columns and blocks are counted three cells at a time.
class TrialSolver {
 public:
  explicit TrialSolver(const SolverBoard& board);

  // Empties a cell's text and opens it, as a removal trial does before the search. Only for a
  // cell whose digit no other cell of its row, column and block shows (as on a board that agrees
  // with a valid grid): its units just lose the digit.
  void blankSoleDigit(CellIndex cell);

  // One cycle of search-then-fill, as runHiddenSingles runs it. Returns whether a cell was filled;
  // a cycle that fills nothing would repeat itself in every later cycle.
  bool cycle();

  bool complete() const { return emptyText_.empty(); }
  bool isEmptyText(CellIndex cell) const { return emptyText_.test(cell); }
  std::uint16_t rowDigits(int row) const { return rowDigits_[static_cast<std::size_t>(row)]; }
  std::uint16_t columnDigits(int column) const {
    return columnDigits_[static_cast<std::size_t>(column)];
  }
  std::uint16_t blockDigits(int block) const {
    return blockDigits_[static_cast<std::size_t>(block)];
  }

  SolverBoard board() const;

 private:
  std::array<std::int8_t, kCells> digit_{};
  CellMask emptyText_;
  // Word 3 * row + stack holds the row's three cells in that stack, lane k (bits 16k..16k+15)
  // for column 3 * stack + k: all nine digit bits when the cell is open, else 0.
  std::array<std::uint64_t, 27> open_{};
  std::array<std::uint16_t, 9> rowDigits_{};
  std::array<std::uint16_t, 9> columnDigits_{};
  std::array<std::uint16_t, 9> blockDigits_{};
};

// runHiddenSingles(board, cycles) without a trace, on the trial solver: the same board and the
// same answer.
bool runTrialSolver(SolverBoard& board, int cycles);

}  // namespace kalmotre
