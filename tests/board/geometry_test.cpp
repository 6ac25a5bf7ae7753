#include "board/geometry.h"

#include <gtest/gtest.h>

#include <set>

namespace kalmotre {
namespace {

// The cell numbers as they lie on the board.
constexpr int kLayout[9][9] = {
    {0, 1, 2, 9, 10, 11, 18, 19, 20},     {3, 4, 5, 12, 13, 14, 21, 22, 23},
    {6, 7, 8, 15, 16, 17, 24, 25, 26},    {27, 28, 29, 36, 37, 38, 45, 46, 47},
    {30, 31, 32, 39, 40, 41, 48, 49, 50}, {33, 34, 35, 42, 43, 44, 51, 52, 53},
    {54, 55, 56, 63, 64, 65, 72, 73, 74}, {57, 58, 59, 66, 67, 68, 75, 76, 77},
    {60, 61, 62, 69, 70, 71, 78, 79, 80}};

TEST(Geometry, EveryCellLiesWhereTheLayoutPutsIt) {
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const int cell = kLayout[row][column];
      SCOPED_TRACE(cell);
      EXPECT_EQ(cellAt(row, column), cell);
      EXPECT_EQ(rowOf(cell), row);
      EXPECT_EQ(columnOf(cell), column);
      EXPECT_EQ(blockOf(cell), 3 * (row / 3) + column / 3);
    }
  }
}

TEST(Geometry, UnitsWalkInTheGameOrder) {
  EXPECT_EQ(rowCells(4), (Unit{30, 31, 32, 39, 40, 41, 48, 49, 50}));
  EXPECT_EQ(columnCells(4), (Unit{10, 13, 16, 37, 40, 43, 64, 67, 70}));
  EXPECT_EQ(blockCells(7), (Unit{63, 64, 65, 66, 67, 68, 69, 70, 71}));
  for (int k = 0; k < 9; ++k) {
    SCOPED_TRACE(k);
    for (int j = 0; j < 9; ++j) {
      EXPECT_EQ(rowCells(k)[j], kLayout[k][j]);
      EXPECT_EQ(columnCells(k)[j], kLayout[j][k]);
    }
  }
}

TEST(Geometry, NamedCellsAndBandsAndStacks) {
  EXPECT_EQ(rowOf(40), 4);
  EXPECT_EQ(columnOf(40), 4);
  EXPECT_EQ(blockOf(40), 4);
  EXPECT_EQ(rowOf(26), 2);
  EXPECT_EQ(columnOf(26), 8);
  EXPECT_EQ(rowOf(60), 8);
  EXPECT_EQ(columnOf(60), 0);
  EXPECT_EQ(bandBlocks(5), (std::array<int, 3>{3, 4, 5}));
  EXPECT_EQ(stackBlocks(5), (std::array<int, 3>{2, 5, 8}));
}

TEST(Geometry, EveryUnitHoldsNineDistinctCellsAndEveryCellLiesInThreeUnits) {
  std::array<int, kCells> memberships{};
  for (const Unit& unit : kUnits) {
    EXPECT_EQ(std::set<int>(unit.begin(), unit.end()).size(), 9u);
    for (CellIndex cell : unit) ++memberships[static_cast<std::size_t>(cell)];
  }
  for (int m : memberships) EXPECT_EQ(m, 3);
}

TEST(Geometry, RowColumnBlockOfACellHasItsTwentyPeersAndItselfThreeTimes) {
  const auto cells = rowColumnBlockOf(40);
  std::multiset<int> all(cells.begin(), cells.end());
  EXPECT_EQ(all.count(40), 3u);
  EXPECT_EQ(std::set<int>(cells.begin(), cells.end()).size(), 21u);
  EXPECT_EQ((std::array<int, 3>{cells[0], cells[9], cells[18]}), (std::array<int, 3>{30, 10, 36}));
}

}  // namespace
}  // namespace kalmotre
