// "Computer soll Lösung suchen": the hidden-single solver run on the cells of the board.
#pragma once

#include "board/board.h"

namespace kalmotre {

// Fills every cell that `cycles` rounds of hidden-single search can deduce. Every cell whose text
// was empty turns yellow with blue text, found or not. True when no cell text is left empty. The
// writes go through the board like any other; a caller that wants no change handling holds
// `busy`.
bool solvePuzzle(Board& board, int cycles);

}  // namespace kalmotre
