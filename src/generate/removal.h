// Carving the puzzle out of the complete grid: the removal trial and the three removal passes.
#pragma once

#include <array>
#include <cstdint>

#include "board/form_state.h"
#include "generate/random_source.h"

namespace kalmotre {

// The board while clues are taken off it: per cell the digit it shows, 0 for an empty text.
// Generation keeps every cell either empty or a single digit, so this is the board exactly; the
// cells are written back once, when carving is done.
struct Carving {
  std::array<std::int8_t, kCells> cells{};
  ModuleState& state;  // `solution` for the cross-hatch test, `digitTally` for the forcing test
  RandomSource& random;

  std::int8_t& at(CellIndex cell) {
    assert(isCell(cell) && "cell index out of range");
    return cells[static_cast<std::size_t>(cell)];
  }
  std::int8_t at(CellIndex cell) const {
    assert(isCell(cell) && "cell index out of range");
    return cells[static_cast<std::size_t>(cell)];
  }
  bool isEmpty(CellIndex cell) const { return at(cell) == 0; }
};

// Blanks the cell and keeps the blank only when the solver, given its trial cycles, still
// completes the board. Returns whether the removal stayed.
bool tryRemoveClue(Carving& carving, CellIndex cell);

// True when the cell's row, column and block together show all nine digits.
bool isForcedByPeers(Carving& carving, CellIndex cell);
// Random cells, then a sweep over all cells: each forced clue gets a removal trial.
void removeForcedClues(Carving& carving);

// True when the cell's digit (from `solution`) is shown in both other blocks of its band, or in
// both other blocks of its stack.
bool isCrossHatched(const Carving& carving, CellIndex cell);
// At most one trial per full mini-row, then at most one per block over its full mini-columns.
void removeCrossHatchedClues(Carving& carving);

// The hard pass: random cells, each filled one gets a removal trial, no placement test.
void removeRandomClues(Carving& carving);

}  // namespace kalmotre
