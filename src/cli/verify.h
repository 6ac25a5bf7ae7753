// An independent check of a generated puzzle, for kalmotre-gen --verify.
#pragma once

#include <string>
#include <string_view>

namespace kalmotre::cli {

// Both in the one-line form: 81 characters row by row, '.' for an empty cell. Returns what is
// wrong, or an empty text when the solution is a valid grid, every clue agrees with it, it is the
// puzzle's only solution (found by the backtracking search, which shares nothing with the game's
// solver) and the game's hidden-single solver completes the puzzle within a removal trial's
// cycles.
std::string verifyPuzzle(std::string_view puzzle, std::string_view solution);

}  // namespace kalmotre::cli
