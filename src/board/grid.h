// A board's digits by cell: the complete grid, the clue record, a puzzle, and the board the
// carving and the solvers work on are all one type.
#pragma once

#include <cstdint>

#include "board/checked_array.h"
#include "board/geometry.h"

namespace kalmotre {

// The digits 1..9 as bits 1..9 of a mask; a unit that holds each once has exactly these set.
inline constexpr std::uint16_t kAllDigitBits = 0x3FE;

// Per cell its digit 1..9, 0 for none: `solution`, `givens`, a puzzle and its solution.
using Grid = CheckedArray<std::int8_t, kCells>;

}  // namespace kalmotre
