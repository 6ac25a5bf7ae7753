// The main window as the game core sees it: its state and every one of its event handlers.
//
// A command (a handler, or something the player did) runs to its end and leaves behind the new
// state and its requests; the front end then carries out the requests and shows the state once.
// Generation lets the window paint and handle its pending events once: its first half ends with
// the request to resume, and resume() runs the second. Only the modal message goes through the
// window port while a command runs.
#pragma once

#include <string>
#include <string_view>

#include "board/game_state.h"
#include "generate/clock.h"
#include "generate/random_source.h"
#include "midend/interface_state.h"
#include "midend/window_port.h"

namespace kalmotre {

// A step of the focus across the board as the player sees it.
enum class FocusStep { Up, Down, Left, Right };

class MainForm final : private CellChangeListener {
 public:
  MainForm(WindowPort& window, RandomSource& random, Clock& clock);
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;
  ~MainForm();

  const GameState& game() const { return game_; }
  const InterfaceState& ui() const { return ui_; }
  // For tests and tools that set up a position directly.
  GameState& mutableGame() { return game_; }
  InterfaceState& mutableUi() { return ui_; }

  // The captions under the game's names: the counter, and the hidden help grid's labels, which
  // show the complete grid once one has been made.
  std::string lblFrei() const { return freeCellsCaption(ui_.freeCells); }
  std::string lblZahl(CellIndex cell) const;
  CellIndex focusedCell() const { return ui_.focus; }
  // "Beenden" arrived while a command was running; it is carried out when the command ends.
  bool quitPending() const { return quitPending_; }

  // The game as text for a front end to keep across a reload; empty while a command runs.
  std::string snapshot() const;
  // Brings back a game that snapshot() wrote, running no handler. False, with nothing changed,
  // while a command runs or for a text that is not a sound snapshot.
  bool restore(std::string_view text);

  // What the commands so far ask of the front end; asking clears them.
  Requests takeRequests();

  // Handlers under the game's names.
  void Form_Load();
  // Up to the thinking frame; the carving runs in resume().
  void btnGO_Click();
  // The second half of a command that asked to resume; nothing when none did.
  void resume();
  bool resumePending() const { return resumePending_; }
  void btnLoesung_Click();
  void btnPlus_Click();
  void txtShow_Change();
  void txtZahl_Change(CellIndex index);
  void txtZahl_Validate(CellIndex index);
  void BtnZur_Click();
  void SudokuLaden_Click();
  void mnuEnde_Click();

  // What the player does in the window, forwarded by the mid end. An edit returns whether the
  // core took it: a refused one (a clue, or while it is busy) changes nothing, and the mid end's
  // hand-out puts the core's text back in the box. A cell keeps at most knobs::kCellTextLimit
  // characters of an entry.
  bool playerEditedCell(CellIndex cell, std::string_view text);
  bool playerEditedShowText(std::string_view text);
  void playerChoseLevel(Level level);
  // Moves the focus from the focused cell to its neighbour on the board; nothing at an edge or
  // when no cell has the focus.
  void playerMovedFocus(FocusStep step);
  // Moves the focus to a cell: the cell left is validated before the focus lands, then the
  // front end is asked to focus the new cell.
  void moveFocusTo(CellIndex cell);
  // The player put the focus into a cell / took it from a cell to another control of this window.
  // The front end reports only the player's moves, never the ones it makes on request.
  void cellGotFocus(CellIndex cell);
  void cellLostFocus(CellIndex cell);

 private:
  void cellTextChanged(CellIndex cell) override;
  void setShowText(std::string_view text);
  void updateFreeCount();
  // The board as the carving reads it when it starts.
  Grid boardDigits() const;
  // Ends a command that ran with `busy` set: a quit asked for meanwhile is asked for now.
  void finishCommand();

  WindowPort& window_;
  RandomSource& random_;
  Clock& clock_;
  GameState game_;
  InterfaceState ui_;
  Requests requests_;
  bool quitPending_ = false;
  bool resumePending_ = false;
};

}  // namespace kalmotre
