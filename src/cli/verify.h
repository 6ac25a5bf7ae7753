// An independent check of a generated puzzle, for kalmotre-gen --verify.
#pragma once

#include <string>
#include <string_view>

namespace kalmotre::cli {

// Both in the one-line form: 81 characters row by row, '.' for an empty cell. Returns what is
// wrong, or an empty text when the solution is a valid grid, every clue agrees with it, it is the
// puzzle's only solution (found by a plain backtracking search that shares nothing with the
// game's solver) and the game's hidden-single solver completes the puzzle within 10 cycles.
std::string verifyPuzzle(std::string_view puzzle, std::string_view solution);

// Solutions of a one-line board found by backtracking, counted up to `limit`; the first one found
// is written to `first` when it is not null. A board that breaks a rule already has none.
int countSolutions(std::string_view board, int limit, std::string* first = nullptr);

}  // namespace kalmotre::cli
