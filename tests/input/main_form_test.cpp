#include "input/main_form.h"

#include <gtest/gtest.h>

#include "support/boards.h"
#include "support/fakes.h"

namespace kalmotre {
namespace {

constexpr const char* kPuzzleRows = test::kPlayablePuzzle;

// A form with a puzzle handed out: clues locked, open cells yellow, the clue record taken.
class MainFormTest : public testing::Test {
 protected:
  MainFormTest() : form(view, random, clock) {
    form.Form_Load();
    test::handOutPuzzle(form.mutableForm(), kPuzzleRows);
  }

  int openCells() const {
    int n = 0;
    for (CellIndex i = 0; i < kCells; ++i) n += form.form().board.isEmptyText(i) ? 1 : 0;
    return n;
  }
  const Board& board() const { return form.form().board; }
  // Paints every cell grey, so a validation repaint shows.
  void greyAll() {
    for (CellIndex i = 0; i < kCells; ++i) {
      form.mutableForm().board.setColors(i, colors::kMidGrey, colors::kBlack);
    }
  }
  bool validated() const { return board().background(1) == colors::kYellow; }
  // The player clicks into a cell and types.
  void typeInto(CellIndex cell, const char* text) {
    form.cellGotFocus(cell);
    EXPECT_TRUE(form.playerEditedCell(cell, text));
  }

  test::RecordingView view;
  EngineRandomSource random;
  SteppingClock clock;
  MainForm form;
};

TEST_F(MainFormTest, TypingADigitRecountsMovesTheFocusOnAndValidatesTheCellLeft) {
  const int open = openCells();
  greyAll();
  typeInto(8, "7");
  EXPECT_EQ(form.form().lblFrei, freeCellsCaption(open - 1));
  EXPECT_EQ(view.calls, std::vector<std::string>{"focus 9"});
  EXPECT_EQ(form.focusedCell(), 9);
  EXPECT_TRUE(validated());
}

TEST_F(MainFormTest, DeletingADigitRaisesTheCountAndStillMovesOn) {
  const int open = openCells();
  typeInto(39, "6");
  view.calls.clear();
  typeInto(39, "");
  EXPECT_EQ(form.form().lblFrei, freeCellsCaption(open));
  EXPECT_EQ(view.calls, std::vector<std::string>{"focus 40"});
}

TEST_F(MainFormTest, TheLastCellKeepsTheFocusAndZeroCountsAsFree) {
  const int open = openCells();
  // A free cell is one whose value is 0, whatever its text.
  for (const char* free : {"0", "x", " ", "-0", "ab7"}) {
    typeInto(78, free);
    EXPECT_EQ(form.form().lblFrei, freeCellsCaption(open)) << '"' << free << "\" is free";
  }
  typeInto(78, "7x");
  EXPECT_EQ(form.form().lblFrei, freeCellsCaption(open - 1));
  view.calls.clear();
  greyAll();
  typeInto(80, "2");
  EXPECT_TRUE(view.calls.empty());
  EXPECT_EQ(form.focusedCell(), 80);
  EXPECT_FALSE(validated()) << "no focus move, no repaint";
}

TEST_F(MainFormTest, NothingHappensForWritesWhileBusyAndBusyRefusesThePlayer) {
  form.mutableForm().state.busy = true;
  const std::string before = form.form().lblFrei;
  form.mutableForm().board.setText(1, "4");
  EXPECT_FALSE(form.playerEditedCell(3, "5"));
  EXPECT_EQ(board().text(3), "");
  EXPECT_EQ(form.form().lblFrei, before);
  EXPECT_TRUE(view.calls.empty());
}

TEST_F(MainFormTest, LockedCellsRefuseThePlayerButNotTheProgram) {
  EXPECT_FALSE(form.playerEditedCell(0, "9"));
  EXPECT_EQ(board().text(0), "2");
}

TEST_F(MainFormTest, WithPossibilitiesOnEveryEntryEndsWithTheirColours) {
  form.btnPlus_Click();
  form.btnPlus_Click();
  form.btnPlus_Click();
  ASSERT_EQ(form.form().txtShow, "3");
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
    seen += form.form().txtShow;
  }
  EXPECT_EQ(seen, "12345678901");
  EXPECT_TRUE(form.form().state.possibilitiesOn);

  MainForm fresh(view, random, clock);
  fresh.Form_Load();
  FormState& s = fresh.mutableForm();
  s.board.setText(40, "5");
  EXPECT_TRUE(fresh.playerEditedShowText("5"));
  EXPECT_EQ(s.board.background(41), colors::kMidGrey) << "drawn at once for 5";
  EXPECT_FALSE(s.state.possibilitiesOn);
  fresh.cellGotFocus(10);
  fresh.playerEditedCell(10, "1");
  EXPECT_EQ(s.board.background(41), colors::kYellow) << "later changes do not follow it";
  fresh.btnPlus_Click();
  EXPECT_EQ(s.txtShow, "6");
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
  };
  for (const auto& [typed, shown] : kept) {
    EXPECT_TRUE(fresh.playerEditedShowText(typed));
    EXPECT_EQ(s.txtShow, shown) << typed.size() << " bytes";
  }
}

TEST_F(MainFormTest, RestartPutsTheHandedOutPuzzleBackThroughTheCascade) {
  typeInto(1, "4");
  typeInto(3, "8");
  form.btnLoesung_Click();
  view.calls.clear();
  form.cellGotFocus(70);
  form.BtnZur_Click();
  EXPECT_EQ(test::boardLine(board()), kPuzzleRows);
  EXPECT_EQ(form.form().lblFrei, freeCellsCaption(openCells()));
  ASSERT_FALSE(view.calls.empty());
  EXPECT_EQ(view.calls.back(), "focus 79")
      << "cell 80 changed last but moves nothing; 78 before it";

  view.calls.clear();
  form.BtnZur_Click();
  form.SudokuLaden_Click();
  EXPECT_TRUE(view.calls.empty()) << "nothing changed, nothing happens";

  // With the focus on the button, the first move comes from no cell: nothing is validated.
  typeInto(1, "4");
  form.cellLostFocus(2);
  greyAll();
  form.BtnZur_Click();
  EXPECT_EQ(form.focusedCell(), 2);
  EXPECT_FALSE(validated());

  // Before any puzzle the clue record is empty: restart leaves the empty board as it is.
  MainForm fresh(view, random, clock);
  fresh.Form_Load();
  fresh.BtnZur_Click();
  EXPECT_EQ(test::boardLine(fresh.form().board), std::string(kCells, '.'));
  EXPECT_EQ(fresh.form().lblFrei, freeCellsCaption(kCells));
}

TEST_F(MainFormTest, RestartAndReloadAgreeFromTheSameState) {
  typeInto(1, "6");
  typeInto(12, "3");
  form.btnPlus_Click();
  const FormState before = form.form();
  const CellIndex focus = form.focusedCell();
  form.BtnZur_Click();
  const std::string afterRestart = test::boardLine(board());
  const std::string freeAfterRestart = form.form().lblFrei;
  const std::vector<std::string> restartCalls = view.calls;

  form.mutableForm() = before;
  form.cellGotFocus(focus);
  view.calls.clear();
  form.SudokuLaden_Click();
  EXPECT_EQ(test::boardLine(board()), afterRestart);
  EXPECT_EQ(form.form().lblFrei, freeAfterRestart);
}

TEST_F(MainFormTest, TheSolveButtonFillsRecountsAndSwitchesPossibilitiesOff) {
  form.btnPlus_Click();
  form.btnLoesung_Click();
  EXPECT_FALSE(form.form().state.busy);
  EXPECT_FALSE(form.form().state.possibilitiesOn);
  EXPECT_EQ(form.form().lblFrei, freeCellsCaption(0));
  EXPECT_EQ(openCells(), 0);
  EXPECT_TRUE(view.calls.empty()) << "the solver's writes move no focus";
}

TEST_F(MainFormTest, FocusMovesThePlayerMakesValidateOnceAndTheFormsOwnAreNotRepeated) {
  form.cellGotFocus(5);
  greyAll();
  form.cellLostFocus(5);  // e.g. a click on a button
  EXPECT_TRUE(validated());
  EXPECT_EQ(form.focusedCell(), kNoCell);

  typeInto(3, "8");  // the form moves the focus to 4 and validates 3
  greyAll();
  form.cellLostFocus(3);  // the widget reports the move the form made
  form.cellGotFocus(4);
  EXPECT_FALSE(validated());
  EXPECT_EQ(form.focusedCell(), 4);

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
    view.calls.clear();
    form.playerMovedFocus(s.step);
    EXPECT_EQ(form.focusedCell(), s.to) << s.from;
    EXPECT_EQ(validated(), s.to != s.from) << s.from;
    EXPECT_EQ(view.calls.size(), s.to != s.from ? 1u : 0u) << s.from;
  }
  form.cellLostFocus(form.focusedCell());
  form.playerMovedFocus(FocusStep::Down);
  EXPECT_EQ(form.focusedCell(), kNoCell) << "no cell has the focus: no step";
}

TEST_F(MainFormTest, WhileGeneratingNothingTheWindowDeliversGetsThrough) {
  std::vector<std::string> calls;
  view.duringEvents = [&] {
    const std::string board = test::boardLine(form.form().board);
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
    EXPECT_EQ(test::boardLine(form.form().board), board);
    EXPECT_EQ(random.drawCount(), draws);
    EXPECT_FALSE(form.form().state.possibilitiesOn);
    EXPECT_EQ(view.calls.back(), "events") << "quit waits for the generation to end";
  };
  form.btnGO_Click();
  EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "events"), 1);
  // "Beenden" is not lost: it is carried out, once, as soon as the generation has ended.
  EXPECT_EQ(view.calls.back(), "quit");
  EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "quit"), 1);
  EXPECT_FALSE(form.quitPending());
  EXPECT_FALSE(form.form().state.busy);
}

TEST_F(MainFormTest, QuitEndsTheProgramThroughTheView) {
  form.mnuEnde_Click();
  EXPECT_EQ(view.calls, std::vector<std::string>{"quit"});
}

}  // namespace
}  // namespace kalmotre
