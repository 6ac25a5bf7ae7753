// The board reset that the main window runs when it loads.
#include "board/form_state.h"

namespace kalmotre {

void resetBoard(FormState& form) {
  ModuleState& s = form.state;
  s.possibilitiesOn = false;
  const BusyScope busy(s);
  for (int d = 0; d <= 9; ++d) s.digitTally[d] = 0;
  for (CellIndex cell = 0; cell < kCells; ++cell) {
    for (int d = 0; d <= 9; ++d) s.candidates[cell * 10 + d] = 0;
    s.solution[cell] = 0;
    s.givens[cell] = 0;
    form.board.setText(cell, "");
    form.lblZahl[static_cast<std::size_t>(cell)].clear();
    form.board.setLook(cell, roles::kClue);
  }
  form.lblFrei = freeCellsCaption(kCells);
}

std::string freeCellsCaption(int count) {
  return kFreeCellsPrefix + std::to_string(count);
}

}  // namespace kalmotre
