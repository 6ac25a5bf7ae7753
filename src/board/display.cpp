// The two procedures that put a grid or a puzzle onto the board.
#include "board/display.h"

namespace kalmotre {

void showSolution(FormState& form, FormView& view) {
  view.showSplash();
  for (CellIndex i = 0; i < kCells; ++i) {
    const std::string text = std::to_string(form.state.solution[i]);
    form.board.setText(i, text);
    form.lblZahl[static_cast<std::size_t>(i)] = text;
    form.board.setLook(i, roles::kClue);
  }
}

void presentPuzzle(FormState& form) {
  int open = 0;
  for (CellIndex i = 0; i < kCells; ++i) {
    const bool isOpen = form.board.isEmptyText(i);
    form.board.setLook(i, isOpen ? roles::kOpenCell : roles::kClue);
    form.board.setLocked(i, !isOpen);
    if (isOpen) ++open;
  }
  form.lblFrei = freeCellsCaption(open);
}

}  // namespace kalmotre
