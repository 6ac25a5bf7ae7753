// The hidden-single search once more, laid out for the generator's removal trials: the same
// cycles, the same finds and the same fills as runHiddenSingles on a board that agrees with a
// valid grid, in a fraction of the time.
#pragma once

#include <array>
#include <cstdint>

#include "board/grid.h"
#include "solve/hidden_singles.h"

namespace kalmotre {

// Where the trial solver keeps a cell: its units, its word `slot` and its bits from `shift`.
struct TrialPlace {
  std::uint8_t row, column, block, shift, slot;
};

inline constexpr std::array<TrialPlace, kCells> kTrialPlaces = [] {
  std::array<TrialPlace, kCells> places{};
  for (CellIndex c = 0; c < kCells; ++c) {
    const int row = rowOf(c), column = columnOf(c);
    places[static_cast<std::size_t>(c)] = {
        static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(column),
        static_cast<std::uint8_t>(blockOf(c)), static_cast<std::uint8_t>(16 * (column % 3)),
        static_cast<std::uint8_t>(2 * (9 * (row / 6) + 3 * (row % 3) + column / 3) + row / 3 % 2)};
  }
  return places;
}();

constexpr const TrialPlace& trialPlaceOf(CellIndex cell) {
  return kTrialPlaces[static_cast<std::size_t>(cell)];
}

// The trial solver for a board that agrees with a valid grid, as the carving keeps it: a cell is
// open exactly when its text is empty, and only the grid's digits are ever found. That makes a
// hidden single simple: where a unit lacks digit d, the grid's cell for d is open and can take d,
// so d is a single of the unit exactly when no other open cell of the unit can take d. A cycle
// therefore only gathers, per unit, the digits its open cells could take other than their own
// grid digit ("stray" digits); a cell is filled when its grid digit is stray in none of its units.
// The whole state is which cells are open: a unit's digits are those of its filled cells.
//
// Layout: a row's three cells inside one block share a 64-bit word, 16 bits a cell; the words go
// two to a 128-bit pair, so that SSE2 treats two at once. Pair 3 * i + s holds row i of the stack s
// blocks of band 0 (low half) and band 1 (high half); pair 9 + 3 * i + s holds row i of band 2's
// block in stack s (high half unused). Rows and blocks then gather within a pair's halves, and
// columns across the pairs of a stack.
class GridTrialSolver {
 public:
  static constexpr int kPairs = 18;
  using Words = std::array<std::uint64_t, 2 * kPairs>;

  // The grid's digits in the solver's layout, shared by the carved board and its trials.
  struct GridBits {
    explicit GridBits(const Grid& complete);  // a complete valid grid
    alignas(16) Words digitBits{};            // per lane the bit of the cell's digit
  };

  // The complete grid, every cell filled. `grid` must outlive the solver and its copies.
  explicit GridTrialSolver(const GridBits& grid) : grid_(&grid) {}

  // Empties a cell and opens it.
  void blank(CellIndex cell) {
    open_[slotOf(cell)] |= std::uint64_t{kAllDigitBits} << trialPlaceOf(cell).shift;
    complete_ = false;
  }

  // One cycle of search-then-fill, the same finds and fills as runHiddenSingles on this board.
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

  const GridBits* grid_;
  alignas(16) Words open_{};  // all nine digit bits in the lane of an open cell
  bool complete_ = true;
};

static_assert(HiddenSingleEngine<GridTrialSolver>);

}  // namespace kalmotre
