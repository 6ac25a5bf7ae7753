// The three removal passes that carve a puzzle out of the complete grid, written once. How a
// single removal is tried is left to a trials policy: the literal one solves every trial in
// full, the fast one skips what cannot change the outcome. Both walk the same cells in the same
// order with the same draws, because this walk is the only one there is.
//
// A trials policy offers, on the board as the earlier trials have left it:
//   bool isEmpty(CellIndex) const;
//   bool isFilledAndForced(CellIndex);  // filled, and its row, column and block show all nine
//   bool isCrossHatched(CellIndex) const;  // its digit shows in both other blocks of its band,
//                                          // or in both other blocks of its stack
//   bool tryRemoveClue(CellIndex);  // blanks the cell; the blank stays when the solver, given
//                                   // its trial cycles, still completes the board
#pragma once

#include <array>
#include <cstdint>

#include "board/geometry.h"
#include "generate/level.h"
#include "generate/random_source.h"
#include "knobs/knobs.h"

namespace kalmotre {

// A pass draws its cells whatever its trials decide, so they are all drawn up front, in bulk.
template <int kCount>
struct DrawnCells {
  explicit DrawnCells(RandomSource& random) {
    std::array<double, kCount> numbers;
    random.nextMany(numbers.data(), kCount);
    for (int k = 0; k < kCount; ++k) {
      cells[static_cast<std::size_t>(k)] =
          static_cast<std::uint8_t>(scaleBelow(numbers[static_cast<std::size_t>(k)], kCells));
    }
  }
  std::array<std::uint8_t, kCount> cells;
};

// Random cells, then a sweep over all cells: each forced clue gets a removal trial.
template <typename Trials>
void removeForcedClues(Trials& trials, RandomSource& random) {
  const DrawnCells<knobs::kForcedPassDraws> drawn(random);
  for (const std::uint8_t cell : drawn.cells) {
    if (trials.isFilledAndForced(cell)) trials.tryRemoveClue(cell);
  }
  for (CellIndex i = 0; i < kCells; ++i) {
    if (trials.isFilledAndForced(i)) trials.tryRemoveClue(i);
  }
}

// Tries the first cell of a full mini-row or mini-column that passes the cross-hatch test.
// Returns whether a trial ran, kept or not.
template <typename Trials>
bool tryFirstCrossHatched(Trials& trials, const MiniLine& line) {
  for (CellIndex x : line) {
    if (trials.isEmpty(x)) return false;
  }
  for (CellIndex x : line) {
    if (trials.isCrossHatched(x)) {
      trials.tryRemoveClue(x);
      return true;
    }
  }
  return false;
}

// At most one trial per full mini-row, then at most one per block over its full mini-columns.
template <typename Trials>
void removeCrossHatchedClues(Trials& trials) {
  for (const MiniLine& line : kMiniRows) tryFirstCrossHatched(trials, line);
  for (const auto& block : kMiniColumns) {
    for (const MiniLine& line : block) {
      if (tryFirstCrossHatched(trials, line)) break;
    }
  }
}

// The hard pass: random cells, each filled one gets a removal trial, no placement test.
template <typename Trials>
void removeRandomClues(Trials& trials, RandomSource& random) {
  const DrawnCells<knobs::kRandomPassDraws> drawn(random);
  for (const std::uint8_t cell : drawn.cells) {
    if (!trials.isEmpty(cell)) trials.tryRemoveClue(cell);
  }
}

// The passes the level names, in their order.
template <typename Trials>
void runRemovalPasses(Trials& trials, const LevelInfo& level, RandomSource& random) {
  if (level.forcedPass) removeForcedClues(trials, random);
  if (level.crossHatchedPass) removeCrossHatchedClues(trials);
  if (level.randomPass) removeRandomClues(trials, random);
}

}  // namespace kalmotre
