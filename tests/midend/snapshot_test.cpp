#include "midend/snapshot.h"

#include <gtest/gtest.h>

#include <string>

#include "midend/mid_end.h"
#include "support/control_ids.h"
#include "support/fakes.h"

namespace kalmotre {
namespace {

std::string replaced(std::string text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The text with the line of one cell put in place of its own.
std::string withCell(const std::string& text, CellIndex cell, std::string_view line) {
  std::size_t at = text.find("\ncell ");
  for (CellIndex i = 0; i < cell; ++i) at = text.find("\ncell ", at + 1);
  const std::size_t end = text.find('\n', at + 1);
  return text.substr(0, at + 1) + std::string(line) + text.substr(end);
}

// A game well under way: a real puzzle, entries of every kind, the possibilities on, the other
// level chosen, a cell focused.
class SnapshotTest : public testing::Test {
 protected:
  SnapshotTest() : form(window, random, clock) {
    form.Form_Load();
    test::clickGenerate(form, window);
    int open = 0;
    for (CellIndex i = 0; i < kCells; ++i) {
      if (form.game().board.locked(i)) continue;
      // Whatever the entry keeps of bytes that are no text, the snapshot keeps too.
      const std::string entries[] = {"5", "", "a%b c\u00e4", std::string(64, 'z'),
                                     "\xF0\x9F\x98\x80\xC3\xC3\xED\xA0\x80"};
      if (open < 5) form.playerEditedCell(i, entries[open]);
      ++open;
      lastOpen = i;
    }
    form.btnPlus_Click();
    form.btnPlus_Click();
    form.playerChoseLevel(Level::Leicht);
    form.cellGotFocus(lastOpen);
    form.takeRequests();
  }

  test::RecordingWindow window;
  EngineRandomSource random;
  SteppingClock clock;
  MainForm form;
  CellIndex lastOpen = kNoCell;
};

TEST_F(SnapshotTest, BringsBackEveryFieldAndNothingRuns) {
  const std::string text = form.snapshot();
  ASSERT_FALSE(text.empty());

  test::RecordingWindow otherWindow;
  MainForm other(otherWindow, random, clock);
  other.Form_Load();
  ASSERT_TRUE(other.restore(text));
  EXPECT_TRUE(other.game().board == form.game().board) << "texts, colours and locks";
  EXPECT_EQ(other.game().solution, form.game().solution);
  EXPECT_EQ(other.game().givens, form.game().givens);
  EXPECT_EQ(other.ui().level, Level::Leicht);
  EXPECT_EQ(other.ui().chosenDigit, "2");
  EXPECT_TRUE(other.ui().possibilitiesOn);
  EXPECT_EQ(other.ui().freeCells, form.ui().freeCells);
  EXPECT_EQ(other.focusedCell(), lastOpen);
  EXPECT_FALSE(other.ui().busy);
  const Requests asked = other.takeRequests();
  EXPECT_TRUE(asked.focus == kNoControl && !asked.splash && !asked.resume) << "no handler ran";
  EXPECT_EQ(other.snapshot(), text);

  // The game goes on from there: a restart brings back the puzzle as it was handed out.
  other.BtnZur_Click();
  for (CellIndex i = 0; i < kCells; ++i) {
    const std::int32_t given = other.game().givens[i];
    EXPECT_EQ(other.game().board.text(i), given == 0 ? "" : std::to_string(given));
  }

  // So does the window before its first puzzle.
  MainForm fresh(otherWindow, random, clock);
  fresh.Form_Load();
  MainForm again(otherWindow, random, clock);
  ASSERT_TRUE(again.restore(fresh.snapshot()));
  EXPECT_EQ(again.snapshot(), fresh.snapshot());
  EXPECT_EQ(again.lblFrei(), "Freie Felder: 81");
}

TEST_F(SnapshotTest, DuringAGenerationThereIsNoneToTakeOrBringBack) {
  const std::string before = form.snapshot();
  form.btnGO_Click();  // the first half: the grid shown, the carving to come
  EXPECT_EQ(form.snapshot(), "");
  EXPECT_FALSE(form.restore(before));
  form.resume();
  EXPECT_TRUE(form.restore(before));
}

TEST_F(SnapshotTest, AnythingButASoundSnapshotChangesNothing) {
  const std::string good = form.snapshot();
  CellIndex clueCell = 0;
  while (form.game().givens[clueCell] == 0) ++clueCell;
  const std::string clue = std::to_string(form.game().givens[clueCell]);
  auto clueLine = [&](std::string_view line) { return withCell(good, clueCell, line); };
  std::string swapped = good;  // two digits of the complete grid exchanged
  const std::size_t grid = swapped.find("solution ") + 9;
  std::swap(swapped[grid], swapped[grid + 1]);
  // A clue, and the cell that shows it, both another digit than the complete grid's there.
  std::string disagreeing =
      clueLine("cell clue clue " + std::to_string(clue == "9" ? 1 : std::stoi(clue) + 1));
  disagreeing[disagreeing.find("givens ") + 7 + 9 * rowOf(clueCell) + columnOf(clueCell)] =
      clue == "9" ? '1' : static_cast<char>(clue[0] + 1);
  std::string nul = good;
  nul[good.size() / 2] = '\0';

  const std::string counter = "counter " + std::to_string(form.ui().freeCells);
  // What the first release kept: its codes for the level, the grids, the colours and the counter.
  std::string firstRelease =
      "KALMOTRE-Spielstand 1\nlevel 1\ndigit X\npossibilities 0\ncounter Freie%20Felder:%2081\n"
      "focus -1\nsolution " +
      std::string(81, '0') + "\ngivens " + std::string(81, '0') + "\n";
  for (CellIndex i = 0; i < kCells; ++i) firstRelease += "cell FFFFFF 000000 \n";

  const std::string bad[] = {
      "",
      "KALMOTRE-Spielstand 2",
      firstRelease,
      replaced(good, "Spielstand 2", "Spielstand 3"),
      good + "cell clue clue \n",
      good + good,
      replaced(good, "level 0", "level 2"),
      replaced(good, "level 0", "level 00"),
      replaced(good, "possibilities 1", "possibilities -1"),
      replaced(good, "focus " + std::to_string(lastOpen), "focus 81"),
      replaced(good, "digit 2", "digit 23"),
      replaced(good, "digit 2", "digit %FF"),
      replaced(good, "digit 2", "digit %C3%A"),
      replaced(good, "digit 2", "digit %G2"),
      replaced(good, "digit 2", "digit %"),
      replaced(good, "digit 2", "digit %C0%80"),  // an overlong form of NUL
      replaced(good, counter, "counter -1"),
      replaced(good, counter, "counter 82"),
      replaced(good, counter, counter + "0"),
      replaced(good, counter, "counter 0" + counter.substr(8)),
      replaced(good, counter, "counter Freie%20Felder:%20" + counter.substr(8)),
      swapped,
      replaced(good, "givens ", "givens 0"),
      replaced(good, "givens ", "givens 0" + std::string(80, '0') + "\nx "),
      clueLine("cell clue clue " + clue + "0"),  // a clue that is not its digit
      disagreeing,
      clueLine("cell clue clue "),
      clueLine("cell yellow clue " + clue),  // colours by no role's name
      clueLine("cell clue complete " + clue),
      clueLine("cell Clue clue " + clue),
      clueLine("cell FFFFFF 000000 " + clue),
      clueLine("cell clue clue"),
      clueLine("cell clue"),
      replaced(good, std::string(64, 'z'), std::string(63, 'z') + "%C3"),  // a cut character
      replaced(good, std::string(64, 'z'), std::string(65, 'z')),
      replaced(good, "\ncell", "\nzelle"),
      nul,
      std::string(kSnapshotLimit + 1, 'x'),
  };
  for (std::size_t k = 0; k < std::size(bad); ++k) {
    SCOPED_TRACE(k);
    EXPECT_FALSE(form.restore(bad[k]));
    EXPECT_EQ(form.snapshot(), good) << "a refused text changed the game";
  }
  // Cut anywhere, it is refused: only the final line break may go.
  for (std::size_t length = 0; length + 1 < good.size(); ++length) {
    ASSERT_FALSE(form.restore(std::string_view(good).substr(0, length))) << length;
  }
  EXPECT_TRUE(form.restore(good.substr(0, good.size() - 1)));
  EXPECT_EQ(form.snapshot(), good);
}

TEST(SnapshotMidEnd, RestoringShowsTheGameAndClosesTheSplash) {
  test::RecordingWindow window;
  EngineRandomSource random;
  SteppingClock clock;
  MidEnd playing(window, random, clock);
  playing.handle(events::load());
  playing.handle(events::click(ids::kBtnGO));
  playing.handle(events::resume());
  ASSERT_TRUE(playing.splashOpen());
  playing.handle(events::focusIn(cellControl(40)));
  const std::string text = playing.snapshot();

  MidEnd restored(window, random, clock);
  restored.handle(events::load());
  restored.handle(events::click(ids::kBtnGO));
  EXPECT_FALSE(restored.restore(text)) << "not in the middle of a generation";
  restored.handle(events::resume());
  const auto list = restored.restore(text);
  ASSERT_TRUE(list.has_value());
  EXPECT_FALSE(restored.splashOpen());
  EXPECT_EQ(list->focus, cellControl(40));
  for (int id = 0; id < kControlCount; ++id) {
    if (control(id).window != WindowName::Main) continue;
    EXPECT_EQ(restored.stateOf(id).text, playing.stateOf(id).text) << objectName(id);
  }
  EXPECT_FALSE(restored.restore("KALMOTRE-Spielstand 1\nlevel 1\n").has_value());
}

}  // namespace
}  // namespace kalmotre
