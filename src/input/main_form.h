// The main window as the game core sees it: its state and every one of its event handlers.
#pragma once

#include <string>
#include <string_view>

#include "board/form_state.h"
#include "generate/random_source.h"

namespace kalmotre {

inline constexpr CellIndex kNoCell = -1;

// A step of the focus across the board as the player sees it.
enum class FocusStep { Up, Down, Left, Right };

class MainForm final : private CellChangeListener {
 public:
  MainForm(FormView& view, RandomSource& random, Clock& clock);
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;
  ~MainForm();

  const FormState& form() const { return form_; }
  // For tests and tools that set up a position directly.
  FormState& mutableForm() { return form_; }
  CellIndex focusedCell() const { return focusedCell_; }
  // The cells whose look changed since the view last asked.
  Board::CellSet takeChangedCells() { return form_.board.takeChangedCells(); }

  // Handlers under the game's names.
  void Form_Load();
  void btnGO_Click();
  void btnLoesung_Click();
  void btnPlus_Click();
  void txtShow_Change();
  void txtZahl_Change(CellIndex index);
  void txtZahl_Validate(CellIndex index);
  void BtnZur_Click();
  void SudokuLaden_Click();
  void mnuEnde_Click();

  // What the player does in the window, forwarded by the view. An edit that the core refuses
  // (while it is busy) returns false; the view then shows the core's text again.
  bool playerEditedCell(CellIndex cell, std::string_view text);
  bool playerEditedShowText(std::string_view text);
  void playerChoseLevel(Level level);
  // Moves the focus from the focused cell to its neighbour on the board; nothing at an edge or
  // when no cell has the focus.
  void playerMovedFocus(FocusStep step);
  // Moves the focus to a cell. The cell left is validated before the focus lands, as with every
  // move the form makes; the view is then asked to focus the new cell.
  void moveFocusTo(CellIndex cell);
  // "Beenden" arrived while a command was running; it is carried out when the command ends.
  bool quitPending() const { return quitPending_; }
  // The focus entered a cell / left a cell for another control of this window. Moves the form
  // made itself come back here too and are recognised, so nothing is validated twice.
  void cellGotFocus(CellIndex cell);
  void cellLostFocus(CellIndex cell);

 private:
  void cellTextChanged(CellIndex cell) override;
  void setShowText(std::string_view text);
  // Ends a command that ran with `busy` set: a quit asked for meanwhile happens now.
  void finishCommand();

  FormView& view_;
  RandomSource& random_;
  Clock& clock_;
  FormState form_;
  CellIndex focusedCell_ = kNoCell;
  bool quitPending_ = false;
};

}  // namespace kalmotre
