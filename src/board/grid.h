// A board's digits by cell: the complete grid and the clue record, and the
// compact form the carving and the solvers work on.
#pragma once

#include <array>
#include <cstdint>

#include "board/checked_array.h"
#include "board/geometry.h"

namespace kalmotre {

// The digits 1..9 as bits 1..9 of a mask; a unit that holds each once has exactly these set.
inline constexpr std::uint16_t kAllDigitBits = 0x3FE;

// One whole number per cell, 0 for none: `solution` and `givens`.
using Grid = CheckedArray<std::int32_t, kCells>;

// Per cell the digit it shows, 0 for an empty cell.
using Digits = std::array<std::int8_t, kCells>;

inline Digits digitsOf(const Grid& grid) {
  Digits digits{};
  for (CellIndex i = 0; i < kCells; ++i)
    digits[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(grid[i]);
  return digits;
}

inline Grid gridOf(const Digits& digits) {
  Grid grid;
  for (CellIndex i = 0; i < kCells; ++i) grid[i] = digits[static_cast<std::size_t>(i)];
  return grid;
}

}  // namespace kalmotre
