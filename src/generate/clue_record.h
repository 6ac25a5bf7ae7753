// The clue record: the puzzle as handed out, kept in `givens` so a restart can bring it back.
#pragma once

#include "board/game_state.h"

namespace kalmotre {

// The board's digits into `givens` (values rounded, 0 for an empty cell), and back onto the cells
// ("" for 0). Writing back goes through the cells' change handling like any write.
void recordGivens(GameState& game);
void restoreGivens(GameState& game);

}  // namespace kalmotre
