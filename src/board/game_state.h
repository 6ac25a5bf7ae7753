// The position of play: the 81 cells, the complete grid they were carved from, the clue record.
#pragma once

#include "board/board.h"
#include "board/grid.h"

namespace kalmotre {

struct GameState {
  Board board;
  Grid solution;  // the complete grid the current puzzle was carved from
  Grid givens;    // the puzzle as handed out, 0 for an open cell
};

// Empties every cell, `solution` and `givens`; the cells turn white on black, their locks stay.
void resetBoard(GameState& game);

}  // namespace kalmotre
