// The handlers of the main window. Each is short: the rules live in board/, solve/, generate/
// and input/; here they are put in the order the events need them.
#include "midend/main_form.h"

#include "board/display.h"
#include "generate/carving.h"
#include "generate/clue_record.h"
#include "generate/grid_check.h"
#include "generate/shuffle.h"
#include "input/characters.h"
#include "input/free_cells.h"
#include "input/validation.h"
#include "knobs/knobs.h"
#include "midend/snapshot.h"
#include "midend/texts.h"
#include "solve/hidden_singles.h"
#include "solve/possibilities.h"
#include "solve/solver.h"

namespace kalmotre {

MainForm::MainForm(WindowPort& window, RandomSource& random, Clock& clock)
    : window_(window), random_(random), clock_(clock) {
  game_.board.setChangeListener(this);
}

MainForm::~MainForm() {
  game_.board.setChangeListener(nullptr);
}

std::string MainForm::lblZahl(CellIndex cell) const {
  const std::int32_t digit = game_.solution[cell];
  return digit == 0 ? std::string() : std::to_string(digit);
}

Requests MainForm::takeRequests() {
  const Requests taken = requests_;
  requests_ = Requests{};
  return taken;
}

std::string MainForm::snapshot() const {
  if (ui_.busy || resumePending_) return {};
  return writeSnapshot(game_, ui_);
}

bool MainForm::restore(std::string_view text) {
  if (ui_.busy || resumePending_) return false;
  if (!readSnapshot(text, game_, ui_)) return false;
  quitPending_ = false;
  requests_ = Requests{};
  return true;
}

void MainForm::Form_Load() {
  ui_.possibilitiesOn = false;
  {
    const BusyScope busy(ui_);
    resetBoard(game_);
  }
  ui_.freeCells = kCells;
}

// While a command runs with `busy` set (generation yields to the window once), nothing the player
// does may start another command or touch the board: every command returns at once then, and
// "Beenden" is kept for when the command ends.

void MainForm::btnGO_Click() {
  if (ui_.busy) return;
  BusyScope busy(ui_);
  ui_.possibilitiesOn = false;
  random_.seed(clock_.secondsSinceMidnight());
  game_.solution = shuffledGrid(random_);
  showSolution(game_);
  requests_.splash = true;
  for (const UnitFault& fault : gridFaults(game_.solution)) {
    window_.showMessage(texts::faultMessage(fault.kind, fault.index));
  }
  ui_.thinking = true;
  // The window paints the frame and the splash and handles its pending events once; then the
  // carving goes on in resume(), `busy` still set.
  requests_.resume = true;
  resumePending_ = true;
  busy.keepForResume();
}

void MainForm::resume() {
  if (!resumePending_) return;
  resumePending_ = false;
  {
    const BusyScope busy(ui_);
    const Grid carved = carvePuzzle(game_.solution, boardDigits(), ui_.level, random_);
    for (CellIndex i = 0; i < kCells; ++i) {
      if (carved[static_cast<std::size_t>(i)] == 0) game_.board.setText(i, "");
    }
    ui_.freeCells = presentPuzzle(game_.board);
    // The clue record is the puzzle as handed out, so a restart brings back exactly this board.
    recordGivens(game_);
  }
  finishCommand();
}

void MainForm::btnLoesung_Click() {
  if (ui_.busy) return;
  ui_.possibilitiesOn = false;
  {
    const BusyScope busy(ui_);
    solvePuzzle(game_.board, knobs::kSolveButtonCycles);
  }
  // The solver's writes raise no change handling, so the counter is brought up to date here.
  updateFreeCount();
  finishCommand();
}

void MainForm::btnPlus_Click() {
  if (ui_.busy) return;
  ui_.possibilitiesOn = true;
  setShowText(nextChosenDigitText(ui_.chosenDigit));
}

void MainForm::txtShow_Change() {
  showPossibilities(game_.board, chosenDigit(ui_.chosenDigit));
}

void MainForm::txtZahl_Change(CellIndex index) {
  if (ui_.busy) return;
  updateFreeCount();
  if (index < kCells - 1) {
    moveFocusTo(index + 1);
  } else if (ui_.focus == index) {
    // The last cell keeps the cursor, yet its entry is shown as if the cell had been left: a
    // board filled there turns green at once.
    txtZahl_Validate(index);
  }
  if (ui_.possibilitiesOn) showPossibilities(game_.board, chosenDigit(ui_.chosenDigit));
}

void MainForm::txtZahl_Validate(CellIndex) {
  paintValidation(game_.board);
}

void MainForm::BtnZur_Click() {
  if (ui_.busy) return;
  restoreGivens(game_);
}

void MainForm::SudokuLaden_Click() {
  BtnZur_Click();
}

void MainForm::mnuEnde_Click() {
  // Quitting is never lost: during a command's event pass it waits for the command to end.
  if (ui_.busy) {
    quitPending_ = true;
    return;
  }
  requests_.quit = true;
}

void MainForm::finishCommand() {
  if (!quitPending_ || ui_.busy) return;
  quitPending_ = false;
  requests_.quit = true;
}

bool MainForm::playerEditedCell(CellIndex cell, std::string_view text) {
  if (ui_.busy || game_.board.locked(cell)) return false;
  game_.board.setText(cell, firstCharacters(text, knobs::kCellTextLimit));
  return true;
}

bool MainForm::playerEditedShowText(std::string_view text) {
  if (ui_.busy) return false;
  setShowText(firstCharacter(text));
  return true;
}

void MainForm::playerChoseLevel(Level level) {
  ui_.level = level;
}

void MainForm::playerMovedFocus(FocusStep step) {
  if (ui_.busy || ui_.focus == kNoCell) return;
  int row = rowOf(ui_.focus);
  int column = columnOf(ui_.focus);
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
  ui_.focus = cell;
}

void MainForm::cellLostFocus(CellIndex cell) {
  if (ui_.focus == cell) ui_.focus = kNoCell;
  if (!ui_.busy) txtZahl_Validate(cell);
}

void MainForm::cellTextChanged(CellIndex cell) {
  txtZahl_Change(cell);
}

void MainForm::moveFocusTo(CellIndex cell) {
  if (ui_.focus == cell) return;
  if (ui_.focus != kNoCell) txtZahl_Validate(ui_.focus);
  ui_.focus = cell;
  requests_.focus = cellControl(cell);
}

void MainForm::setShowText(std::string_view text) {
  if (ui_.chosenDigit == text) return;
  ui_.chosenDigit.assign(text);
  txtShow_Change();
}

void MainForm::updateFreeCount() {
  ui_.freeCells = countFreeCells(game_.board);
}

Grid MainForm::boardDigits() const {
  Grid digits{};
  for (CellIndex i = 0; i < kCells; ++i) {
    const int digit = game_.board.isEmptyText(i) ? 0 : digitClassOf(game_.board.value(i));
    assert(digit >= 0 && "generation keeps every cell empty or a single digit");
    digits[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(digit);
  }
  return digits;
}

}  // namespace kalmotre
