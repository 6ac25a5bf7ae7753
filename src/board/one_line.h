// Boards in the common one-line form: 81 characters row by row, '.' for an empty cell.
#pragma once

#include <string>

#include "board/board.h"
#include "board/form_state.h"

namespace kalmotre {

// Each cell's first character, '.' for an empty text.
std::string oneLine(const Board& board);
// Each cell's digit, '.' for 0.
std::string oneLine(const Grid& grid);

}  // namespace kalmotre
