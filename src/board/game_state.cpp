// Emptying the position of play.
#include "board/game_state.h"

#include "board/color.h"

namespace kalmotre {

void resetBoard(GameState& game) {
  for (CellIndex cell = 0; cell < kCells; ++cell) {
    game.solution[cell] = 0;
    game.givens[cell] = 0;
    game.board.setText(cell, "");
    game.board.setLook(cell, roles::kClue);
  }
}

}  // namespace kalmotre
