// Boards in the common one-line form: 81 characters row by row, '.' for an empty cell.
#pragma once

#include <string>
#include <string_view>

#include "board/board.h"
#include "board/grid.h"

namespace kalmotre {

// Each cell's first character, '.' for an empty text.
std::string oneLine(const Board& board);
// Each cell's digit, '.' for 0 (or anything but 1..9).
std::string oneLine(const Grid& grid);
// The line back as digits, 0 for anything but '1'..'9'; a short line leaves the rest 0.
Grid digitsFromLine(std::string_view line);

}  // namespace kalmotre
