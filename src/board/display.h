// Putting the complete grid, and then the carved puzzle, onto the 81 cells.
#pragma once

#include "board/form_state.h"

namespace kalmotre {

// Brings up the splash window, then writes `solution` into every cell and help label, white on
// black; the locks stay as they are.
void showSolution(FormState& form, FormView& view);

// Locks every cell that holds a text as a clue (white, black) and opens every empty one (yellow,
// blue), then shows how many are open.
void presentPuzzle(FormState& form);

}  // namespace kalmotre
