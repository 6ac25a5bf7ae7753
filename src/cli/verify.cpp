// The checks behind kalmotre-gen --verify.
#include "cli/verify.h"

#include "board/one_line.h"
#include "generate/grid_check.h"
#include "knobs/knobs.h"
#include "solve/hidden_singles.h"
#include "solve/solution_count.h"

namespace kalmotre::cli {

namespace {

constexpr std::size_t kLineLength = kCells;

// Row and column counted from 1, as a player names a cell of the one-line form.
std::string placeName(std::size_t position) {
  return "row " + std::to_string(position / 9 + 1) + ", column " + std::to_string(position % 9 + 1);
}

bool isDigitLine(std::string_view line) {
  if (line.size() != kLineLength) return false;
  for (char c : line) {
    if (c < '1' || c > '9') return false;
  }
  return true;
}

bool isValidGridLine(std::string_view line) {
  if (!isDigitLine(line)) return false;
  return isValidGrid(digitsFromLine(line));
}

}  // namespace

std::string verifyPuzzle(std::string_view puzzle, std::string_view solution) {
  if (!isValidGridLine(solution)) return "the solution is not a valid grid";
  if (puzzle.size() != kLineLength) return "the puzzle does not have 81 cells";
  for (std::size_t position = 0; position < kLineLength; ++position) {
    const char c = puzzle[position];
    if (c != '.' && c != solution[position]) {
      return "the clue at " + placeName(position) + " disagrees with the solution";
    }
  }
  const Grid clues = digitsFromLine(puzzle);
  const Grid grid = digitsFromLine(solution);
  Grid found{};
  const int solutions = countSolutions(clues, 2, &found);
  if (solutions != 1) return "the puzzle has " + std::to_string(solutions) + " solutions";
  if (found != grid) return "the puzzle's only solution is another grid";

  SolverBoard board = SolverBoard::fromDigits(clues);
  if (!runHiddenSingles(board, knobs::kTrialCycles)) {
    return "the game's solver does not complete the puzzle in " +
           std::to_string(knobs::kTrialCycles) + " cycles";
  }
  const std::string filled = oneLine(board.digit);
  for (std::size_t position = 0; position < kLineLength; ++position) {
    if (filled[position] != solution[position]) {
      return "the game's solver fills " + placeName(position) + " wrongly";
    }
  }
  return {};
}

}  // namespace kalmotre::cli
