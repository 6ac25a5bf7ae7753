#include "midend/main_form.h"

#include <gtest/gtest.h>

#include "knobs/knobs.h"
#include "support/boards.h"
#include "support/fakes.h"

namespace kalmotre {
namespace {

constexpr const char* kPuzzleRows = test::kPlayablePuzzle;

// A form with a puzzle handed out: clues locked, open cells yellow, the clue record taken.
class MainFormTest : public testing::Test {
 protected:
  MainFormTest() : form(window, random, clock) {
    form.Form_Load();
    test::handOutPuzzle(form, kPuzzleRows);
    form.takeRequests();
  }

  // What the commands since the last call asked of the front end, as "focus 9 splash quit".
  std::string requested() {
    const Requests r = form.takeRequests();
    std::string said;
    if (r.focus != kNoControl) said += "focus " + std::to_string(cellOfControl(r.focus));
    if (r.splash) said += said.empty() ? "splash" : " splash";
    if (r.quit) said += said.empty() ? "quit" : " quit";
    return said;
  }

  int openCells() const {
    int n = 0;
    for (CellIndex i = 0; i < kCells; ++i) n += form.game().board.isEmptyText(i) ? 1 : 0;
    return n;
  }
  const Board& board() const { return form.game().board; }
  // Paints every cell grey, so a validation repaint shows.
  void greyAll() {
    for (CellIndex i = 0; i < kCells; ++i) {
      form.mutableGame().board.setColors(i, colors::kMidGrey, colors::kBlack);
    }
  }
  bool validated() const { return board().background(1) == colors::kYellow; }
  // The player clicks into a cell and types.
  void typeInto(CellIndex cell, const char* text) {
    form.cellGotFocus(cell);
    EXPECT_TRUE(form.playerEditedCell(cell, text));
  }

  test::RecordingWindow window;
  EngineRandomSource random;
  SteppingClock clock;
  MainForm form;
};

TEST_F(MainFormTest, TypingADigitRecountsMovesTheFocusOnAndValidatesTheCellLeft) {
  const int open = openCells();
  greyAll();
  typeInto(8, "7");
  EXPECT_EQ(form.lblFrei(), freeCellsCaption(open - 1));
  EXPECT_EQ(requested(), "focus 9");
  EXPECT_EQ(form.focusedCell(), 9);
  EXPECT_TRUE(validated());
}

TEST_F(MainFormTest, DeletingADigitRaisesTheCountAndStillMovesOn) {
  const int open = openCells();
  typeInto(39, "6");
  form.takeRequests();
  typeInto(39, "");
  EXPECT_EQ(form.lblFrei(), freeCellsCaption(open));
  EXPECT_EQ(requested(), "focus 40");
}

TEST_F(MainFormTest, TheLastCellKeepsTheFocusAndZeroCountsAsFree) {
  const int open = openCells();
  // A free cell is one whose value is 0, whatever its text.
  for (const char* free : {"0", "x", " ", "-0", "ab7"}) {
    typeInto(78, free);
    EXPECT_EQ(form.lblFrei(), freeCellsCaption(open)) << '"' << free << "\" is free";
  }
  typeInto(78, "7x");
  EXPECT_EQ(form.lblFrei(), freeCellsCaption(open - 1));
  form.takeRequests();
  greyAll();
  typeInto(80, "2");
  EXPECT_EQ(requested(), "");
  EXPECT_EQ(form.focusedCell(), 80);
  EXPECT_TRUE(validated()) << "painted as if the cell had been left; the cursor stays";
}

TEST_F(MainFormTest, NothingHappensForWritesWhileBusyAndBusyRefusesThePlayer) {
  form.mutableUi().busy = true;
  const std::string before = form.lblFrei();
  form.mutableGame().board.setText(1, "4");
  EXPECT_FALSE(form.playerEditedCell(3, "5"));
  EXPECT_EQ(board().text(3), "");
  EXPECT_EQ(form.lblFrei(), before);
  EXPECT_EQ(requested(), "");
}

TEST_F(MainFormTest, LockedCellsRefuseThePlayerButNotTheProgram) {
  EXPECT_FALSE(form.playerEditedCell(0, "9"));
  EXPECT_EQ(board().text(0), "2");
}

TEST_F(MainFormTest, ALongEntryKeepsItsFirstCharactersWhole) {
  const int limit = knobs::kCellTextLimit;
  const std::pair<std::string, std::string> kept[] = {
      {std::string(10000, '7'), std::string(limit, '7')},
      {std::string(limit, '5'), std::string(limit, '5')},
      // From the first byte that starts no whole character on, nothing is kept.
      {"x" + std::string(300, '\xC3') + "\xA4", "x"},
      {"7" + std::string(5000, '\x80'), "7"},
      {"7\xED\xA0\x80", "7"},  // a lone surrogate, as a browser sends it
      {"\xF0\x9F\x98\x80\xC0\x80", "\xF0\x9F\x98\x80"},
  };
  for (const auto& [typed, stored] : kept) {
    typeInto(1, typed.c_str());
    EXPECT_EQ(board().text(1), stored) << typed.size() << " bytes";
  }
  std::string umlauts;
  for (int k = 0; k < 100; ++k) umlauts += "\xC3\xA4";
  typeInto(1, umlauts.c_str());
  EXPECT_EQ(board().text(1), umlauts.substr(0, 2 * limit)) << "no character cut in two";
}

TEST_F(MainFormTest, WithPossibilitiesOnEveryEntryEndsWithTheirColours) {
  form.btnPlus_Click();
  form.btnPlus_Click();
  form.btnPlus_Click();
  ASSERT_EQ(form.ui().chosenDigit, "3");
  typeInto(1, "4");
  // Validation would paint the open cell 10 yellow; the possibilities of 3 grey it instead.
  EXPECT_EQ(board().background(10), colors::kMidGrey);
  EXPECT_EQ(board().background(2), colors::kLightGrey);
  EXPECT_EQ(board().background(cellAt(2, 0)), colors::kLightGrey);
  EXPECT_EQ(board().background(cellAt(6, 3)), colors::kLightGrey) << "holds a 3";
}

TEST_F(MainFormTest, PlusStepsThroughTheDigitsAndTypedDigitsDrawOnce) {
  std::string seen;
  for (int click = 0; click < 11; ++click) {
    form.btnPlus_Click();
    seen += form.ui().chosenDigit;
  }
  EXPECT_EQ(seen, "12345678901");
  EXPECT_TRUE(form.ui().possibilitiesOn);

  MainForm fresh(window, random, clock);
  fresh.Form_Load();
  Board& b = fresh.mutableGame().board;
  b.setText(40, "5");
  EXPECT_TRUE(fresh.playerEditedShowText("5"));
  EXPECT_EQ(b.background(41), colors::kMidGrey) << "drawn at once for 5";
  EXPECT_FALSE(fresh.ui().possibilitiesOn);
  fresh.cellGotFocus(10);
  fresh.playerEditedCell(10, "1");
  EXPECT_EQ(b.background(41), colors::kYellow) << "later changes do not follow it";
  fresh.btnPlus_Click();
  EXPECT_EQ(fresh.ui().chosenDigit, "6");
  // One whole character at most, however many bytes it takes; never part of one.
  const std::pair<std::string, std::string> kept[] = {
      {"ab", "a"},
      {"\xC3\xA4\xC3\xB6", "\xC3\xA4"},
      {"\xE2\x82\xAC\x80\x80", "\xE2\x82\xAC"},
      {"\xF0\x9F\x98\x80\x80\x80\x80", "\xF0\x9F\x98\x80"},
      {"\xC3" + std::string(5000, '\xA4'), "\xC3\xA4"},
      {"\xA4\xA4", ""},
      {"\xE2\x82", ""},
      {"\xE2\x82x", ""},
      {"\xFF\x80", ""},
      {"\xC0\x80", ""},  // written longer than it needs
      {"\xF4\x90\x80\x80", ""},
  };
  for (const auto& [typed, shown] : kept) {
    EXPECT_TRUE(fresh.playerEditedShowText(typed));
    EXPECT_EQ(fresh.ui().chosenDigit, shown) << typed.size() << " bytes";
  }
}

TEST_F(MainFormTest, RestartPutsTheHandedOutPuzzleBackThroughTheCascade) {
  typeInto(1, "4");
  typeInto(3, "8");
  form.btnLoesung_Click();
  form.takeRequests();
  form.cellGotFocus(70);
  form.BtnZur_Click();
  EXPECT_EQ(test::boardLine(board()), kPuzzleRows);
  EXPECT_EQ(form.lblFrei(), freeCellsCaption(openCells()));
  EXPECT_EQ(requested(), "focus 79") << "cell 80 changed last but moves nothing; 78 before it";

  form.takeRequests();
  form.BtnZur_Click();
  form.SudokuLaden_Click();
  EXPECT_EQ(requested(), "") << "nothing changed, nothing happens";

  // With the focus on the button, the first move comes from no cell: nothing is validated.
  typeInto(1, "4");
  form.cellLostFocus(2);
  greyAll();
  form.BtnZur_Click();
  EXPECT_EQ(form.focusedCell(), 2);
  EXPECT_FALSE(validated());

  // Before any puzzle the clue record is empty: restart leaves the empty board as it is.
  MainForm fresh(window, random, clock);
  fresh.Form_Load();
  fresh.BtnZur_Click();
  EXPECT_EQ(test::boardLine(fresh.game().board), std::string(kCells, '.'));
  EXPECT_EQ(fresh.lblFrei(), freeCellsCaption(kCells));
}

TEST_F(MainFormTest, RestartAndReloadAgreeFromTheSameState) {
  typeInto(1, "6");
  typeInto(12, "3");
  form.btnPlus_Click();
  const GameState before = form.game();
  const InterfaceState uiBefore = form.ui();
  form.takeRequests();
  form.BtnZur_Click();
  const Board afterRestart = board();
  const std::string freeAfterRestart = form.lblFrei();
  const std::string restartRequests = requested();

  form.mutableGame() = before;
  form.mutableUi() = uiBefore;
  form.SudokuLaden_Click();
  EXPECT_TRUE(board() == afterRestart);
  EXPECT_EQ(form.lblFrei(), freeAfterRestart);
  EXPECT_EQ(requested(), restartRequests);
}

TEST_F(MainFormTest, TheSolveButtonFillsRecountsAndSwitchesPossibilitiesOff) {
  form.btnPlus_Click();
  form.btnLoesung_Click();
  EXPECT_FALSE(form.ui().busy);
  EXPECT_FALSE(form.ui().possibilitiesOn);
  EXPECT_EQ(form.lblFrei(), freeCellsCaption(0));
  EXPECT_EQ(openCells(), 0);
  EXPECT_EQ(requested(), "") << "the solver's writes move no focus";
}

TEST_F(MainFormTest, FocusMovesThePlayerMakesValidateOnceAndTheFormsOwnAreNotRepeated) {
  form.cellGotFocus(5);
  greyAll();
  form.cellLostFocus(5);  // e.g. a click on a button
  EXPECT_TRUE(validated());
  EXPECT_EQ(form.focusedCell(), kNoCell);

  typeInto(3, "8");  // the form moves the focus to 4 and validates 3
  EXPECT_EQ(form.focusedCell(), 4);
  EXPECT_EQ(requested(), "focus 4");

  // Steps across the board as the player sees it, validating the cell left; none past an edge.
  struct Step {
    CellIndex from;
    FocusStep step;
    CellIndex to;
  };
  for (const Step s : {Step{cellAt(0, 2), FocusStep::Right, cellAt(0, 3)},
                       Step{cellAt(2, 4), FocusStep::Down, cellAt(3, 4)},
                       Step{cellAt(3, 0), FocusStep::Up, cellAt(2, 0)},
                       Step{cellAt(5, 6), FocusStep::Left, cellAt(5, 5)},
                       Step{cellAt(0, 0), FocusStep::Up, cellAt(0, 0)},
                       Step{cellAt(8, 8), FocusStep::Right, cellAt(8, 8)},
                       Step{cellAt(8, 0), FocusStep::Down, cellAt(8, 0)}}) {
    form.cellGotFocus(s.from);
    greyAll();
    form.takeRequests();
    form.playerMovedFocus(s.step);
    EXPECT_EQ(form.focusedCell(), s.to) << s.from;
    EXPECT_EQ(validated(), s.to != s.from) << s.from;
    EXPECT_EQ(requested(), s.to != s.from ? "focus " + std::to_string(s.to) : "") << s.from;
  }
  form.cellLostFocus(form.focusedCell());
  form.playerMovedFocus(FocusStep::Down);
  EXPECT_EQ(form.focusedCell(), kNoCell) << "no cell has the focus: no step";
}

TEST_F(MainFormTest, WhileGeneratingNothingTheWindowDeliversGetsThrough) {
  window.duringEvents = [&] {
    const std::string board = test::boardLine(form.game().board);
    const long long draws = random.drawCount();
    form.btnGO_Click();
    form.btnLoesung_Click();
    form.BtnZur_Click();
    form.SudokuLaden_Click();
    form.btnPlus_Click();
    form.mnuEnde_Click();
    EXPECT_FALSE(form.playerEditedCell(4, "9"));
    EXPECT_FALSE(form.playerEditedShowText("7"));
    form.cellGotFocus(3);
    form.cellLostFocus(3);
    EXPECT_EQ(test::boardLine(form.game().board), board);
    EXPECT_EQ(random.drawCount(), draws);
    EXPECT_FALSE(form.ui().possibilitiesOn);
    EXPECT_EQ(requested(), "splash") << "quit waits for the generation to end";
  };
  test::clickGenerate(form, window);
  EXPECT_EQ(window.eventPasses, 1);
  // "Beenden" is not lost: it is asked for, once, as soon as the generation has ended.
  EXPECT_EQ(requested(), "quit");
  EXPECT_FALSE(form.quitPending());
  EXPECT_FALSE(form.ui().busy);
}

TEST_F(MainFormTest, QuitEndsTheProgramThroughTheFrontEnd) {
  form.mnuEnde_Click();
  EXPECT_EQ(requested(), "quit");
}

}  // namespace
}  // namespace kalmotre
