// The handlers of the main window. Each is short: the rules live in board/, solve/, generate/
// and input/; here they are put in the order the events need them.
#include "input/main_form.h"

#include "generate/driver.h"
#include "generate/removal.h"
#include "input/free_cells.h"
#include "input/validation.h"
#include "solve/possibilities.h"
#include "solve/solver.h"

namespace kalmotre {

namespace {

constexpr int kSolveCycles = 20;

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
// does may start another command or touch the board: every command returns at once then.

void MainForm::btnGO_Click() {
  if (form_.state.busy) return;
  generatePuzzle(form_, view_, random_, clock_);
}

void MainForm::btnLoesung_Click() {
  if (form_.state.busy) return;
  form_.state.possibilitiesOn = false;
  form_.state.busy = true;
  solvePuzzle(form_, kSolveCycles);
  form_.state.busy = false;
  // The solver's writes raise no change handling, so the counter is brought up to date here.
  updateFreeCount(form_);
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
  if (form_.state.busy) return;
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

void MainForm::playerChoseLevel(bool hard) {
  form_.hardLevel = hard;
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
