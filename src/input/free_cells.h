// The free-cell counter behind "Freie Felder: N".
#pragma once

#include "board/board.h"

namespace kalmotre {

// The number of free cells: cells whose value is 0, the empty ones and "0" alike.
int countFreeCells(const Board& board);

}  // namespace kalmotre
