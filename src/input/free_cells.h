// The free-cell counter "Freie Felder: N".
#pragma once

#include "board/form_state.h"

namespace kalmotre {

// The number of free cells: cells whose value is 0, the empty ones and "0" alike.
int countFreeCells(const Board& board);
// Recounts and writes "Freie Felder: " with the count.
void updateFreeCount(FormState& form);

}  // namespace kalmotre
