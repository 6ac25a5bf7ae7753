#include <gtest/gtest.h>

#include "generate/carving.h"
#include "generate/clue_record.h"
#include "generate/fast_trials.h"
#include "generate/literal_trials.h"
#include "generate/removal_passes.h"
#include "generate/shuffle.h"
#include "knobs/knobs.h"
#include "solve/solver.h"
#include "support/boards.h"
#include "support/fakes.h"

namespace kalmotre {
namespace {

// The literal trials on the given board, row by row, with the base grid as solution.
struct CarvingSetup {
  explicit CarvingSetup(std::string_view rows, std::vector<double> draws = {})
      : solution(test::gridFromRows(test::kBaseRows)),
        random(std::move(draws)),
        trials(solution, digitsFromLine(rows)) {}
  std::string rows() const { return oneLine(trials.cells()); }
  Grid solution;
  ScriptedRandomSource random;
  LiteralTrials trials;
};

std::string generatedPuzzle(double seed) {
  EngineRandomSource random;
  random.seed(seed);
  const Grid solution = shuffledGrid(random);
  return oneLine(carvePuzzle(solution, solution, Level::Schwer, random));
}

TEST(ClueRecord, EmptyIsZeroAndZeroIsEmptyNeverAZeroText) {
  GameState game;
  test::loadBoard(game.board, std::string("7") + std::string(80, '.'));
  recordGivens(game);
  EXPECT_EQ(game.givens[0], 7);
  EXPECT_EQ(game.givens[1], 0);
  game.board.setText(0, "");
  game.board.setText(1, "4");
  restoreGivens(game);
  EXPECT_EQ(game.board.text(0), "7");
  EXPECT_EQ(game.board.text(1), "");
}

TEST(RemovalTrial, OnTheCompleteGridAlwaysKeepsItsRemovalAndTouchesNothingElse) {
  for (CellIndex c : {0, 40, 80}) {
    CarvingSetup setup(test::kBaseRows);
    EXPECT_TRUE(setup.trials.tryRemoveClue(c));
    std::string expected = test::gridRows(setup.solution);
    expected[static_cast<std::size_t>(9 * rowOf(c) + columnOf(c))] = '.';
    EXPECT_EQ(setup.rows(), expected);
    FastTrials fast(setup.solution);
    EXPECT_TRUE(fast.tryRemoveClue(c));
    EXPECT_EQ(oneLine(fast.cells()), expected);
  }
}

TEST(RemovalTrial, KeepsExactlyWhenTheSolverCompletesTheBoardWithoutTheClue) {
  int failed = 0;
  for (double seed : {1.0, 2.0, 3.0}) {
    const std::string puzzle = generatedPuzzle(seed);
    for (std::size_t k = 0; k < puzzle.size(); ++k) {
      if (puzzle[k] == '.') continue;
      CarvingSetup setup(puzzle);
      const CellIndex cell = cellAt(static_cast<int>(k) / 9, static_cast<int>(k) % 9);
      Board check;
      std::string without = puzzle;
      without[k] = '.';
      test::loadBoard(check, without);
      const bool expected = solvePuzzle(check, knobs::kTrialCycles);

      EXPECT_EQ(setup.trials.tryRemoveClue(cell), expected);
      EXPECT_EQ(setup.rows(), expected ? without : puzzle) << "only the tried cell may change";
      if (!expected) ++failed;
    }
  }
  EXPECT_GT(failed, 0) << "a finished puzzle has clues the solver cannot do without";
}

TEST(ForcingTest, AllOfACompleteGridAndNoneWithADigitMissingAround) {
  CarvingSetup full(test::kBaseRows);
  FastTrials fast(full.solution);
  for (CellIndex c = 0; c < kCells; ++c) {
    EXPECT_TRUE(full.trials.isFilledAndForced(c)) << c;
    EXPECT_TRUE(fast.isFilledAndForced(c)) << c;
  }

  // Cell (4,4) holds 1; take away the 3 of its row (4,0) and of its column and block (5,4).
  std::string rows = test::kBaseRows;
  rows[36] = '.';
  rows[49] = '.';
  CarvingSetup missing(rows);
  EXPECT_FALSE(missing.trials.isFilledAndForced(cellAt(4, 4)));
  EXPECT_TRUE(missing.trials.isFilledAndForced(cellAt(0, 0)));
  EXPECT_FALSE(missing.trials.isFilledAndForced(cellAt(4, 0))) << "an empty cell is never forced";
}

TEST(ForcedPass, TheRandomPhaseAlwaysTakesItsDraws) {
  // Every draw hits cell 0: the first removes it, the rest hit an empty cell.
  CarvingSetup setup(test::kBaseRows, std::vector<double>(knobs::kForcedPassDraws + 1, 0.0));
  removeForcedClues(setup.trials, setup.random);
  EXPECT_EQ(setup.random.drawCount(), knobs::kForcedPassDraws);
  EXPECT_EQ(setup.random.remaining(), 1u);
  EXPECT_EQ(setup.rows()[0], '.');
}

TEST(CrossHatchTest, CompleteGridPassesAndOneOtherBlockPerDirectionFails) {
  CarvingSetup full(test::kBaseRows);
  FastTrials fast(full.solution);
  for (CellIndex c = 0; c < kCells; ++c) {
    EXPECT_TRUE(full.trials.isCrossHatched(c)) << c;
    EXPECT_TRUE(fast.isCrossHatched(c)) << c;
  }

  // Cell (0,0) holds 2. Keep the 2 of block 1 (band) and of block 3 (stack) only.
  std::string rows = test::kBaseRows;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int block = blockOf(cellAt(static_cast<int>(k) / 9, static_cast<int>(k) % 9));
    if (rows[k] == '2' && (block == 2 || block == 6)) rows[k] = '.';
  }
  CarvingSetup partial(rows);
  EXPECT_FALSE(partial.trials.isCrossHatched(0));
}

TEST(CrossHatchPass, MakesAtMostThirtySixTrialsAndDrawsNothing) {
  CarvingSetup setup(test::kBaseRows);
  removeCrossHatchedClues(setup.trials);
  EXPECT_EQ(setup.random.drawCount(), 0);
  int removed = 0;
  for (int b = 0; b < 9; ++b) {
    int inBlock = 0;
    for (int p = 0; p < 9; ++p) inBlock += setup.trials.isEmpty(9 * b + p) ? 1 : 0;
    EXPECT_LE(inBlock, 4) << "three mini-rows and one mini-column of block " << b;
    removed += inBlock;
  }
  // The complete grid passes every test, so the first mini-row loses its first cell.
  EXPECT_TRUE(setup.trials.isEmpty(0));
  EXPECT_GT(removed, 9);
}

TEST(CrossHatchPass, EachMiniRowStopsAtItsFirstPassingCellAndEachBlockAtItsFirstTrial) {
  // Run alone on these boards with the base grid as solution. A mini-row that went on to its
  // next passing cell after a failed trial, or a block left only when its trial was kept, carves
  // something else.
  struct Case {
    const char* before;
    const char* after;
  };
  const Case cases[] = {
      {".457638.9816.4.37.93715.42656.872934.926.47.84.8935162.24391.87..3.86291.89527.43",
       "..5..38.9.16.4.37.93715..2656..7..3..926.47.84.8.351.2.24.91..7..3..6.91.8..27.43"},
      {"2457638.9816249..593.1584....18729.43926.475..789.516..24...5.77.34...9.1.9527.43",
       "..5.638.9.16.4...593.1.84.....8.2..4.926.475..789.516..2....5.77.34...9.1.952..43"},
  };
  for (const Case& c : cases) {
    CarvingSetup setup(c.before);
    removeCrossHatchedClues(setup.trials);
    EXPECT_EQ(setup.rows(), c.after) << c.before;
  }
}

TEST(HardPass, AlwaysTakesItsDrawsAndTriesOnlyFilledCells) {
  CarvingSetup setup(test::kBaseRows, std::vector<double>(knobs::kRandomPassDraws + 1, 0.999));
  removeRandomClues(setup.trials, setup.random);
  EXPECT_EQ(setup.random.drawCount(), knobs::kRandomPassDraws);
  EXPECT_EQ(setup.rows(), std::string(test::kBaseRows).substr(0, 80) + ".");
}

}  // namespace
}  // namespace kalmotre
