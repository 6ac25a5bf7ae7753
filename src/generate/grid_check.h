// Checking that the complete grid holds every digit once in every block, row and column.
#pragma once

#include <vector>

#include "board/grid.h"

namespace kalmotre {

// True when the unit's cells of the grid hold every digit 1..9 exactly once.
bool holdsEveryDigitOnce(const Grid& grid, const Unit& unit);

// A complete grid whose every row, column and block holds each digit once.
bool isValidGrid(const Grid& grid);

// A unit of the grid that does not hold each digit once: its kind and its number from 0.
struct UnitFault {
  UnitKind kind;
  int index;
  friend bool operator==(const UnitFault&, const UnitFault&) = default;
};

// The faulty units: blocks, then rows, then columns, each in ascending order.
std::vector<UnitFault> gridFaults(const Grid& grid);

}  // namespace kalmotre
