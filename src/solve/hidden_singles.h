// The hidden-single search on a compact board: the engine behind "Computer soll Lösung suchen"
// and the test that clue removal asks.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>

#include "board/board.h"
#include "board/grid.h"
#include "solve/cell_mask.h"

namespace kalmotre {

// The board as the search sees it. A cell's digit is the digit its value equals, 0 when the value
// is 0 (open for the search), kOtherValue for any other value (filled, yet no digit). Only cells
// whose text is empty are ever written.
struct SolverBoard {
  static constexpr std::int8_t kOtherValue = -1;
  Grid digit{};
  CellMask emptyText;

  // A board of empty cells and single digits, 0 for an empty cell.
  static SolverBoard fromDigits(const Grid& digits) {
    SolverBoard b;
    b.digit = digits;
    for (CellIndex i = 0; i < kCells; ++i) {
      if (digits[i] == 0) b.emptyText.set(i);
    }
    return b;
  }
};

// A cell's value as a digit the search can use: d when the value equals d (1..9), 0 when the
// value is 0, SolverBoard::kOtherValue otherwise.
int digitClassOf(double value);

// The cells of the board as the search reads them.
SolverBoard solverBoardOf(const Board& board);

// The one signature of a hidden-single engine: cycle() runs one cycle of search-then-fill and
// says whether it filled a cell; complete() says whether no cell is left empty. Each cycle finds,
// for every digit and unit, the unit's only cell still open to the digit; a cell found twice
// keeps the higher digit; all finds of a cycle are written together afterwards. Engines differ
// only in the boards they take: MaskEngine any board, GridTrialSolver (solve/trial_solver.h) a
// board that agrees with a valid grid, on SIMD registers where there are any.
template <typename Engine>
concept HiddenSingleEngine = requires(Engine engine) {
  { engine.cycle() } -> std::same_as<bool>;
  { engine.complete() } -> std::same_as<bool>;
};

// Up to `cycles` cycles. A cycle that fills nothing would repeat itself in every later cycle, so
// the run stops there. Returns whether the board is complete.
template <HiddenSingleEngine Engine>
bool runCycles(Engine& engine, int cycles) {
  for (int cycle = 0; cycle < cycles && !engine.complete(); ++cycle) {
    if (!engine.cycle()) break;
  }
  return engine.complete();
}

// The engine on bit masks, for any board: digits, blanks, wrong entries and odd texts.
class MaskEngine {
 public:
  explicit MaskEngine(SolverBoard& board);
  bool cycle();
  bool complete() const { return board_.emptyText.empty(); }

 private:
  SolverBoard& board_;
  std::array<CellMask, 10> holding_{};  // per digit: the cells whose value equals it
  CellMask openByValue_;
};

// The mask engine's run of up to `cycles` cycles; true when no cell text is left empty.
bool runHiddenSingles(SolverBoard& board, int cycles);

}  // namespace kalmotre
