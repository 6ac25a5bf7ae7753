#include "solve/solver.h"

#include <gtest/gtest.h>

#include <random>

#include "generate/driver.h"
#include "solve/candidates.h"
#include "solve/reference_solver.h"
#include "solve/trial_solver.h"
#include "support/boards.h"
#include "support/fakes.h"

namespace kalmotre {
namespace {

using test::kBaseRows;
using test::loadBoard;

FormState boardOf(std::string_view rows) {
  FormState form;
  loadBoard(form.board, rows);
  return form;
}

// The board as the search reads it.
SolverBoard compactOf(const Board& board) {
  SolverBoard compact;
  for (CellIndex i = 0; i < kCells; ++i) {
    compact.digit[static_cast<std::size_t>(i)] =
        static_cast<std::int8_t>(digitClassOf(board.value(i)));
    if (board.isEmptyText(i)) compact.emptyText.set(i);
  }
  return compact;
}

TEST(Solver, EmptyBoardFillsNothingAndPaintsEveryCellYellow) {
  FormState form;
  EXPECT_FALSE(solvePuzzle(form, 20));
  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_EQ(form.board.text(i), "");
    EXPECT_EQ(form.board.background(i), colors::kYellow);
    EXPECT_EQ(form.board.foreground(i), colors::kBlue);
  }
}

TEST(Solver, CompleteBoardIsSolvedAndUntouched) {
  FormState form = boardOf(kBaseRows);
  form.board.setColors(3, colors::kMidGrey, colors::kBlack);
  form.board.takeChangedCells();
  EXPECT_TRUE(solvePuzzle(form, 20));
  EXPECT_TRUE(form.board.takeChangedCells().none());
}

TEST(Solver, OneMissingDigitIsFoundInTheFirstCycle) {
  std::string rows = kBaseRows;
  rows[40] = '.';
  FormState form = boardOf(rows);
  EXPECT_TRUE(solvePuzzle(form, 1));
  EXPECT_EQ(form.board.text(cellAt(4, 4)), "1");
  EXPECT_EQ(form.board.background(cellAt(4, 4)), colors::kYellow);
}

TEST(Solver, ANakedSingleThatIsNoHiddenSingleStaysEmpty) {
  // Cell (0,0) sees 1 3 4 5 6 7 8 9, so only 2 fits; yet 2 has open cells all over its units.
  FormState form = boardOf(
      "...134..."
      ".8......."
      "..9......"
      "5........"
      "6........"
      "7........"
      "........."
      "........."
      ".........");
  EXPECT_FALSE(solvePuzzle(form, 20));
  EXPECT_EQ(form.board.text(0), "");
}

TEST(Solver, ZeroOrBlankCellsAreOpenToTheSearchButNeverFilled) {
  for (const char* text : {"0", " "}) {
    FormState form = boardOf(kBaseRows);
    const CellIndex cell = cellAt(4, 4);
    form.board.setText(cell, text);
    EXPECT_TRUE(solvePuzzle(form, 20)) << "no text is empty";
    EXPECT_EQ(form.board.text(cell), text);
    EXPECT_EQ(getSingleCandidate(form, cell), 1) << "found all the same";
    EXPECT_EQ(form.board.background(cell), colors::kWhite) << "only empty texts are repainted";
  }
}

TEST(Solver, ACellFoundForTwoDigitsInOneCycleTakesTheHigher) {
  // (0,0) is the only open cell of row 0 and of column 0, and both lack 3 and 7.
  FormState form = boardOf(
      ".12456891"
      "1........"
      "2........"
      "4........"
      "5........"
      "6........"
      "8........"
      "9........"
      "1........");
  solvePuzzle(form, 1);
  EXPECT_EQ(form.board.text(0), "7");
}

// Finds the fewest cycles that complete the board, or 0 when 20 do not.
int cyclesToFinish(std::string_view rows) {
  for (int k = 1; k <= 20; ++k) {
    FormState form = boardOf(rows);
    if (solvePuzzle(form, k)) return k;
  }
  return 0;
}

TEST(Solver, ABoardThatNeedsKCyclesIsSolvedFromKOnAndPartlyFilledBefore) {
  NullView view;
  EngineRandomSource random;
  SteppingClock clock(7.0);
  int deepest = 0;
  for (int seed = 0; seed < 40; ++seed) {
    FormState generated;
    clock.set(seed);
    generatePuzzle(generated, view, random, clock);
    const std::string rows = test::boardLine(generated.board);
    const int k = cyclesToFinish(rows);
    ASSERT_GT(k, 0) << rows;
    deepest = std::max(deepest, k);
    for (int r : {k - 1, k, k + 3}) {
      FormState form = boardOf(rows);
      EXPECT_EQ(solvePuzzle(form, r), r >= k) << rows << " with " << r << " cycles";
      if (r == k - 1 && r > 0) {
        EXPECT_NE(test::boardLine(form.board), rows) << "some cells were filled";
      }
    }
  }
  EXPECT_GE(deepest, 4) << "the sample should hold puzzles that need several cycles";
}

// Odd texts a player can leave on a board.
constexpr const char* kOddTexts[] = {"0", " ", "5a", "12", "x", "-3", "2.5", "9"};

TEST(Solver, MatchesTheStepByStepSolverOnBoardsOfEveryKind) {
  NullView view;
  EngineRandomSource random;
  SteppingClock clock;
  std::mt19937 noise(2024);
  for (int seed = 0; seed < 150; ++seed) {
    FormState generated;
    clock.set(seed * 1.25);
    generatePuzzle(generated, view, random, clock);
    std::string rows = test::boardLine(generated.board);
    // Blank some clues, put wrong digits and odd texts on some cells.
    for (int n = 0; n < seed % 12; ++n) rows[noise() % 81] = '.';
    FormState mine = boardOf(rows);
    for (int n = 0; n < seed % 5; ++n) {
      const CellIndex cell = static_cast<CellIndex>(noise() % 81);
      const std::string text =
          seed % 3 == 0 ? kOddTexts[noise() % 8] : std::to_string(noise() % 9 + 1);
      mine.board.setText(cell, text);
    }
    for (int cycles : {0, 1, 2, 3, 6, 10, 20}) {
      FormState fast = mine;
      FormState reference = mine;
      const bool fastSolved = solvePuzzle(fast, cycles);
      const bool referenceSolved = test::referenceSolve(reference, cycles);
      SCOPED_TRACE(testing::Message() << rows << " seed " << seed << " cycles " << cycles);
      ASSERT_EQ(fastSolved, referenceSolved);
      for (CellIndex i = 0; i < kCells; ++i) {
        ASSERT_EQ(fast.board.text(i), reference.board.text(i)) << "cell " << i;
        ASSERT_EQ(fast.board.background(i), reference.board.background(i)) << "cell " << i;
        ASSERT_EQ(fast.board.foreground(i), reference.board.foreground(i)) << "cell " << i;
      }
      ASSERT_EQ(fast.state.candidates, reference.state.candidates);
      ASSERT_EQ(fast.state.excluded, reference.state.excluded);
    }
    // The carving's grid-board solver, with and without SSE2, on the generated puzzle with more
    // clues blanked: a board that still agrees with its grid.
    const GridTrialSolver::Grid grid(SolverBoard::fromDigits(generated.state.solution));
    const SolverBoard carved = compactOf(boardOf(rows).board);
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
