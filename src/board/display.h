// Putting the complete grid, and then the carved puzzle, onto the 81 cells.
#pragma once

#include "board/game_state.h"

namespace kalmotre {

// Writes `solution` into every cell, black on white; the locks stay as they are.
void showSolution(GameState& game);

// Locks every cell that holds a text as a clue (white, black) and opens every empty one (yellow,
// blue). Returns how many are open.
int presentPuzzle(Board& board);

}  // namespace kalmotre
