// "Computer soll Lösung suchen": the hidden-single solver run on the cells of the board.
#pragma once

#include "board/form_state.h"

namespace kalmotre {

// Fills every cell that `cycles` rounds of hidden-single search can deduce. Every cell whose text
// was empty turns yellow with blue text, found or not; `candidates` and `excluded` keep the last
// cycle's tables. True when no cell text is left empty. The caller holds `busy`, so the writes
// raise no change handling.
bool solvePuzzle(FormState& form, int cycles);

}  // namespace kalmotre
