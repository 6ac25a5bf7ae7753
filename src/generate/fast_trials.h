// The fast trials policy. While every clue agrees with one valid grid, the hidden-single search
// only ever writes that grid's digits, and the cells it fills within k cycles can only grow when
// clues are added. Carving only takes clues away, which gives two shortcuts:
// - a cell whose trial failed fails again on every later board, so it is not solved again;
// - once the trial has filled the emptied cell again, after t cycles, the board is back to a
//   superset of the board before the trial; when that board needed at most 10 - t cycles, the
//   trial completes within its 10 and the rest of the run can be skipped. For t = 1 that is seen
//   on the board itself, without running the search at all.
// The tests and the placement tests read per-unit digit sets instead of the cells.
#pragma once

#include "board/grid.h"
#include "generate/grid_check.h"
#include "knobs/knobs.h"
#include "solve/trial_solver.h"

namespace kalmotre {

class FastTrials {
  static constexpr std::array<std::uint16_t, 9> allDigits() {
    std::array<std::uint16_t, 9> digits{};
    digits.fill(kAllDigitBits);
    return digits;
  }

 public:
  // The complete grid, every cell filled; it must be valid (see applies()).
  explicit FastTrials(const Grid& solution)
      : solution_(solution), cells_(solution), grid_(cells_), board_(grid_) {}

  // Whether the shortcuts hold for carving `start`: it must be the complete grid of `solution`,
  // and that grid valid.
  static bool applies(const Grid& solution, const Grid& start) {
    for (CellIndex i = 0; i < kCells; ++i) {
      if (start[static_cast<std::size_t>(i)] != solution[i]) return false;
    }
    return isValidGrid(solution);
  }

  const Grid& cells() const { return cells_; }
  bool isEmpty(CellIndex cell) const { return cells_[static_cast<std::size_t>(cell)] == 0; }

  // On a board that agrees with a valid grid a unit shows each digit at most once, so it shows
  // all nine exactly when none of its cells is empty. Written without branches: the drawn cells
  // come in no order a processor could predict.
  bool isFilledAndForced(CellIndex cell) const {
    const bool filled = !isEmpty(cell);
    const TrialPlace& p = trialPlaceOf(cell);
    const auto seen = static_cast<std::uint16_t>(rowDigits_[p.row] | columnDigits_[p.column] |
                                                 blockDigits_[p.block]);
    return filled & (seen == kAllDigitBits);
  }

  // Whether the cell's digit is shown in both other blocks of its band or of its stack.
  bool isCrossHatched(CellIndex cell) const {
    const auto bit = static_cast<std::uint16_t>(1u << solution_[cell]);
    const int block = blockOf(cell);
    auto bothOthersShow = [&](const std::array<int, 3>& blocks) {
      for (int k : blocks) {
        if (k != block && (blockDigits_[k] & bit) == 0) return false;
      }
      return true;
    };
    return bothOthersShow(bandBlocks(block)) || bothOthersShow(stackBlocks(block));
  }

  bool tryRemoveClue(CellIndex cell) {
    if (failed_.test(cell)) return false;
    if (cyclesNeeded_ < kTrialCycles && isFoundAgainAtOnce(cell)) {
      keepRemoval(cell, cyclesNeeded_ + 1);
      return true;
    }
    GridTrialSolver trial = board_;
    trial.blank(cell);
    int needed = 0;  // cycles that complete the board without the cell; 0: not within the limit
    for (int t = 1; t <= kTrialCycles; ++t) {
      if (!trial.cycle()) break;
      if (trial.complete()) {
        needed = t;
        break;
      }
      if (!trial.isOpen(cell) && t + cyclesNeeded_ <= kTrialCycles) {
        needed = t + cyclesNeeded_;  // at most that many; the exact count is not worth its cycles
        break;
      }
    }
    if (needed == 0) {
      failed_.set(cell);
      return false;
    }
    keepRemoval(cell, needed);
    return true;
  }

 private:
  // Whether, with the cell emptied, some unit of it has no other open cell for its digit: then
  // the first cycle of the trial fills it again.
  bool isFoundAgainAtOnce(CellIndex cell) const {
    const auto bit = static_cast<std::uint16_t>(1u << solution_[cell]);
    const TrialPlace& at = trialPlaceOf(cell);
    // The units of the cell lose its digit, so only the other units of a peer can close it.
    auto closed = [&](CellIndex peer) {
      if (!board_.isOpen(peer)) return true;
      const TrialPlace& p = trialPlaceOf(peer);
      const std::uint16_t seen = (p.row == at.row ? 0 : rowDigits_[p.row]) |
                                 (p.column == at.column ? 0 : columnDigits_[p.column]) |
                                 (p.block == at.block ? 0 : blockDigits_[p.block]);
      return (seen & bit) != 0;
    };
    auto onlyOpenCell = [&](const Unit& unit) {
      for (CellIndex peer : unit) {
        if (peer != cell && !closed(peer)) return false;
      }
      return true;
    };
    return onlyOpenCell(kUnits[at.block]) || onlyOpenCell(kUnits[9 + at.row]) ||
           onlyOpenCell(kUnits[18 + at.column]);
  }

  void keepRemoval(CellIndex cell, int cyclesNeeded) {
    board_.blank(cell);
    const TrialPlace& p = trialPlaceOf(cell);
    const auto keep = static_cast<std::uint16_t>(~(1u << solution_[cell]));
    rowDigits_[p.row] &= keep;
    columnDigits_[p.column] &= keep;
    blockDigits_[p.block] &= keep;
    cells_[static_cast<std::size_t>(cell)] = 0;
    cyclesNeeded_ = cyclesNeeded;
  }

  static constexpr int kTrialCycles = knobs::kTrialCycles;

  const Grid& solution_;
  Grid cells_;
  const GridTrialSolver::GridBits grid_;
  GridTrialSolver board_;  // the board as carved so far
  // Per row, column and block the digits the carved board shows.
  std::array<std::uint16_t, 9> rowDigits_ = allDigits(), columnDigits_ = allDigits(),
                               blockDigits_ = allDigits();
  int cyclesNeeded_ = 0;  // at least as many cycles as the search needs to complete board_
  CellMask failed_;       // cells whose trial failed
};

}  // namespace kalmotre
