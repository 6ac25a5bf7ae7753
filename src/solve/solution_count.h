// Counting a board's solutions: the judge that the generator's puzzles are checked against and
// that kalmotre-gen --solve and --count-solutions use on other people's puzzles. It shares nothing
// with the hidden-single search, so a fault there cannot hide itself by also being in the judge.
#pragma once

#include "board/grid.h"

namespace kalmotre {

// Solutions of the board (0 for an empty cell, 1..9 for a clue), counted up to `limit`; the first
// one found is written to `first` when it is not null. A board with a value outside 0..9 or two
// equal digits in a unit already has none.
int countSolutions(const Grid& board, int limit, Grid* first = nullptr);

}  // namespace kalmotre
