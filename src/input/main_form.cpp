// The handlers of the main window. Each is short: the rules live in board/, solve/, generate/
// and input/; here they are put in the order the events need them.
#include "input/main_form.h"

#include "board/knobs.h"
#include "generate/clue_record.h"
#include "generate/driver.h"
#include "input/free_cells.h"
#include "input/validation.h"
#include "solve/possibilities.h"
#include "solve/solver.h"

namespace kalmotre {

namespace {

// txtShow holds one character at most; a UTF-8 character takes one to four bytes, as its first
// byte says. Text that does not start with a whole character (a stray continuation byte, a cut
// sequence) leaves nothing: the box never holds part of a character.
std::string_view firstCharacter(std::string_view text) {
  if (text.empty()) return text;
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead < 0x80             ? 1
                             : (lead & 0xE0) == 0xC0 ? 2
                             : (lead & 0xF0) == 0xE0 ? 3
                             : (lead & 0xF8) == 0xF0 ? 4
                                                     : 0;
  if (length == 0 || text.size() < length) return {};
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) return {};
  }
  return text.substr(0, length);
}

}  // namespace

MainForm::MainForm(FormView& view, RandomSource& random, Clock& clock)
    : view_(view), random_(random), clock_(clock) {
  form_.board.setChangeListener(this);
}

MainForm::~MainForm() {
  form_.board.setChangeListener(nullptr);
}

void MainForm::Form_Load() {
  resetBoard(form_);
}

// While a command runs with `busy` set (generation yields to the window once), nothing the player
// does may start another command or touch the board: every command returns at once then, and
// "Beenden" is kept for when the command ends.

void MainForm::btnGO_Click() {
  if (form_.state.busy) return;
  generatePuzzle(form_, view_, random_, clock_);
  finishCommand();
}

void MainForm::btnLoesung_Click() {
  if (form_.state.busy) return;
  form_.state.possibilitiesOn = false;
  {
    const BusyScope busy(form_.state);
    solvePuzzle(form_, knobs::kSolveButtonCycles);
  }
  // The solver's writes raise no change handling, so the counter is brought up to date here.
  updateFreeCount(form_);
  finishCommand();
}

void MainForm::btnPlus_Click() {
  if (form_.state.busy) return;
  form_.state.possibilitiesOn = true;
  setShowText(nextChosenDigitText(form_.txtShow));
}

void MainForm::txtShow_Change() {
  showPossibilities(form_, chosenDigit(form_));
}

void MainForm::txtZahl_Change(CellIndex index) {
  if (form_.state.busy) return;
  updateFreeCount(form_);
  if (index < kCells - 1) moveFocusTo(index + 1);
  if (form_.state.possibilitiesOn) showPossibilities(form_, chosenDigit(form_));
}

void MainForm::txtZahl_Validate(CellIndex) {
  paintValidation(form_);
}

void MainForm::BtnZur_Click() {
  if (form_.state.busy) return;
  restoreGivens(form_);
}

void MainForm::SudokuLaden_Click() {
  BtnZur_Click();
}

void MainForm::mnuEnde_Click() {
  // Quitting is never lost: during a command's event pass it waits for the command to end.
  if (form_.state.busy) {
    quitPending_ = true;
    return;
  }
  view_.quit();
}

void MainForm::finishCommand() {
  if (!quitPending_ || form_.state.busy) return;
  quitPending_ = false;
  view_.quit();
}

bool MainForm::playerEditedCell(CellIndex cell, std::string_view text) {
  if (form_.state.busy || form_.board.locked(cell)) return false;
  form_.board.setText(cell, text);
  return true;
}

bool MainForm::playerEditedShowText(std::string_view text) {
  if (form_.state.busy) return false;
  setShowText(firstCharacter(text));
  return true;
}

void MainForm::playerChoseLevel(Level level) {
  form_.level = level;
}

void MainForm::playerMovedFocus(FocusStep step) {
  if (form_.state.busy || focusedCell_ == kNoCell) return;
  int row = rowOf(focusedCell_);
  int column = columnOf(focusedCell_);
  switch (step) {
    case FocusStep::Up:
      --row;
      break;
    case FocusStep::Down:
      ++row;
      break;
    case FocusStep::Left:
      --column;
      break;
    case FocusStep::Right:
      ++column;
      break;
  }
  if (row < 0 || row >= kUnitSize || column < 0 || column >= kUnitSize) return;
  moveFocusTo(cellAt(row, column));
}

void MainForm::cellGotFocus(CellIndex cell) {
  focusedCell_ = cell;
}

void MainForm::cellLostFocus(CellIndex cell) {
  // A move the form made has already validated and recorded its target.
  if (focusedCell_ != cell) return;
  focusedCell_ = kNoCell;
  if (!form_.state.busy) txtZahl_Validate(cell);
}

void MainForm::cellTextChanged(CellIndex cell) {
  txtZahl_Change(cell);
}

void MainForm::moveFocusTo(CellIndex cell) {
  if (focusedCell_ == cell) return;
  if (focusedCell_ != kNoCell) txtZahl_Validate(focusedCell_);
  focusedCell_ = cell;
  view_.focusCell(cell);
}

void MainForm::setShowText(std::string_view text) {
  if (form_.txtShow == text) return;
  form_.txtShow.assign(text);
  txtShow_Change();
}

}  // namespace kalmotre
