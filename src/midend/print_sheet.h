// What a printout of the board shows: every cell's text and whether it is a clue, row by row,
// and under the grid the level and the counter. A front end lays it out on its page: clues
// bold, the player's entries regular, everything black on white.
#pragma once

#include <array>
#include <string>

#include "board/game_state.h"
#include "midend/interface_state.h"

namespace kalmotre {

struct PrintSheet {
  struct Cell {
    std::string text;  // all of it; a front end cuts what does not fit the cell
    bool clue = false;
  };
  std::array<Cell, kCells> cells;  // row by row from the top left
  std::string level;               // "Level: Schwer", the level chosen in the window
  std::string counter;             // "Freie Felder: N"
};

PrintSheet printSheet(const GameState& game, const InterfaceState& ui);

}  // namespace kalmotre
