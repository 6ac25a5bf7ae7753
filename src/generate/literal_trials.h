// The trials policy as the removal trial is written: every test reads the board, every trial
// runs the hidden-single search on the whole board for its cycles. The yardstick for the fast
// policy, and the one that carves a board that is not (or no longer) the complete grid.
#pragma once

#include "board/grid.h"
#include "knobs/knobs.h"
#include "solve/hidden_singles.h"

namespace kalmotre {

class LiteralTrials {
 public:
  // `start` is the board when carving begins; `solution` names each cell's digit for the
  // cross-hatch test.
  LiteralTrials(const Grid& solution, const Grid& start) : solution_(solution), cells_(start) {}

  const Grid& cells() const { return cells_; }
  bool isEmpty(CellIndex cell) const { return at(cell) == 0; }

  bool isFilledAndForced(CellIndex cell) const {
    if (isEmpty(cell)) return false;
    unsigned seen = 0;
    for (CellIndex peer : rowColumnBlockOf(cell)) seen |= 1u << at(peer);
    return (seen & kAllDigitBits) == kAllDigitBits;
  }

  bool isCrossHatched(CellIndex cell) const {
    const int d = solution_[cell];
    const int block = blockOf(cell);
    auto bothOthersShow = [&](const std::array<int, 3>& blocks) {
      int count = 0;
      for (int k : blocks) {
        if (k != block && blockShows(k, d)) ++count;
      }
      return count == 2;
    };
    const bool band = bothOthersShow(bandBlocks(block));
    const bool stack = bothOthersShow(stackBlocks(block));
    return band || stack;
  }

  bool tryRemoveClue(CellIndex cell) {
    // The search runs on a copy with the cell blanked, so the board never sees the solver's
    // writes: putting it back as it was is dropping the copy.
    SolverBoard trial = SolverBoard::fromDigits(cells_);
    trial.digit[static_cast<std::size_t>(cell)] = 0;
    trial.emptyText.set(cell);
    const bool solved = runHiddenSingles(trial, knobs::kTrialCycles);
    if (solved) cells_[static_cast<std::size_t>(cell)] = 0;
    return solved;
  }

 private:
  int at(CellIndex cell) const {
    assert(isCell(cell) && "cell index out of range");
    return cells_[static_cast<std::size_t>(cell)];
  }
  bool blockShows(int block, int d) const {
    for (CellIndex cell : blockCells(block)) {
      if (at(cell) == d) return true;
    }
    return false;
  }

  const Grid& solution_;
  Grid cells_;
};

}  // namespace kalmotre
