// Boards for tests as 81-character lines, row by row, '.' for an empty cell.
#pragma once

#include <string>
#include <string_view>

#include "board/display.h"
#include "board/geometry.h"
#include "board/one_line.h"
#include "generate/clue_record.h"
#include "input/free_cells.h"
#include "midend/main_form.h"

namespace kalmotre::test {

// Writes the line onto the board's texts: '.' empty, any other character as a one-letter text.
inline void loadBoard(Board& board, std::string_view rows) {
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const char c = rows[static_cast<std::size_t>(9 * row + column)];
      board.setText(cellAt(row, column), c == '.' ? std::string() : std::string(1, c));
    }
  }
}

// Hands the puzzle out as a generation ends: clues locked, open cells yellow, counter and clue
// record set. The writes raise no change handling.
inline void handOutPuzzle(MainForm& form, std::string_view rows) {
  form.mutableUi().busy = true;
  GameState& game = form.mutableGame();
  loadBoard(game.board, rows);
  form.mutableUi().freeCells = presentPuzzle(game.board);
  recordGivens(game);
  form.mutableUi().busy = false;
}

inline std::string boardLine(const Board& board) {
  return oneLine(board);
}

// A grid given row by row as a line of digits (0 or '.' for none), in CellIndex order.
inline Grid gridFromRows(std::string_view rows) {
  Grid grid;
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const char c = rows[static_cast<std::size_t>(9 * row + column)];
      grid[cellAt(row, column)] = (c >= '1' && c <= '9') ? c - '0' : 0;
    }
  }
  return grid;
}

inline std::string gridRows(const Grid& grid) {
  return oneLine(grid);
}

// The base grid, row by row.
inline constexpr char kBaseRows[] =
    "245763819"
    "816249375"
    "937158426"
    "561872934"
    "392614758"
    "478935162"
    "624391587"
    "753486291"
    "189527643";

// A puzzle the hidden-single solver finishes, with open and clue cells where the play tests need
// them: 1, 3, 8, 34, 35, 39, 78, 80 open; 2, 4, 36 clues.
inline constexpr char kPlayablePuzzle[] =
    "2.57.38.9"
    ".1..4..7."
    "93.1.8..6"
    "56.8.2..4"
    ".9..1..5."
    "4..9.5..2"
    "6..3.1.87"
    ".5.48..9."
    "1.95.7.4.";

}  // namespace kalmotre::test
