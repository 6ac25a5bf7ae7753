#include "solve/possibilities.h"

#include <gtest/gtest.h>

#include "support/boards.h"

namespace kalmotre {
namespace {

using test::loadBoard;

constexpr Color Y = colors::kYellow, W = colors::kWhite, M = colors::kMidGrey,
                L = colors::kLightGrey;

TEST(Possibilities, GreysTheReachOfEveryCellHoldingTheDigit) {
  GameState form;
  loadBoard(form.board,
            "5........"
            "........."
            "......3.."
            "........."
            "....5...."
            "........."
            "........."
            "........."
            "........7");
  for (CellIndex i = 0; i < kCells; ++i) form.board.setColors(i, colors::kGreen, colors::kBlue);
  showPossibilities(form.board, 5);
  auto at = [&](int r, int c) { return form.board.background(cellAt(r, c)); };
  EXPECT_EQ(at(0, 0), L);  // holds the 5
  EXPECT_EQ(at(0, 8), M);  // its row
  EXPECT_EQ(at(8, 0), M);  // its column
  EXPECT_EQ(at(2, 2), M);  // its block
  EXPECT_EQ(at(4, 4), L);  // the other 5
  EXPECT_EQ(at(4, 8), M);
  EXPECT_EQ(at(2, 6), W);  // filled, out of reach
  EXPECT_EQ(at(8, 8), W);
  EXPECT_EQ(at(2, 4), M);  // column of the second 5
  EXPECT_EQ(at(7, 7), Y);  // where a 5 can still go
  EXPECT_EQ(form.board.foreground(cellAt(7, 7)), colors::kBlue) << "text colours stay";
}

TEST(Possibilities, NoDigitOrAnAbsentOneShowsOnlyTheBaseColouring) {
  for (int digit : {0, 4, 10, -1}) {
    GameState form;
    loadBoard(form.board, std::string(80, '.') + "0");
    form.board.setText(3, "5a");
    showPossibilities(form.board, digit);
    for (CellIndex i = 0; i < kCells; ++i) {
      EXPECT_EQ(form.board.background(i), i == 3 ? W : Y) << "digit " << digit << " cell " << i;
    }
  }
}

TEST(Possibilities, ADigitInAllNineBlocksLeavesNoYellowAndConflictsAreJustGrey) {
  GameState form;
  loadBoard(form.board,
            "1...1...."  // two 1s in row 0: a conflict, no error
            "...1....."
            "......1.."
            ".1......."
            ".....1..."
            "........1"
            "..1......"
            "....1...."
            ".......1.");
  showPossibilities(form.board, 1);
  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_EQ(form.board.background(i), form.board.value(i) == 0.0 ? M : L) << i;
  }
}

}  // namespace
}  // namespace kalmotre
