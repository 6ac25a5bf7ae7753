#include "generate/removal.h"

#include <gtest/gtest.h>

#include "board/knobs.h"
#include "generate/clue_record.h"
#include "generate/driver.h"
#include "generate/shuffle.h"
#include "solve/solver.h"
#include "support/boards.h"
#include "support/fakes.h"

namespace kalmotre {
namespace {

// A carving of the given board, row by row.
struct CarvingSetup {
  explicit CarvingSetup(std::string_view rows, std::vector<double> draws = {})
      : random(std::move(draws)), carving{{}, state, random} {
    const Grid grid = test::gridFromRows(rows);
    for (CellIndex i = 0; i < kCells; ++i) carving.at(i) = static_cast<std::int8_t>(grid[i]);
    state.solution = test::gridFromRows(test::kBaseRows);
  }
  std::string rows() const {
    Grid grid;
    for (CellIndex i = 0; i < kCells; ++i) grid[i] = carving.at(i);
    return test::gridRows(grid);
  }
  ModuleState state;
  ScriptedRandomSource random;
  Carving carving;
};

std::string generatedPuzzle(double seed) {
  FormState form;
  NullView view;
  EngineRandomSource random;
  SteppingClock clock(seed);
  generatePuzzle(form, view, random, clock);
  return test::boardLine(form.board);
}

TEST(ClueRecord, EmptyIsZeroAndZeroIsEmptyNeverAZeroText) {
  FormState form;
  test::loadBoard(form.board, std::string("7") + std::string(80, '.'));
  recordGivens(form);
  EXPECT_EQ(form.state.givens[0], 7);
  EXPECT_EQ(form.state.givens[1], 0);
  form.board.setText(0, "");
  form.board.setText(1, "4");
  restoreGivens(form);
  EXPECT_EQ(form.board.text(0), "7");
  EXPECT_EQ(form.board.text(1), "");
}

TEST(RemovalTrial, OnTheCompleteGridAlwaysKeepsItsRemovalAndTouchesNothingElse) {
  for (CellIndex c : {0, 40, 80}) {
    CarvingSetup setup(test::kBaseRows);
    EXPECT_TRUE(tryRemoveClue(setup.carving, c));
    std::string expected = test::gridRows(setup.state.solution);
    expected[static_cast<std::size_t>(9 * rowOf(c) + columnOf(c))] = '.';
    EXPECT_EQ(setup.rows(), expected);
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
      FormState check;
      std::string without = puzzle;
      without[k] = '.';
      test::loadBoard(check.board, without);
      const bool expected = solvePuzzle(check, knobs::kTrialCycles);

      EXPECT_EQ(tryRemoveClue(setup.carving, cell), expected);
      EXPECT_EQ(setup.rows(), expected ? without : puzzle) << "only the tried cell may change";
      if (!expected) ++failed;
    }
  }
  EXPECT_GT(failed, 0) << "a finished puzzle has clues the solver cannot do without";
}

TEST(ForcingTest, AllOfACompleteGridAndNoneWithADigitMissingAround) {
  CarvingSetup full(test::kBaseRows);
  for (CellIndex c = 0; c < kCells; ++c) EXPECT_TRUE(isForcedByPeers(full.carving, c)) << c;

  // Cell (4,4) holds 1; take away the 3 of its row (4,0) and of its column and block (5,4).
  std::string rows = test::kBaseRows;
  rows[36] = '.';
  rows[49] = '.';
  CarvingSetup missing(rows);
  EXPECT_FALSE(isForcedByPeers(missing.carving, cellAt(4, 4)));
  EXPECT_TRUE(isForcedByPeers(missing.carving, cellAt(0, 0)));
}

TEST(ForcedPass, TheRandomPhaseAlwaysTakesItsDraws) {
  // Every draw hits cell 0: the first removes it, the rest hit an empty cell.
  CarvingSetup setup(test::kBaseRows, std::vector<double>(knobs::kForcedPassDraws + 1, 0.0));
  removeForcedClues(setup.carving);
  EXPECT_EQ(setup.random.drawCount(), knobs::kForcedPassDraws);
  EXPECT_EQ(setup.random.remaining(), 1u);
  EXPECT_EQ(setup.rows()[0], '.');
}

TEST(CrossHatchTest, CompleteGridPassesAndOneOtherBlockPerDirectionFails) {
  CarvingSetup full(test::kBaseRows);
  for (CellIndex c = 0; c < kCells; ++c) EXPECT_TRUE(isCrossHatched(full.carving, c)) << c;

  // Cell (0,0) holds 2. Keep the 2 of block 1 (band) and of block 3 (stack) only.
  std::string rows = test::kBaseRows;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const int block = blockOf(cellAt(static_cast<int>(k) / 9, static_cast<int>(k) % 9));
    if (rows[k] == '2' && (block == 2 || block == 6)) rows[k] = '.';
  }
  CarvingSetup partial(rows);
  EXPECT_FALSE(isCrossHatched(partial.carving, 0));
}

TEST(CrossHatchPass, MakesAtMostThirtySixTrialsAndDrawsNothing) {
  CarvingSetup setup(test::kBaseRows);
  removeCrossHatchedClues(setup.carving);
  EXPECT_EQ(setup.random.drawCount(), 0);
  int removed = 0;
  for (int b = 0; b < 9; ++b) {
    int inBlock = 0;
    for (int p = 0; p < 9; ++p) inBlock += setup.carving.isEmpty(9 * b + p) ? 1 : 0;
    EXPECT_LE(inBlock, 4) << "three mini-rows and one mini-column of block " << b;
    removed += inBlock;
  }
  // The complete grid passes every test, so the first mini-row loses its first cell.
  EXPECT_TRUE(setup.carving.isEmpty(0));
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
    removeCrossHatchedClues(setup.carving);
    EXPECT_EQ(setup.rows(), c.after) << c.before;
  }
}

TEST(HardPass, AlwaysTakesItsDrawsAndTriesOnlyFilledCells) {
  CarvingSetup setup(test::kBaseRows, std::vector<double>(knobs::kRandomPassDraws + 1, 0.999));
  removeRandomClues(setup.carving);
  EXPECT_EQ(setup.random.drawCount(), knobs::kRandomPassDraws);
  EXPECT_EQ(setup.rows(), std::string(test::kBaseRows).substr(0, 80) + ".");
}

}  // namespace
}  // namespace kalmotre
