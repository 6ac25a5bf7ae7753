#include <gtest/gtest.h>

#include <map>

#include "generate/grid_check.h"
#include "generate/shuffle.h"
#include "knobs/knobs.h"
#include "midend/texts.h"
#include "support/boards.h"
#include "support/fakes.h"

namespace kalmotre {
namespace {

using test::drawFor;
using test::gridRows;
using test::kBaseRows;

// The consistency check's messages, as the message box shows them.
std::vector<std::string> checkMessages(const Grid& solution) {
  std::vector<std::string> messages;
  for (const UnitFault& f : gridFaults(solution))
    messages.push_back(texts::faultMessage(f.kind, f.index));
  return messages;
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

// The base grid with two sets of lines exchanged, worked out on the board as the player sees it:
// rows (or columns) first, first + 1, ... first + width - 1 trade places with those from second.
std::string exchangedLines(bool rows, int first, int second, int width) {
  const std::string base = kBaseRows;
  std::string out = base;
  for (int i = 0; i < width; ++i) {
    for (int k = 0; k < 9; ++k) {
      const auto at = [&](int line) {
        return static_cast<std::size_t>(rows ? 9 * line + k : 9 * k + line);
      };
      out[at(first + i)] = base[at(second + i)];
      out[at(second + i)] = base[at(first + i)];
    }
  }
  return out;
}

TEST(Shuffles, EveryOutcomeOfEveryDrawExchangesItsLines) {
  using Transform = void (*)(Grid&, RandomSource&);
  struct Outcome {
    Transform transform;
    int n, k;
    bool rows;
    int first, second, width;
  };
  const Outcome outcomes[] = {
      {swapBandsOrStacks, 7, 1, true, 3, 6, 3},    {swapBandsOrStacks, 7, 2, true, 0, 6, 3},
      {swapBandsOrStacks, 7, 3, true, 0, 3, 3},    {swapBandsOrStacks, 7, 4, false, 3, 6, 3},
      {swapBandsOrStacks, 7, 5, false, 0, 6, 3},   {swapBandsOrStacks, 7, 6, false, 0, 3, 3},
      {swapColumnsInStack, 10, 1, false, 1, 2, 1}, {swapColumnsInStack, 10, 2, false, 1, 0, 1},
      {swapColumnsInStack, 10, 3, false, 2, 0, 1}, {swapColumnsInStack, 10, 4, false, 4, 5, 1},
      {swapColumnsInStack, 10, 5, false, 3, 4, 1}, {swapColumnsInStack, 10, 6, false, 3, 5, 1},
      {swapColumnsInStack, 10, 7, false, 7, 8, 1}, {swapColumnsInStack, 10, 8, false, 6, 7, 1},
      {swapColumnsInStack, 10, 9, false, 6, 8, 1}, {swapRowsInBand, 10, 1, true, 1, 2, 1},
      {swapRowsInBand, 10, 2, true, 1, 0, 1},      {swapRowsInBand, 10, 3, true, 2, 0, 1},
      {swapRowsInBand, 10, 4, true, 4, 5, 1},      {swapRowsInBand, 10, 5, true, 3, 4, 1},
      {swapRowsInBand, 10, 6, true, 3, 5, 1},      {swapRowsInBand, 10, 7, true, 7, 8, 1},
      {swapRowsInBand, 10, 8, true, 6, 7, 1},      {swapRowsInBand, 10, 9, true, 6, 8, 1},
  };
  for (const Outcome& o : outcomes) {
    Grid grid = baseGrid();
    ScriptedRandomSource draw({drawFor(o.k, o.n)});
    o.transform(grid, draw);
    EXPECT_EQ(gridRows(grid), exchangedLines(o.rows, o.first, o.second, o.width))
        << "k = " << o.k << " of " << o.n;
  }
}

TEST(Shuffles, RelabellingRenamesThroughThePermutationNotItsInverse) {
  // Exchanges (1,2) then (2,3), the rest (1,1): the permutation sends 1 to 2, 2 to 3, 3 to 1.
  std::vector<double> draws = {drawFor(0, 9), drawFor(1, 9), drawFor(1, 9), drawFor(2, 9)};
  draws.resize(2 * knobs::kRelabelExchanges, drawFor(0, 9));
  ScriptedRandomSource random(draws);
  Grid grid = baseGrid();
  relabelDigits(grid, random);
  EXPECT_EQ(random.remaining(), 0u);
  std::string expected = kBaseRows;
  for (char& c : expected) c = c == '1' ? '2' : c == '2' ? '3' : c == '3' ? '1' : c;
  EXPECT_EQ(gridRows(grid), expected);
}

TEST(Shuffles, RelabellingDrawsTwoHundredTimesAndKeepsEqualDigitsEqual) {
  std::vector<double> draws;
  for (int n = 0; n < 2 * knobs::kRelabelExchanges; ++n) draws.push_back((n * 37 % 100) / 100.0);
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

}  // namespace
}  // namespace kalmotre
