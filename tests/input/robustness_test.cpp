#include <gtest/gtest.h>

#include <random>

#include "input/free_cells.h"
#include "midend/main_form.h"
#include "support/fakes.h"

namespace kalmotre {
namespace {

// Texts a player can get into a cell or the digit box by typing or pasting.
const std::vector<std::string> kTexts = {"",
                                         "1",
                                         "9",
                                         "0",
                                         " ",
                                         "5a",
                                         "12",
                                         "x",
                                         "-3",
                                         "2.5",
                                         "1e999",
                                         "-1e999",
                                         "1e308",
                                         std::string(400, '9'),
                                         "\xC3\xA4",
                                         "\xF0\x9F\x98\x80",
                                         "0x1F",
                                         ".5",
                                         "+",
                                         "nan",
                                         "inf",
                                         std::string("4\0"
                                                     "2",
                                                     3),
                                         "  7  ",
                                         "\t8"};

const std::array<Color, 5> kBackgrounds = {colors::kWhite, colors::kYellow, colors::kGreen,
                                           colors::kMidGrey, colors::kLightGrey};

// Thousands of random doings of a player: the form never fails, the counter always tells the
// truth after an entry, and every cell is painted in a colour of the game.
TEST(Robustness, RandomPlayKeepsTheFormSound) {
  test::RecordingWindow window;
  EngineRandomSource random;
  SteppingClock clock;
  MainForm form(window, random, clock);
  form.Form_Load();
  std::mt19937 dice(7);
  auto pick = [&](int n) { return static_cast<int>(dice() % static_cast<unsigned>(n)); };
  for (int step = 0; step < 4000; ++step) {
    const CellIndex cell = pick(kCells);
    const std::string& text =
        kTexts[static_cast<std::size_t>(pick(static_cast<int>(kTexts.size())))];
    switch (pick(12)) {
      case 0:
        if (pick(20) == 0) {
          clock.set(step);
          test::clickGenerate(form, window);
        }
        break;
      case 1:
        form.btnLoesung_Click();
        break;
      case 2:
        form.btnPlus_Click();
        break;
      case 3:
        form.BtnZur_Click();
        break;
      case 4:
        form.SudokuLaden_Click();
        break;
      case 5:
        form.playerEditedShowText(text);
        break;
      case 6:
        form.playerChoseLevel(kLevels[static_cast<std::size_t>(pick(kLevels.size()))].level);
        break;
      case 7:
        form.cellLostFocus(form.focusedCell());
        break;
      case 8:
        form.cellGotFocus(cell);
        break;
      case 9:
        form.playerMovedFocus(static_cast<FocusStep>(pick(4)));
        break;
      default:
        form.cellGotFocus(cell);
        if (form.playerEditedCell(cell, text)) {
          EXPECT_EQ(form.lblFrei(), freeCellsCaption(countFreeCells(form.game().board)));
        }
        break;
    }
    form.takeRequests();
    ASSERT_FALSE(form.ui().busy);
    ASSERT_FALSE(form.ui().thinking);
    const Board& board = form.game().board;
    for (CellIndex i = 0; i < kCells; ++i) {
      ASSERT_NE(std::find(kBackgrounds.begin(), kBackgrounds.end(), board.background(i)),
                kBackgrounds.end());
      ASSERT_TRUE(board.foreground(i) == colors::kBlack || board.foreground(i) == colors::kBlue);
    }
  }
  EXPECT_TRUE(window.messages.empty()) << "generated grids are always valid";
}

}  // namespace
}  // namespace kalmotre
