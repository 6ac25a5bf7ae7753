// The one-line form, walked row by row through the cell numbering.
#include "board/one_line.h"

namespace kalmotre {

std::string oneLine(const Board& board) {
  std::string line;
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const std::string& text = board.text(cellAt(row, column));
      line += text.empty() ? '.' : text[0];
    }
  }
  return line;
}

std::string oneLine(const Grid& grid) {
  std::string line(kCells, '.');
  line.reserve(kCells + 1);  // room for a line break after it
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const int digit = grid[cellAt(row, column)];
      if (digit >= 1 && digit <= 9) line[9 * row + column] = static_cast<char>('0' + digit);
    }
  }
  return line;
}

Grid digitsFromLine(std::string_view line) {
  Grid digits{};
  for (std::size_t k = 0; k < line.size() && k < kCells; ++k) {
    const char c = line[k];
    const CellIndex cell = cellAt(static_cast<int>(k) / 9, static_cast<int>(k) % 9);
    digits[cell] = c >= '1' && c <= '9' ? static_cast<std::int8_t>(c - '0') : 0;
  }
  return digits;
}

}  // namespace kalmotre
