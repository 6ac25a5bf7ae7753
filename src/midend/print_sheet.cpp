// The printout's content, read off the board and the window's state.
#include "midend/print_sheet.h"

#include "midend/controls.h"

namespace kalmotre {

PrintSheet printSheet(const GameState& game, const InterfaceState& ui) {
  PrintSheet sheet;
  for (int row = 0; row < kUnitSize; ++row) {
    for (int column = 0; column < kUnitSize; ++column) {
      const CellIndex cell = cellAt(row, column);
      PrintSheet::Cell& printed = sheet.cells[static_cast<std::size_t>(9 * row + column)];
      printed.text = game.board.text(cell);
      printed.clue = game.board.locked(cell);
    }
  }
  // The window's own caption for the level choice, and the chosen option's.
  sheet.level = std::string(control(controlNamed(WindowName::Main, "Label5")).caption) + ": " +
                std::string(levelInfo(ui.level).caption);
  sheet.counter = freeCellsCaption(ui.freeCells);
  return sheet;
}

}  // namespace kalmotre
