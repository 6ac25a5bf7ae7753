// "Erzeuge neues Sodoku": a new puzzle from seed to presentation.
#pragma once

#include "board/form_state.h"
#include "generate/fast_removal.h"
#include "generate/random_source.h"

namespace kalmotre {

// Seeds from the clock, builds and shuffles the grid, shows and checks it, covers the board and
// yields to the window once, carves the clues at the chosen level and presents the puzzle. On
// return `givens` holds exactly the puzzle handed out. Both engines make the same puzzle.
void generatePuzzle(FormState& form, FormView& view, RandomSource& random, Clock& clock,
                    CarvingEngine engine = CarvingEngine::kFast);

}  // namespace kalmotre
