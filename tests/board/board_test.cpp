#include "board/board.h"

#include <gtest/gtest.h>

#include <vector>

#include "board/display.h"

namespace kalmotre {
namespace {

struct ChangeLog : CellChangeListener {
  void cellTextChanged(CellIndex cell) override { cells.push_back(cell); }
  std::vector<CellIndex> cells;
};

TEST(Board, OnlyARealTextChangeIsPassedOn) {
  Board board;
  ChangeLog log;
  board.setChangeListener(&log);
  board.setText(5, "3");
  board.setText(5, "3");
  board.setText(6, "");
  board.setText(5, "");
  EXPECT_EQ(log.cells, (std::vector<CellIndex>{5, 5}));
  EXPECT_EQ(board.value(5), 0.0);

  // A copy is a snapshot: its writes reach nobody, and assigning it back keeps the listener.
  Board snapshot = board;
  snapshot.setText(5, "7");
  EXPECT_EQ(log.cells.size(), 2u);
  board = snapshot;
  EXPECT_EQ(board.text(5), "7");
  board.setText(5, "8");
  EXPECT_EQ(log.cells, (std::vector<CellIndex>{5, 5, 5}));
}

TEST(ResetBoard, EmptiesEveryCellTheGridAndTheRecordButKeepsLocks) {
  GameState game;
  game.board.setText(10, "5");
  game.board.setColors(10, colors::kGreen, colors::kBlue);
  game.board.setLocked(10, true);
  game.solution[3] = 4;
  game.givens[4] = 2;

  ChangeLog log;
  game.board.setChangeListener(&log);
  resetBoard(game);

  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_EQ(game.board.text(i), "");
    EXPECT_EQ(game.board.background(i), colors::kWhite);
    EXPECT_EQ(game.board.foreground(i), colors::kBlack);
    EXPECT_EQ(game.solution[i], 0);
    EXPECT_EQ(game.givens[i], 0);
  }
  EXPECT_TRUE(game.board.locked(10));
  EXPECT_EQ(log.cells, std::vector<CellIndex>{10});  // the one text that changed
}

TEST(ShowSolution, MirrorsTheGridIntoTheCellsBlackOnWhite) {
  GameState game;
  for (CellIndex i = 0; i < kCells; ++i) game.solution[i] = i % 9 + 1;
  game.board.setLocked(4, true);
  game.board.setColors(5, colors::kYellow, colors::kBlue);
  showSolution(game);
  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_EQ(game.board.text(i), std::to_string(i % 9 + 1));
    EXPECT_EQ(game.board.background(i), colors::kWhite);
    EXPECT_EQ(game.board.foreground(i), colors::kBlack);
  }
  EXPECT_TRUE(game.board.locked(4));
  EXPECT_FALSE(game.board.locked(5));
}

TEST(PresentPuzzle, LocksCluesOpensEmptyCellsAndCountsThem) {
  Board board;
  EXPECT_EQ(presentPuzzle(board), 81);  // all empty
  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_FALSE(board.locked(i));
    EXPECT_EQ(board.background(i), colors::kYellow);
    EXPECT_EQ(board.foreground(i), colors::kBlue);
  }

  for (CellIndex i = 0; i < kCells; ++i) board.setText(i, "1");
  board.setText(17, " ");  // a blank is a clue, not a free cell
  EXPECT_EQ(presentPuzzle(board), 0);
  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_TRUE(board.locked(i));
    EXPECT_EQ(board.background(i), colors::kWhite);
    EXPECT_EQ(board.foreground(i), colors::kBlack);
  }

  board.setText(0, "");
  board.setText(80, "");
  EXPECT_EQ(presentPuzzle(board), 2);
  EXPECT_FALSE(board.locked(0));
  EXPECT_TRUE(board.locked(17));
}

}  // namespace
}  // namespace kalmotre
