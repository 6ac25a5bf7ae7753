#include "board/board.h"

#include <gtest/gtest.h>

#include <vector>

#include "board/display.h"
#include "board/form_state.h"
#include "support/fakes.h"

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

TEST(Board, RemembersChangedCellsForTheViewUntilTaken) {
  Board board;
  board.setText(3, "4");
  board.setColors(7, colors::kYellow, colors::kBlue);
  board.setColors(8, colors::kWhite, colors::kBlack);  // as it was: no change
  board.setLocked(9, true);
  const Board::CellSet changed = board.takeChangedCells();
  EXPECT_EQ(changed.count(), 3u);
  EXPECT_TRUE(changed.test(3) && changed.test(7) && changed.test(9));
  EXPECT_TRUE(board.takeChangedCells().none());
  EXPECT_EQ(board.value(3), 4.0);
}

TEST(ResetBoard, EmptiesEveryCellAndTableButKeepsLocks) {
  FormState form;
  form.board.setText(10, "5");
  form.board.setColors(10, colors::kGreen, colors::kBlue);
  form.board.setLocked(10, true);
  form.lblZahl[10] = "5";
  form.state.solution[3] = 4;
  form.state.givens[4] = 2;
  form.state.candidates[809] = 1;
  form.state.digitTally[0] = 7;
  form.state.possibilitiesOn = true;
  form.state.busy = true;

  ChangeLog log;
  form.board.setChangeListener(&log);
  resetBoard(form);

  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_EQ(form.board.text(i), "");
    EXPECT_EQ(form.board.background(i), colors::kWhite);
    EXPECT_EQ(form.board.foreground(i), colors::kBlack);
    EXPECT_EQ(form.lblZahl[static_cast<std::size_t>(i)], "");
    EXPECT_EQ(form.state.solution[i], 0);
    EXPECT_EQ(form.state.givens[i], 0);
  }
  for (int v : form.state.candidates) EXPECT_EQ(v, 0);
  for (int v : form.state.digitTally) EXPECT_EQ(v, 0);
  EXPECT_TRUE(form.board.locked(10));
  EXPECT_EQ(form.lblFrei, "Freie Felder: 81");
  EXPECT_FALSE(form.state.busy);
  EXPECT_FALSE(form.state.possibilitiesOn);
  EXPECT_EQ(log.cells, std::vector<CellIndex>{10});  // the one text that changed
}

TEST(ShowSolution, BringsUpTheSplashFirstThenMirrorsTheGridIntoCellsAndHelpLabels) {
  FormState form;
  test::RecordingView view;
  for (CellIndex i = 0; i < kCells; ++i) form.state.solution[i] = i % 9 + 1;
  form.board.setLocked(4, true);
  form.board.setColors(5, colors::kYellow, colors::kBlue);
  showSolution(form, view);
  EXPECT_EQ(view.calls, std::vector<std::string>{"splash"});
  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_EQ(form.board.text(i), std::to_string(i % 9 + 1));
    EXPECT_EQ(form.lblZahl[static_cast<std::size_t>(i)], form.board.text(i));
    EXPECT_EQ(form.board.background(i), colors::kWhite);
    EXPECT_EQ(form.board.foreground(i), colors::kBlack);
  }
  EXPECT_TRUE(form.board.locked(4));
  EXPECT_FALSE(form.board.locked(5));
}

TEST(PresentPuzzle, LocksCluesOpensEmptyCellsAndCountsThem) {
  FormState form;
  presentPuzzle(form);  // all empty
  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_FALSE(form.board.locked(i));
    EXPECT_EQ(form.board.background(i), colors::kYellow);
    EXPECT_EQ(form.board.foreground(i), colors::kBlue);
  }
  EXPECT_EQ(form.lblFrei, "Freie Felder: 81");

  for (CellIndex i = 0; i < kCells; ++i) form.board.setText(i, "1");
  form.board.setText(17, " ");  // a blank is a clue, not a free cell
  presentPuzzle(form);
  for (CellIndex i = 0; i < kCells; ++i) {
    EXPECT_TRUE(form.board.locked(i));
    EXPECT_EQ(form.board.background(i), colors::kWhite);
    EXPECT_EQ(form.board.foreground(i), colors::kBlack);
  }
  EXPECT_EQ(form.lblFrei, "Freie Felder: 0");

  form.board.setText(0, "");
  form.board.setText(80, "");
  presentPuzzle(form);
  EXPECT_FALSE(form.board.locked(0));
  EXPECT_TRUE(form.board.locked(17));
  EXPECT_EQ(form.lblFrei, "Freie Felder: 2");
}

}  // namespace
}  // namespace kalmotre
