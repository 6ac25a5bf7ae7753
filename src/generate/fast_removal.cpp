// The fast carving. While every clue agrees with one valid grid, the hidden-single search only
// ever writes that grid's digits, and the cells it fills within k cycles can only grow when clues
// are added. Carving only takes clues away, which gives two shortcuts:
// - a cell whose trial failed fails again on every later board, so it is not solved again;
// - once the trial has filled the emptied cell again, after t cycles, the board is back to a
//   superset of the board before the trial; when that board needed at most 10 - t cycles, the
//   trial completes within its 10 and the rest of the run can be skipped. For t = 1 that is seen
//   on the board itself, without running the search at all.
#include "generate/fast_removal.h"

#include <exception>

#include "board/knobs.h"
#include "solve/trial_solver.h"

namespace kalmotre {

namespace {

constexpr int kTrialCycles = knobs::kTrialCycles;  // as tryRemoveClue gives the solver

bool isCompleteValidGrid(const Carving& carving) {
  for (CellIndex i = 0; i < kCells; ++i) {
    const std::int32_t d = carving.state.solution[i];
    if (d < 1 || d > 9 || carving.at(i) != d) return false;
  }
  for (const Unit& unit : kUnits) {
    unsigned bits = 0;
    for (CellIndex cell : unit) bits |= 1u << carving.at(cell);
    if (bits != kAllDigitBits) return false;
  }
  return true;
}

// A pass draws its cells whatever its trials decide, so they are all drawn up front, in bulk.
// Should the source run out, the cells drawn until then are worked off before the failure is
// passed on, as the pass would have done.
template <int kCount>
struct DrawnCells {
  explicit DrawnCells(RandomSource& random) {
    std::array<double, kCount> numbers;
    const long long before = random.drawCount();
    try {
      random.nextMany(numbers.data(), kCount);
      count = kCount;
    } catch (...) {
      failure = std::current_exception();
      count = static_cast<int>(random.drawCount() - before - 1);  // the failed draw counts too
    }
    for (int k = 0; k < count; ++k) {
      cells[static_cast<std::size_t>(k)] =
          static_cast<std::uint8_t>(scaleBelow(numbers[static_cast<std::size_t>(k)], kCells));
    }
  }
  std::array<std::uint8_t, kCount> cells;
  int count = 0;
  std::exception_ptr failure;
};

class FastCarver {
  static constexpr std::array<std::uint16_t, 9> allDigits() {
    std::array<std::uint16_t, 9> digits{};
    digits.fill(kAllDigitBits);
    return digits;
  }

 public:
  explicit FastCarver(Carving& carving)
      : carving_(carving), grid_(SolverBoard::fromDigits(carving.cells)), board_(grid_) {}

  void removeForcedClues() {
    ForcingTests tests;
    const DrawnCells<knobs::kForcedPassDraws> drawn(carving_.random);
    for (int n = 0; n < drawn.count; ++n) {
      if (tests.isFilledAndForced(*this, drawn.cells[n])) tryRemoveClue(drawn.cells[n]);
    }
    if (drawn.failure) {
      tests.leaveTally(carving_.state.digitTally);
      std::rethrow_exception(drawn.failure);
    }
    for (CellIndex i = 0; i < kCells; ++i) {
      if (tests.isFilledAndForced(*this, i)) tryRemoveClue(i);
    }
    tests.leaveTally(carving_.state.digitTally);
  }

  void removeCrossHatchedClues() {
    for (CellIndex t = 0; t < kCells; t += 3) tryFirstCrossHatched({t, t + 1, t + 2});
    for (int b = 0; b < 9; ++b) {
      for (int s = 0; s < 3; ++s) {
        const CellIndex top = 9 * b + s;
        if (tryFirstCrossHatched({top, top + 3, top + 6})) break;
      }
    }
  }

  void removeRandomClues() {
    const DrawnCells<knobs::kRandomPassDraws> drawn(carving_.random);
    for (int n = 0; n < drawn.count; ++n) {
      if (!carving_.isEmpty(drawn.cells[n])) tryRemoveClue(drawn.cells[n]);
    }
    if (drawn.failure) std::rethrow_exception(drawn.failure);
  }

 private:
  // The forcing tests of the pass, made only on filled cells, and what the written-out test
  // would have left in `digitTally`: it clears 1..9 and marks each digit it sees, and marks
  // element 0 for an empty cell without ever clearing it. Kept apart from the carver, so that
  // the loop holds it in registers.
  struct ForcingTests {
    // On a board that agrees with a valid grid a unit shows each digit at most once, so it shows
    // all nine exactly when none of its cells is empty. Written without branches: the drawn
    // cells come in no order a processor could predict.
    bool isFilledAndForced(const FastCarver& carver, CellIndex cell) {
      const bool filled = !carver.carving_.isEmpty(cell);
      const TrialPlace& p = trialPlaceOf(cell);
      const std::uint16_t row = carver.rowDigits_[p.row];
      const std::uint16_t column = carver.columnDigits_[p.column];
      const std::uint16_t block = carver.blockDigits_[p.block];
      const auto seen = static_cast<std::uint16_t>(row | column | block);
      last = filled ? seen : last;
      any |= filled;
      sawEmptyCell |= filled & ((row & column & block) != kAllDigitBits);
      return filled & (seen == kAllDigitBits);
    }
    void leaveTally(CheckedArray<std::int32_t, 10>& tally) const {
      if (!any) return;
      for (int d = 1; d <= 9; ++d) tally[d] = (last >> d) & 1;
      if (sawEmptyCell) tally[0] = 1;
    }
    std::uint16_t last = 0;  // the digits the last test saw
    bool any = false;
    bool sawEmptyCell = false;
  };

  // Whether the cell's digit is shown in both other blocks of its band or of its stack.
  bool isCrossHatched(CellIndex cell) const {
    const auto bit = static_cast<std::uint16_t>(1u << carving_.state.solution[cell]);
    const int block = blockOf(cell);
    auto bothOthersShow = [&](const std::array<int, 3>& blocks) {
      for (int k : blocks) {
        if (k != block && (blockDigits_[k] & bit) == 0) return false;
      }
      return true;
    };
    return bothOthersShow(bandBlocks(block)) || bothOthersShow(stackBlocks(block));
  }

  bool tryFirstCrossHatched(const std::array<CellIndex, 3>& line) {
    for (CellIndex x : line) {
      if (carving_.isEmpty(x)) return false;
    }
    for (CellIndex x : line) {
      if (isCrossHatched(x)) {
        tryRemoveClue(x);
        return true;
      }
    }
    return false;
  }

  // Whether, with the cell emptied, some unit of it has no other open cell for its digit: then
  // the first cycle of the trial fills it again.
  bool isFoundAgainAtOnce(CellIndex cell) const {
    const auto bit = static_cast<std::uint16_t>(1u << carving_.state.solution[cell]);
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

  void keepRemoval(CellIndex cell, int cyclesNeeded) {
    board_.blank(cell);
    const TrialPlace& p = trialPlaceOf(cell);
    const auto keep = static_cast<std::uint16_t>(~(1u << carving_.state.solution[cell]));
    rowDigits_[p.row] &= keep;
    columnDigits_[p.column] &= keep;
    blockDigits_[p.block] &= keep;
    carving_.at(cell) = 0;
    cyclesNeeded_ = cyclesNeeded;
  }

  Carving& carving_;
  const GridTrialSolver::Grid grid_;
  GridTrialSolver board_;  // the board as carved so far
  // Per row, column and block the digits the carved board shows.
  std::array<std::uint16_t, 9> rowDigits_ = allDigits(), columnDigits_ = allDigits(),
                               blockDigits_ = allDigits();
  int cyclesNeeded_ = 0;  // at least as many cycles as the search needs to complete board_
  CellMask failed_;       // cells whose trial failed
};

}  // namespace

bool carveCluesFast(Carving& carving, const LevelInfo& level) {
  if (!isCompleteValidGrid(carving)) return false;
  FastCarver carver(carving);
  if (level.forcedPass) carver.removeForcedClues();
  if (level.crossHatchedPass) carver.removeCrossHatchedClues();
  if (level.randomPass) carver.removeRandomClues();
  return true;
}

}  // namespace kalmotre
