// The consistency check of the complete grid, with the tally it shares with the forcing test.
#include "generate/grid_check.h"

#include <string>

namespace kalmotre {

namespace {

bool checkUnit(ModuleState& state, const Unit& unit) {
  clearTally(state);
  for (CellIndex cell : unit) ++state.digitTally[state.solution[cell]];
  return tallyAllOnce(state);
}

}  // namespace

void clearTally(ModuleState& state) {
  for (int d = 1; d <= 9; ++d) state.digitTally[d] = 0;
}

bool tallyAllOnce(const ModuleState& state) {
  for (int d = 1; d <= 9; ++d) {
    if (state.digitTally[d] != 1) return false;
  }
  return true;
}

bool checkBlock(ModuleState& state, int block) {
  return checkUnit(state, blockCells(block));
}
bool checkRow(ModuleState& state, int row) {
  return checkUnit(state, rowCells(row));
}
bool checkColumn(ModuleState& state, int column) {
  return checkUnit(state, columnCells(column));
}

void checkGrid(FormState& form, FormView& view) {
  for (int b = 0; b < 9; ++b) {
    if (!checkBlock(form.state, b)) view.showMessage("Block " + std::to_string(b) + " fehlerhaft!");
  }
  for (int r = 0; r < 9; ++r) {
    if (!checkRow(form.state, r)) view.showMessage("Zeile " + std::to_string(r) + " fehlerhaft!");
  }
  for (int c = 0; c < 9; ++c) {
    if (!checkColumn(form.state, c)) {
      view.showMessage("Spalte " + std::to_string(c) + " fehlerhaft!");
    }
  }
}

}  // namespace kalmotre
