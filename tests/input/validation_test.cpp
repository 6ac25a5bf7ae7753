#include "input/validation.h"

#include <gtest/gtest.h>

#include "support/boards.h"

namespace kalmotre {
namespace {

using test::loadBoard;

// Fills a unit's cells with the given texts.
void fill(GameState& form, const Unit& unit, std::initializer_list<const char*> texts) {
  auto text = texts.begin();
  for (CellIndex cell : unit) form.board.setText(cell, *text++);
}

bool allGreen(const GameState& form, const Unit& unit) {
  for (CellIndex cell : unit) {
    if (form.board.background(cell) != colors::kGreen) return false;
  }
  return true;
}

TEST(Validation, BaseColoursFollowTheLockStateAlone) {
  GameState form;
  form.board.setText(0, "7");     // unlocked although it holds a digit
  form.board.setLocked(1, true);  // locked although empty
  form.board.setColors(2, colors::kMidGrey, colors::kBlack);
  paintValidation(form.board);
  EXPECT_EQ(form.board.background(0), colors::kYellow);
  EXPECT_EQ(form.board.foreground(0), colors::kBlue);
  EXPECT_EQ(form.board.background(1), colors::kWhite);
  EXPECT_EQ(form.board.foreground(1), colors::kBlack);
  EXPECT_EQ(form.board.background(2), colors::kYellow);
}

TEST(Validation, AUnitTurnsGreenOnItsSumAlone) {
  struct Case {
    const char* what;
    std::initializer_list<const char*> texts;
    bool green;
  };
  const Case cases[] = {
      {"1 to 9", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, true},
      {"3 and 4 swapped", {"1", "2", "4", "3", "5", "6", "7", "8", "9"}, true},
      {"five 9s, four empty", {"9", "9", "9", "9", "9", "", "", "", ""}, true},
      {"nine 5s", {"5", "5", "5", "5", "5", "5", "5", "5", "5"}, true},
      {"sum 44", {"1", "2", "3", "4", "5", "6", "7", "8", "8"}, false},
      {"5a counts 5", {"5a", "1", "2", "3", "4", "6", "7", "8", "9"}, true},
      {"12 counts 12, x counts 0", {"12", "x", "3", "4", "5", "6", "7", "8", ""}, true},
      {"infinite values", {"1e999", "-1e999", "45", "", "", "", "", "", ""}, false},
      {"overflowing sum", {"1e308", "1e308", "-1e308", "45", "", "", "", "", ""}, false},
  };
  for (const Unit& unit : {blockCells(4), rowCells(7), columnCells(2)}) {
    for (const Case& c : cases) {
      GameState form;
      fill(form, unit, c.texts);
      paintValidation(form.board);
      EXPECT_EQ(allGreen(form, unit), c.green) << c.what << " in unit from cell " << unit[0];
    }
  }
}

TEST(Validation, GreenFromOneUnitStaysWhateverTheOtherUnitsHold) {
  GameState form;
  loadBoard(form.board,
            "123456789"
            "4........"
            "7........"
            "........."
            "........."
            "........."
            "........."
            "........."
            ".........");
  for (CellIndex i = 0; i < kCells; ++i) form.board.setLocked(i, !form.board.isEmptyText(i));
  paintValidation(form.board);
  EXPECT_TRUE(allGreen(form, rowCells(0)));
  EXPECT_EQ(form.board.foreground(cellAt(0, 0)), colors::kBlack) << "a clue keeps its text colour";
  EXPECT_EQ(form.board.background(cellAt(1, 0)), colors::kWhite) << "column 0 sums to 12";
  EXPECT_EQ(form.board.background(cellAt(1, 1)), colors::kYellow);

  form.board.setText(cellAt(0, 8), "");  // the row no longer adds up
  paintValidation(form.board);
  EXPECT_EQ(form.board.background(cellAt(0, 0)), colors::kWhite);
  EXPECT_EQ(form.board.background(cellAt(0, 8)), colors::kWhite);
}

}  // namespace
}  // namespace kalmotre
