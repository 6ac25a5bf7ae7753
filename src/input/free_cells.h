// The free-cell counter "Freie Felder: N".
#pragma once

#include <string>

#include "board/board.h"

namespace kalmotre {

// The number of free cells: cells whose value is 0, the empty ones and "0" alike.
int countFreeCells(const Board& board);

// "Freie Felder: " followed by the count.
std::string freeCellsCaption(int count);

}  // namespace kalmotre
