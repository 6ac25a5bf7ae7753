// The repaint that runs whenever the focus leaves a cell: base colours, then green units.
#pragma once

#include "board/board.h"

namespace kalmotre {

// Whether the unit's nine values add up to exactly 45: the test behind the green.
bool addsUpTo45(const Board& board, const Unit& unit);

// Clues (locked cells) white on black, the player's cells yellow with blue text, then every
// block, row and column whose nine values add up to exactly 45 green.
void paintValidation(Board& board);

}  // namespace kalmotre
