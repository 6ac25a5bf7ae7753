// Boards for tests as 81-character lines, row by row, '.' for an empty cell.
#pragma once

#include <string>
#include <string_view>

#include "board/form_state.h"
#include "board/geometry.h"

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

inline std::string boardLine(const Board& board) {
  std::string line;
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const std::string& text = board.text(cellAt(row, column));
      line += text.empty() ? '.' : text[0];
    }
  }
  return line;
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
  std::string line;
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const int d = grid[cellAt(row, column)];
      line += d == 0 ? '.' : static_cast<char>('0' + d);
    }
  }
  return line;
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

}  // namespace kalmotre::test
