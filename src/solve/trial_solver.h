// The hidden-single search once more, laid out for the generator's removal trials: the same
// cycles, the same finds and the same fills as runHiddenSingles, in a fraction of the time.
// TrialSolver takes any board; GridTrialSolver, which the carving runs, only a board that agrees
// with a valid grid, and is faster still.
#pragma once

#include <array>
#include <cstdint>

#include "solve/hidden_singles.h"

namespace kalmotre {

// Digits as bits 1..9 of a 16-bit mask.
inline constexpr std::uint16_t kAllDigitBits = 0x3FE;

// Where the trial solvers keep a cell: its units, word 3 * row + column / 3 (TrialSolver) or
// `slot` (GridTrialSolver), bits from `shift`.
struct TrialPlace {
  std::uint8_t row, column, block, word, shift, slot;
};

inline constexpr std::array<TrialPlace, kCells> kTrialPlaces = [] {
  std::array<TrialPlace, kCells> places{};
  for (CellIndex c = 0; c < kCells; ++c) {
    const int row = rowOf(c), column = columnOf(c);
    places[static_cast<std::size_t>(c)] = {
        static_cast<std::uint8_t>(row),
        static_cast<std::uint8_t>(column),
        static_cast<std::uint8_t>(blockOf(c)),
        static_cast<std::uint8_t>(3 * row + column / 3),
        static_cast<std::uint8_t>(16 * (column % 3)),
        static_cast<std::uint8_t>(2 * (9 * (row / 6) + 3 * (row % 3) + column / 3) + row / 3 % 2)};
  }
  return places;
}();

constexpr const TrialPlace& trialPlaceOf(CellIndex cell) {
  return kTrialPlaces[static_cast<std::size_t>(cell)];
}

// Keeps per row, column and block the digits it holds, and per cell whether it is open by value
// (its digit is 0) and whether its text is empty. A cell's candidates are then the digits none of
// its three units holds, and a cycle finds hidden singles by counting, per unit, which digits are
// candidates of exactly one cell ("seen once" but not "seen twice"). The three cells of a row
// inside one block share a 64-bit word, 16 bits each, so a cycle counts, finds and fills three
// cells at a time and without a branch per cell.
class TrialSolver {
 public:
  // Per word of the layout, the digit bits a cycle wrote into each cell (one bit per lane).
  using Fills = std::array<std::uint64_t, 27>;

  explicit TrialSolver(const SolverBoard& board);

  // Empties a cell's text and opens it, as a removal trial does before the search. Only for a
  // cell showing `digit` where no other cell of its row, column and block shows it (as on a board
  // that agrees with a valid grid): its units just lose the digit.
  void blankSoleDigit(CellIndex cell, int digit);

  // One cycle of search-then-fill, as runHiddenSingles runs it; what it wrote is added to
  // `fills` when given. Returns whether a cell was filled: a cycle that fills nothing would
  // repeat itself in every later cycle.
  bool cycle(Fills* fills = nullptr);

  bool complete() const { return complete_; }
  bool isEmptyText(CellIndex cell) const {
    const TrialPlace& p = trialPlaceOf(cell);
    return ((empty_[p.word] >> p.shift) & 1) != 0;
  }
  std::uint16_t rowDigits(int row) const { return rowDigits_[static_cast<std::size_t>(row)]; }
  std::uint16_t columnDigits(int column) const {
    return columnDigits_[static_cast<std::size_t>(column)];
  }
  std::uint16_t blockDigits(int block) const {
    return blockDigits_[static_cast<std::size_t>(block)];
  }

 private:
  // Word 3 * row + stack holds the row's three cells in that stack, lane k (bits 16k..16k+15)
  // for column 3 * stack + k.
  std::array<std::uint64_t, 27> open_{};   // all nine digit bits in the lane of an open cell
  std::array<std::uint64_t, 27> empty_{};  // all 16 bits in the lane of a cell with empty text
  std::array<std::uint16_t, 9> rowDigits_{};
  std::array<std::uint16_t, 9> columnDigits_{};
  std::array<std::uint16_t, 9> blockDigits_{};
  bool complete_ = false;  // no cell's text is empty
};

// The trial solver for a board that agrees with a valid grid, as the carving keeps it: a cell is
// open exactly when its text is empty, and only the grid's digits are ever found. That makes a
// hidden single simple: where a unit lacks digit d, the grid's cell for d is open and can take d,
// so d is a single of the unit exactly when no other open cell of the unit can take d. A cycle
// therefore only gathers, per unit, the digits its open cells could take other than their own
// grid digit ("stray" digits); a cell is filled when its grid digit is stray in none of its units.
// The whole state is which cells are open: a unit's digits are those of its filled cells.
//
// Layout: the 64-bit words of TrialSolver, two to a 128-bit pair, so that SSE2 treats two at
// once. Pair 3 * i + s holds row i of the stack s blocks of band 0 (low half) and band 1 (high
// half); pair 9 + 3 * i + s holds row i of band 2's block in stack s (high half unused). Rows and
// blocks then gather within a pair's halves, and columns across the pairs of a stack.
class GridTrialSolver {
 public:
  static constexpr int kPairs = 18;
  using Words = std::array<std::uint64_t, 2 * kPairs>;

  // The grid's digits in the solver's layout, shared by the carved board and its trials.
  struct Grid {
    explicit Grid(const SolverBoard& complete);  // a complete valid grid
    alignas(16) Words digitBits{};               // per lane the bit of the cell's digit
  };

  // The complete grid, every cell filled. `grid` must outlive the solver and its copies.
  explicit GridTrialSolver(const Grid& grid) : grid_(&grid) {}

  // Empties a cell and opens it.
  void blank(CellIndex cell) {
    open_[slotOf(cell)] |= std::uint64_t{kAllDigitBits} << trialPlaceOf(cell).shift;
    complete_ = false;
  }

  // One cycle of search-then-fill, the same finds and fills as TrialSolver::cycle on this board.
  // Returns whether a cell was filled.
  bool cycle();
  // The same cycle on plain 64-bit words, which cycle() runs where SSE2 is missing; open to the
  // tests so that they check it on every machine.
  bool cycleOnWords();

  bool complete() const { return complete_; }
  bool isOpen(CellIndex cell) const {
    return ((open_[slotOf(cell)] >> trialPlaceOf(cell).shift) & 0xFFFF) != 0;
  }

 private:
  static constexpr std::size_t slotOf(CellIndex cell) { return trialPlaceOf(cell).slot; }
  template <typename Pair>
  bool cycleWith();

  const Grid* grid_;
  alignas(16) Words open_{};  // all nine digit bits in the lane of an open cell
  bool complete_ = true;
};

// runHiddenSingles(board, cycles) without a trace, on the trial solver: the same board and the
// same answer.
bool runTrialSolver(SolverBoard& board, int cycles);

}  // namespace kalmotre
