// The removal trial and the passes that call it.
#include "generate/removal.h"

#include "board/knobs.h"
#include "generate/grid_check.h"
#include "solve/hidden_singles.h"

namespace kalmotre {

namespace {

// Whether digit d is shown anywhere in the block.
bool blockShows(const Carving& carving, int block, int d) {
  for (CellIndex cell : blockCells(block)) {
    if (carving.at(cell) == d) return true;
  }
  return false;
}

// Whether d is shown in both blocks of `blocks` other than `block`.
bool bothOthersShow(const Carving& carving, const std::array<int, 3>& blocks, int block, int d) {
  int count = 0;
  for (int k : blocks) {
    if (k != block && blockShows(carving, k, d)) ++count;
  }
  return count == 2;
}

bool isFull(const Carving& carving, CellIndex a, CellIndex b, CellIndex c) {
  return !carving.isEmpty(a) && !carving.isEmpty(b) && !carving.isEmpty(c);
}

// Tries the first cell of a full line of three that passes the cross-hatch test. Returns whether
// a trial ran, kept or not.
bool tryFirstCrossHatched(Carving& carving, const std::array<CellIndex, 3>& line) {
  if (!isFull(carving, line[0], line[1], line[2])) return false;
  for (CellIndex x : line) {
    if (isCrossHatched(carving, x)) {
      tryRemoveClue(carving, x);
      return true;
    }
  }
  return false;
}

}  // namespace

bool tryRemoveClue(Carving& carving, CellIndex cell) {
  // The solver runs on a record of the board with the cell blanked, so the board itself never
  // sees the solver's writes: putting the board back as it was is simply dropping the record.
  SolverBoard record = SolverBoard::fromDigits(carving.cells);
  record.digit[static_cast<std::size_t>(cell)] = 0;
  record.emptyText.set(cell);
  const bool solved = runHiddenSingles(record, knobs::kTrialCycles);
  // The blank stays only when the solver finished the board.
  if (solved) carving.at(cell) = 0;
  return solved;
}

bool isForcedByPeers(Carving& carving, CellIndex cell) {
  ModuleState& state = carving.state;
  clearTally(state);
  for (CellIndex peer : rowColumnBlockOf(cell)) state.digitTally[carving.at(peer)] = 1;
  return tallyAllOnce(state);
}

void removeForcedClues(Carving& carving) {
  for (int n = 0; n < knobs::kForcedPassDraws; ++n) {
    const CellIndex r = drawBelow(carving.random, kCells);
    if (!carving.isEmpty(r) && isForcedByPeers(carving, r)) tryRemoveClue(carving, r);
  }
  for (CellIndex i = 0; i < kCells; ++i) {
    if (!carving.isEmpty(i) && isForcedByPeers(carving, i)) tryRemoveClue(carving, i);
  }
}

bool isCrossHatched(const Carving& carving, CellIndex cell) {
  const int d = carving.state.solution[cell];
  const int block = blockOf(cell);
  const bool band = bothOthersShow(carving, bandBlocks(block), block, d);
  const bool stack = bothOthersShow(carving, stackBlocks(block), block, d);
  return band || stack;
}

void removeCrossHatchedClues(Carving& carving) {
  for (CellIndex t = 0; t < kCells; t += 3) tryFirstCrossHatched(carving, {t, t + 1, t + 2});
  for (int b = 0; b < 9; ++b) {
    for (int s = 0; s < 3; ++s) {
      const CellIndex top = 9 * b + s;
      if (tryFirstCrossHatched(carving, {top, top + 3, top + 6})) break;
    }
  }
}

void removeRandomClues(Carving& carving) {
  for (int n = 0; n < knobs::kRandomPassDraws; ++n) {
    const CellIndex r = drawBelow(carving.random, kCells);
    if (!carving.isEmpty(r)) tryRemoveClue(carving, r);
  }
}

}  // namespace kalmotre
