#include "solve/solver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "generate/carving.h"
#include "generate/shuffle.h"
#include "solve/reference_solver.h"
#include "solve/trial_solver.h"
#include "support/boards.h"
#include "support/fakes.h"

namespace kalmotre {
namespace {

using test::kBaseRows;
using test::loadBoard;

Board boardOf(std::string_view rows) {
  Board board;
  loadBoard(board, rows);
  return board;
}

// A generated "Schwer" puzzle and its grid.
struct Generated {
  Grid solution;
  std::string puzzle;
};
Generated generated(double seed) {
  EngineRandomSource random;
  random.seed(seed);
  Generated g{shuffledGrid(random), {}};
  g.puzzle = oneLine(carvePuzzle(g.solution, g.solution, Level::Schwer, random));
  return g;
}

TEST(Solver, EmptyBoardFillsNothingAndPaintsEveryCellYellow) {
  Board board;
  EXPECT_FALSE(solvePuzzle(board, 20));
  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_EQ(board.text(i), "");
    EXPECT_EQ(board.background(i), colors::kYellow);
    EXPECT_EQ(board.foreground(i), colors::kBlue);
  }
}

TEST(Solver, CompleteBoardIsSolvedAndUntouched) {
  Board board = boardOf(kBaseRows);
  board.setColors(3, colors::kMidGrey, colors::kBlack);
  const Board before = board;
  EXPECT_TRUE(solvePuzzle(board, 20));
  EXPECT_TRUE(board == before);
}

TEST(Solver, OneMissingDigitIsFoundInTheFirstCycle) {
  std::string rows = kBaseRows;
  rows[40] = '.';
  Board board = boardOf(rows);
  EXPECT_TRUE(solvePuzzle(board, 1));
  EXPECT_EQ(board.text(cellAt(4, 4)), "1");
  EXPECT_EQ(board.background(cellAt(4, 4)), colors::kYellow);
}

TEST(Solver, ANakedSingleThatIsNoHiddenSingleStaysEmpty) {
  // Cell (0,0) sees 1 3 4 5 6 7 8 9, so only 2 fits; yet 2 has open cells all over its units.
  Board board = boardOf(
      "...134..."
      ".8......."
      "..9......"
      "5........"
      "6........"
      "7........"
      "........."
      "........."
      ".........");
  EXPECT_FALSE(solvePuzzle(board, 20));
  EXPECT_EQ(board.text(0), "");
}

TEST(Solver, ZeroOrBlankCellsAreOpenToTheSearchButNeverFilled) {
  for (const char* text : {"0", " "}) {
    Board board = boardOf(kBaseRows);
    const CellIndex cell = cellAt(4, 4);
    board.setText(cell, text);
    EXPECT_TRUE(solvePuzzle(board, 20)) << "no text is empty";
    EXPECT_EQ(board.text(cell), text);
    EXPECT_EQ(board.background(cell), colors::kWhite) << "only empty texts are repainted";
  }
}

TEST(Solver, ACellFoundForTwoDigitsInOneCycleTakesTheHigher) {
  // (0,0) is the only open cell of row 0 and of column 0, and both lack 3 and 7.
  Board board = boardOf(
      ".12456891"
      "1........"
      "2........"
      "4........"
      "5........"
      "6........"
      "8........"
      "9........"
      "1........");
  solvePuzzle(board, 1);
  EXPECT_EQ(board.text(0), "7");
}

// Finds the fewest cycles that complete the board, or 0 when 20 do not.
int cyclesToFinish(std::string_view rows) {
  for (int k = 1; k <= 20; ++k) {
    Board board = boardOf(rows);
    if (solvePuzzle(board, k)) return k;
  }
  return 0;
}

TEST(Solver, ABoardThatNeedsKCyclesIsSolvedFromKOnAndPartlyFilledBefore) {
  int deepest = 0;
  for (int seed = 0; seed < 40; ++seed) {
    const std::string rows = generated(seed).puzzle;
    const int k = cyclesToFinish(rows);
    ASSERT_GT(k, 0) << rows;
    deepest = std::max(deepest, k);
    for (int r : {k - 1, k, k + 3}) {
      Board board = boardOf(rows);
      EXPECT_EQ(solvePuzzle(board, r), r >= k) << rows << " with " << r << " cycles";
      if (r == k - 1 && r > 0) {
        EXPECT_NE(test::boardLine(board), rows) << "some cells were filled";
      }
    }
  }
  EXPECT_GE(deepest, 4) << "the sample should hold puzzles that need several cycles";
}

TEST(Solver, FinishesTheRecordedBoardsAsRecorded) {
  std::ifstream file(KALMOTRE_TEST_DATA "/solver.txt");
  ASSERT_TRUE(file.good());
  int boards = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string rows, expected, verdict;
    int cycles = 0;
    words >> rows >> cycles >> expected >> verdict;
    SCOPED_TRACE(line);
    Board board = boardOf(rows);
    EXPECT_EQ(solvePuzzle(board, cycles), verdict == "solved");
    EXPECT_EQ(test::boardLine(board), expected);
    for (CellIndex i = 0; i < kCells; ++i) {
      const bool wasOpen = rows[static_cast<std::size_t>(9 * rowOf(i) + columnOf(i))] == '.';
      EXPECT_EQ(board.background(i), wasOpen ? colors::kYellow : colors::kWhite) << i;
    }
    ++boards;
  }
  EXPECT_GE(boards, 40);
}

// Odd texts a player can leave on a board.
constexpr const char* kOddTexts[] = {"0", " ", "5a", "12", "x", "-3", "2.5", "9"};

TEST(Solver, MatchesTheStepByStepSolverOnBoardsOfEveryKind) {
  std::mt19937 noise(2024);
  for (int seed = 0; seed < 150; ++seed) {
    const Generated made = generated(seed * 1.25);
    std::string rows = made.puzzle;
    // Blank some clues, put wrong digits and odd texts on some cells.
    for (int n = 0; n < seed % 12; ++n) rows[noise() % 81] = '.';
    Board mine = boardOf(rows);
    for (int n = 0; n < seed % 5; ++n) {
      const CellIndex cell = static_cast<CellIndex>(noise() % 81);
      const std::string text =
          seed % 3 == 0 ? kOddTexts[noise() % 8] : std::to_string(noise() % 9 + 1);
      mine.setText(cell, text);
    }
    for (int cycles : {0, 1, 2, 3, 6, 10, 20}) {
      Board fast = mine;
      Board reference = mine;
      const bool fastSolved = solvePuzzle(fast, cycles);
      const bool referenceSolved = test::referenceSolve(reference, cycles);
      SCOPED_TRACE(testing::Message() << rows << " seed " << seed << " cycles " << cycles);
      ASSERT_EQ(fastSolved, referenceSolved);
      for (CellIndex i = 0; i < kCells; ++i) {
        ASSERT_EQ(fast.text(i), reference.text(i)) << "cell " << i;
        ASSERT_EQ(fast.background(i), reference.background(i)) << "cell " << i;
        ASSERT_EQ(fast.foreground(i), reference.foreground(i)) << "cell " << i;
      }
    }
    // The carving's grid-board solver, with and without SSE2, on the generated puzzle with more
    // clues blanked: a board that still agrees with its grid.
    const GridTrialSolver::GridBits grid(made.solution);
    const SolverBoard carved = solverBoardOf(boardOf(rows));
    GridTrialSolver start(grid);
    for (CellIndex i = 0; i < kCells; ++i) {
      if (carved.emptyText.test(i)) start.blank(i);
    }
    for (int cycles = 0; cycles <= 20; ++cycles) {
      SolverBoard literal = carved;
      const bool solved = runHiddenSingles(literal, cycles);
      for (bool onWords : {false, true}) {
        GridTrialSolver trial = start;
        for (int k = 0; k < cycles && !trial.complete(); ++k) {
          if (!(onWords ? trial.cycleOnWords() : trial.cycle())) break;
        }
        SCOPED_TRACE(testing::Message() << rows << " seed " << seed << " cycles " << cycles
                                        << (onWords ? " on words" : ""));
        ASSERT_EQ(trial.complete(), solved);
        for (CellIndex i = 0; i < kCells; ++i) {
          ASSERT_EQ(trial.isOpen(i), literal.emptyText.test(i)) << "cell " << i;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kalmotre
