// The procedures that empty the board, put a grid onto it and hand out a puzzle.
#include "board/display.h"

#include <string>

namespace kalmotre {

void showSolution(GameState& game) {
  for (CellIndex i = 0; i < kCells; ++i) {
    game.board.setText(i, std::to_string(game.solution[i]));
    game.board.setLook(i, roles::kClue);
  }
}

int presentPuzzle(Board& board) {
  int open = 0;
  for (CellIndex i = 0; i < kCells; ++i) {
    const bool isOpen = board.isEmptyText(i);
    board.setLook(i, isOpen ? roles::kOpenCell : roles::kClue);
    board.setLocked(i, !isOpen);
    if (isOpen) ++open;
  }
  return open;
}

}  // namespace kalmotre
