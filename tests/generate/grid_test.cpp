#include <gtest/gtest.h>

#include <map>

#include "generate/grid_check.h"
#include "generate/shuffle.h"
#include "support/boards.h"
#include "support/fakes.h"

namespace kalmotre {
namespace {

using test::drawFor;
using test::gridRows;
using test::kBaseRows;

std::vector<std::string> checkMessages(const Grid& solution) {
  FormState form;
  form.state.solution = solution;
  test::RecordingView view;
  checkGrid(form, view);
  return view.messages;
}

Grid baseGrid() {
  Grid grid;
  buildBaseGrid(grid);
  return grid;
}

TEST(BaseGrid, IsTheGameGridAndValid) {
  EXPECT_EQ(gridRows(baseGrid()), kBaseRows);
  EXPECT_TRUE(checkMessages(baseGrid()).empty());
}

TEST(Shuffles, TheNamedExchangesMoveTheNamedLines) {
  Grid grid = baseGrid();
  ScriptedRandomSource bands({drawFor(4, 7)});
  swapBandsOrStacks(grid, bands);
  EXPECT_EQ(gridRows(grid).substr(0, 9), "245819763");

  grid = baseGrid();
  ScriptedRandomSource columns({drawFor(1, 10)});
  swapColumnsInStack(grid, columns);
  EXPECT_EQ(gridRows(grid).substr(0, 9), "254763819");

  grid = baseGrid();
  ScriptedRandomSource rows({drawFor(3, 10)});
  swapRowsInBand(grid, rows);
  const std::string base = kBaseRows;
  EXPECT_EQ(gridRows(grid),
            base.substr(18, 9) + base.substr(9, 9) + base.substr(0, 9) + base.substr(27));

  for (auto* transform : {swapBandsOrStacks, swapColumnsInStack, swapRowsInBand}) {
    grid = baseGrid();
    ScriptedRandomSource none({0.0});
    transform(grid, none);
    EXPECT_EQ(gridRows(grid), kBaseRows) << "k = 0 changes nothing";
    EXPECT_EQ(none.drawCount(), 1);
  }
}

TEST(Shuffles, RelabellingDrawsTwoHundredTimesAndKeepsEqualDigitsEqual) {
  std::vector<double> draws;
  for (int n = 0; n < 200; ++n) draws.push_back((n * 37 % 100) / 100.0);
  ScriptedRandomSource random(draws);
  Grid grid = baseGrid();
  relabelDigits(grid, random);
  EXPECT_EQ(random.remaining(), 0u);
  std::map<int, int> mapping;
  const Grid before = baseGrid();
  for (CellIndex i = 0; i < kCells; ++i) {
    auto [it, fresh] = mapping.emplace(before[i], grid[i]);
    EXPECT_EQ(it->second, grid[i]) << "digit " << before[i] << " maps to one digit only";
  }
  EXPECT_EQ(mapping.size(), 9u);
  EXPECT_TRUE(checkMessages(grid).empty());
}

TEST(Shuffles, AnySequenceOfExchangesKeepsTheGridValid) {
  EngineRandomSource random;
  for (int seed = 0; seed < 300; ++seed) {
    random.seed(seed);
    Grid grid = baseGrid();
    for (int step = 0; step < 30; ++step) {
      switch (drawBelow(random, 4)) {
        case 0:
          swapBandsOrStacks(grid, random);
          break;
        case 1:
          swapColumnsInStack(grid, random);
          break;
        case 2:
          swapRowsInBand(grid, random);
          break;
        default:
          relabelDigits(grid, random);
          break;
      }
    }
    ASSERT_TRUE(checkMessages(grid).empty()) << gridRows(grid);
  }
}

TEST(GridCheck, ReportsEachFaultyUnitBlocksThenRowsThenColumns) {
  Grid grid = baseGrid();
  std::swap(grid[0], grid[1]);  // same block and row, columns 0 and 1
  EXPECT_EQ(checkMessages(grid),
            (std::vector<std::string>{"Spalte 0 fehlerhaft!", "Spalte 1 fehlerhaft!"}));

  grid = baseGrid();
  std::swap(grid[0], grid[9]);  // same row, blocks 0 and 1, columns 0 and 3
  EXPECT_EQ(checkMessages(grid),
            (std::vector<std::string>{"Block 0 fehlerhaft!", "Block 1 fehlerhaft!",
                                      "Spalte 0 fehlerhaft!", "Spalte 3 fehlerhaft!"}));

  std::vector<std::string> all;
  for (const char* kind : {"Block ", "Zeile ", "Spalte "}) {
    for (int k = 0; k < 9; ++k) all.push_back(kind + std::to_string(k) + " fehlerhaft!");
  }
  EXPECT_EQ(checkMessages(Grid{}), all);
}

TEST(GridCheck, TallyWantsEveryDigitExactlyOnce) {
  ModuleState state;
  clearTally(state);
  for (int d = 1; d <= 9; ++d) state.digitTally[d] = 1;
  state.digitTally[0] = 5;  // entry 0 is not looked at
  EXPECT_TRUE(tallyAllOnce(state));
  state.digitTally[9] = 2;
  EXPECT_FALSE(tallyAllOnce(state));
  clearTally(state);
  EXPECT_EQ(state.digitTally[9], 0);
  EXPECT_EQ(state.digitTally[0], 5);
}

}  // namespace
}  // namespace kalmotre
