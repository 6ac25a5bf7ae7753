// The three removal passes again, for speed: the same draws, the same trials in the same order
// and the same board at the end, with every trial that cannot change the outcome left out.
#pragma once

#include "board/level.h"
#include "generate/removal.h"

namespace kalmotre {

// Which carving runs: the passes as written (every trial solved in full), or the fast one.
enum class CarvingEngine { kLiteral, kFast };

// The removal passes the level runs, in one go and
// with the same effects on the board, the draws and `digitTally`. Needs the board to be the
// complete grid of `solution` and that grid to be valid: the shortcuts rest on every clue agreeing
// with one valid grid. Returns false, having changed and drawn nothing, when it is not.
bool carveCluesFast(Carving& carving, const LevelInfo& level);

}  // namespace kalmotre
