// The checks behind kalmotre-gen --verify. The counting search is written from scratch on purpose:
// a fault in the game's solver must not be able to hide itself by also being in the judge.
#include "cli/verify.h"

#include <array>
#include <bit>
#include <cstdint>

#include "solve/hidden_singles.h"

namespace kalmotre::cli {

namespace {

constexpr int kSize = 81;
constexpr std::uint16_t kAllDigits = 0x3FE;  // bits 1..9

int rowOf(int cell) {
  return cell / 9;
}
int columnOf(int cell) {
  return cell % 9;
}
int boxOf(int cell) {
  return (cell / 27) * 3 + (cell % 9) / 3;
}

// Digits used per row, column and box, and the board's digits (0 for empty).
struct Search {
  std::array<int, kSize> digit{};
  std::array<std::uint16_t, 9> row{}, column{}, box{};
  int found = 0;
  int limit = 0;
  std::string* first = nullptr;

  std::uint16_t freeDigits(int cell) const {
    return static_cast<std::uint16_t>(
        kAllDigits & ~(row[rowOf(cell)] | column[columnOf(cell)] | box[boxOf(cell)]));
  }
  void place(int cell, int d) {
    const auto bit = static_cast<std::uint16_t>(1U << d);
    digit[cell] = d;
    row[rowOf(cell)] |= bit;
    column[columnOf(cell)] |= bit;
    box[boxOf(cell)] |= bit;
  }
  void take(int cell, int d) {
    const auto keep = static_cast<std::uint16_t>(~(1U << d));
    digit[cell] = 0;
    row[rowOf(cell)] &= keep;
    column[columnOf(cell)] &= keep;
    box[boxOf(cell)] &= keep;
  }

  // Depth first, always at the empty cell with the fewest digits left.
  void run() {
    int best = -1;
    int bestCount = 10;
    for (int cell = 0; cell < kSize; ++cell) {
      if (digit[cell] != 0) continue;
      const int n = std::popcount(freeDigits(cell));
      if (n < bestCount) {
        best = cell;
        bestCount = n;
        if (n <= 1) break;
      }
    }
    if (best < 0) {
      if (found++ == 0 && first != nullptr) {
        first->clear();
        for (int d : digit) *first += static_cast<char>('0' + d);
      }
      return;
    }
    for (std::uint16_t left = freeDigits(best); left != 0 && found < limit;
         left = static_cast<std::uint16_t>(left & (left - 1))) {
      const int d = std::countr_zero(left);
      place(best, d);
      run();
      take(best, d);
    }
  }
};

// Row and column counted from 1, as a player names a cell.
std::string where(int position) {
  return "row " + std::to_string(position / 9 + 1) + ", column " + std::to_string(position % 9 + 1);
}

bool isDigit(char c) {
  return c >= '1' && c <= '9';
}

bool isValidGrid(std::string_view grid) {
  if (grid.size() != kSize) return false;
  std::array<std::uint16_t, 9> row{}, column{}, box{};
  for (int cell = 0; cell < kSize; ++cell) {
    const char c = grid[static_cast<std::size_t>(cell)];
    if (!isDigit(c)) return false;
    const auto bit = static_cast<std::uint16_t>(1U << (c - '0'));
    row[rowOf(cell)] |= bit;
    column[columnOf(cell)] |= bit;
    box[boxOf(cell)] |= bit;
  }
  for (int unit = 0; unit < 9; ++unit) {
    if (row[unit] != kAllDigits || column[unit] != kAllDigits || box[unit] != kAllDigits) {
      return false;
    }
  }
  return true;
}

}  // namespace

int countSolutions(std::string_view board, int limit, std::string* first) {
  if (board.size() != kSize) return 0;
  Search search;
  search.limit = limit;
  search.first = first;
  for (int cell = 0; cell < kSize; ++cell) {
    const char c = board[static_cast<std::size_t>(cell)];
    if (c == '.') continue;
    if (!isDigit(c)) return 0;
    const int d = c - '0';
    if ((search.freeDigits(cell) & (1U << d)) == 0) return 0;
    search.place(cell, d);
  }
  search.run();
  return search.found;
}

std::string verifyPuzzle(std::string_view puzzle, std::string_view solution) {
  if (!isValidGrid(solution)) return "the solution is not a valid grid";
  if (puzzle.size() != kSize) return "the puzzle does not have 81 cells";
  for (int position = 0; position < kSize; ++position) {
    const char c = puzzle[static_cast<std::size_t>(position)];
    if (c != '.' && c != solution[static_cast<std::size_t>(position)]) {
      return "the clue at " + where(position) + " disagrees with the solution";
    }
  }
  std::string found;
  const int solutions = countSolutions(puzzle, 2, &found);
  if (solutions != 1) return "the puzzle has " + std::to_string(solutions) + " solutions";
  if (found != solution) return "the puzzle's only solution is another grid";

  // The game's solver numbers its cells block by block.
  std::array<int, kCells> clues{};
  for (int position = 0; position < kSize; ++position) {
    const char c = puzzle[static_cast<std::size_t>(position)];
    clues[static_cast<std::size_t>(cellAt(position / 9, position % 9))] = c == '.' ? 0 : c - '0';
  }
  SolverBoard board = SolverBoard::fromDigits(clues);
  if (!runHiddenSingles(board, 10)) {
    return "the game's solver does not complete the puzzle in 10 cycles";
  }
  for (int position = 0; position < kSize; ++position) {
    const int digit = board.digit[static_cast<std::size_t>(cellAt(position / 9, position % 9))];
    if (digit != solution[static_cast<std::size_t>(position)] - '0') {
      return "the game's solver fills " + where(position) + " wrongly";
    }
  }
  return {};
}

}  // namespace kalmotre::cli
