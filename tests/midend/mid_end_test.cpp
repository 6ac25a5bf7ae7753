#include "midend/mid_end.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <set>

#include "midend/arrangement.h"
#include "midend/json.h"
#include "support/boards.h"
#include "support/control_ids.h"
#include "support/fakes.h"
#include "support/layout_oracle.h"

namespace kalmotre {
namespace {

TEST(ControlTable, EveryControlSitsWhereTheRecordedLayoutPutsIt) {
  const auto expected = test::expectedLayout();
  int placed = 0;
  for (int id = 0; id < kControlCount; ++id) {
    const Control& c = control(id);
    if (c.kind == ControlKind::Window || c.kind == ControlKind::MenuItem ||
        c.kind == ControlKind::Timer) {
      continue;
    }
    const std::string key =
        std::string(c.window == WindowName::Main ? "main " : "splash ") + objectName(id);
    SCOPED_TRACE(key);
    const auto found = expected.find(key);
    ASSERT_NE(found, expected.end()) << "a control the layout does not know";
    const test::ExpectedBox& box = found->second;
    EXPECT_EQ(c.rect, (Rect{box.left, box.top, box.width, box.height}));
    EXPECT_EQ(c.sizedToText, box.sizedToText);
    ++placed;
  }
  EXPECT_EQ(placed, static_cast<int>(expected.size())) << "a recorded control has no row";
  EXPECT_EQ(control(ids::kMainWindow).rect, (Rect{3135, 2565, 5625, 6735}));
  EXPECT_EQ(control(ids::kSplash).rect.width, 7380);
  EXPECT_EQ(control(ids::kSplash).rect.height, 4245);
  EXPECT_EQ(accessibleName(cellControl(24)), "Zeile 3, Spalte 7");
  EXPECT_EQ(objectName(ids::kMnuEnde), "mnuEnde_1");
  EXPECT_EQ(designCaption(helpLabelControl(10)), "2");
}

// On a phone every control the window shows has a region, one place in it, and type a finger-sized
// screen can read: the cells' digits at least 20 pixels, captions and buttons at least 14, nothing
// under 12. The hidden help grid stays out, as in the window.
TEST(ControlTable, ThePhoneArrangementPlacesEveryShownControlOnceAndLegibly) {
  std::set<std::pair<Region, int>> taken;
  for (int id = 0; id < kControlCount; ++id) {
    const Control& c = control(id);
    const PhonePlace place = c.phone;
    SCOPED_TRACE(objectName(id));
    const bool shown = c.kind != ControlKind::Timer && c.kind != ControlKind::HelpLabel &&
                       c.kind != ControlKind::Shape && id != ids::kMainWindow;
    EXPECT_EQ(place.region != Region::None, shown);
    if (!shown) continue;
    if (c.kind != ControlKind::Window && c.kind != ControlKind::Image &&
        !(c.kind == ControlKind::Frame && c.window == WindowName::Splash)) {
      EXPECT_TRUE(taken.insert({place.region, place.order}).second) << "two controls, one place";
    }
    if (!c.caption.empty() || c.kind == ControlKind::Cell || c.kind == ControlKind::MenuItem) {
      const int least = c.kind == ControlKind::Cell                  ? 20
                        : c.window == WindowName::Splash             ? 12
                        : c.kind == ControlKind::Label && c.wordWrap ? 12
                                                                     : 14;
      EXPECT_GE(place.fontPixels, least);
    }
  }
  EXPECT_EQ(control(cellControl(24)).phone.order, 9 * 2 + 6) << "row 3, column 7";
  EXPECT_EQ(regionName(Region::Pad), "pad");
}

// On a touch screen the desktop window's small controls take taps in areas grown toward a finger's
// size, each clear of every other control and area: as the page measured them when it grew them
// itself, pixel by pixel.
TEST(ControlTable, TouchAreasGrowTowardAFingerAndStayClearOfEachOther) {
  const std::map<std::string, PixelBox> expected = {
      {"btnGO", {157, 0, 104, 44}},      {"btnLoesung", {269, 0, 105, 44}},
      {"optLevel_0", {224, 44, 74, 28}}, {"optLevel_1", {224, 72, 74, 16}},
      {"BtnZur", {303, 44, 64, 44}},     {"txtShow", {74, 32, 44, 24}},
      {"btnPlus", {80, 56, 44, 32}}};
  std::map<std::string, PixelBox> grown;
  for (int id = 0; id < kControlCount; ++id) {
    if (const std::optional<PixelBox> area = touchArea(id)) grown[objectName(id)] = *area;
  }
  EXPECT_EQ(grown, expected);
  for (const auto& [name, area] : grown) {
    for (const auto& [other, box] : grown) {
      const bool apart = area.left + area.width <= box.left || box.left + box.width <= area.left ||
                         area.top + area.height <= box.top || box.top + box.height <= area.top;
      EXPECT_TRUE(other == name || apart) << name << " and " << other;
    }
  }
}

class MidEndTest : public testing::Test {
 protected:
  MidEndTest() : midEnd(window, random, clock) {
    midEnd.handle(events::load());
    test::handOutPuzzle(midEnd.form(), test::kPlayablePuzzle);
    midEnd.changes();
  }

  static std::vector<std::string> describe(const ChangeList& list) {
    std::vector<std::string> said;
    for (const Change& c : list.changes) {
      said.push_back(objectName(c.control) + " " + std::to_string(static_cast<int>(c.property)) +
                     " " + c.text);
    }
    return said;
  }
  static bool touches(const ChangeList& list, int id, Property property) {
    return std::any_of(list.changes.begin(), list.changes.end(),
                       [&](const Change& c) { return c.control == id && c.property == property; });
  }
  void greyAll() {
    for (CellIndex i = 0; i < kCells; ++i) {
      midEnd.form().mutableGame().board.setColors(i, colors::kMidGrey, colors::kBlack);
    }
    midEnd.changes();
  }
  bool validated() const { return midEnd.form().game().board.background(1) == colors::kYellow; }

  test::RecordingWindow window;
  EngineRandomSource random;
  SteppingClock clock;
  MidEnd midEnd;
};

TEST_F(MidEndTest, HandsOutWhatChangedAndPutsBackARefusedEdit) {
  EXPECT_TRUE(midEnd.changes().changes.empty()) << "nothing changed since the last hand-out";

  // The typed digit is on screen already: the list moves the focus and recounts.
  midEnd.handle(events::focusIn(cellControl(1)));
  const ChangeList typed = midEnd.handle(events::edit(cellControl(1), "4"));
  EXPECT_FALSE(touches(typed, cellControl(1), Property::Text));
  EXPECT_TRUE(touches(typed, ids::kLblFrei, Property::Text));
  EXPECT_TRUE(touches(typed, cellControl(1), Property::Description));
  EXPECT_EQ(typed.focus, cellControl(2));

  // A clue refuses the entry: its text comes back.
  const ChangeList refused = midEnd.handle(events::edit(cellControl(0), "7"));
  ASSERT_EQ(describe(refused), (std::vector<std::string>{"txtZahl_0 0 2"}));

  // Across the boundary: one JSON text, its strings escaped.
  ChangeList odd;
  odd.changes.push_back({cellControl(3), Property::Text, "a\"b\\\n", 0});
  odd.openAddress = kMakerAddress;
  EXPECT_EQ(changeListJson(odd),
            "{\"changes\":[[" + std::to_string(cellControl(3)) +
                ",\"text\",\"a\\\"b\\\\\\u000a\"]],\"focus\":-1,\"select\":-1,\"resume\":false,"
                "\"quit\":false,"
                "\"keyTaken\":false,\"keyUp\":false,\"print\":false,\"open\":\"https://"
                "tavuro.example/\"}");
  const std::string table = controlTableJson();
  std::size_t rows = 0;
  for (std::size_t at = table.find("{\"id\":"); at != std::string::npos;
       at = table.find("{\"id\":", at + 1)) {
    ++rows;
  }
  EXPECT_EQ(rows, static_cast<std::size_t>(kControlCount));
}

TEST_F(MidEndTest, OnlyThePlayersFocusMovesValidate) {
  midEnd.handle(events::focusIn(cellControl(1)));
  midEnd.handle(events::edit(cellControl(1), "4"));  // the game moves the focus on to cell 2
  greyAll();
  // The front end's echo of that move: cell 1 losing the focus, cell 2 getting it.
  midEnd.handle(events::focusOut(cellControl(1), FocusCause::Player));
  midEnd.handle(events::focusIn(cellControl(2)));
  EXPECT_FALSE(validated());
  midEnd.handle(events::focusOut(cellControl(2), FocusCause::LeftWindow));
  EXPECT_FALSE(validated()) << "another application took the keyboard";
  EXPECT_EQ(midEnd.form().focusedCell(), 2);
  midEnd.handle(events::focusOut(cellControl(2), FocusCause::Player));
  EXPECT_TRUE(validated());
  EXPECT_EQ(midEnd.form().focusedCell(), kNoCell);
}

TEST_F(MidEndTest, KeysBecomeFocusStepsAndCommands) {
  midEnd.handle(events::focusIn(cellControl(cellAt(4, 4))));
  const ChangeList right = midEnd.handle(events::key(cellControl(cellAt(4, 4)), "ArrowRight", 0));
  EXPECT_TRUE(right.keyTaken);
  EXPECT_EQ(right.focus, cellControl(cellAt(4, 5)));
  EXPECT_FALSE(
      midEnd.handle(events::key(cellControl(cellAt(4, 5)), "ArrowRight", modifiers::kShift))
          .keyTaken);
  EXPECT_FALSE(midEnd.handle(events::key(cellControl(cellAt(4, 5)), "7", 0)).keyTaken);
  EXPECT_FALSE(midEnd.handle(events::key(ids::kBtnGO, "ArrowLeft", 0)).keyTaken)
      << "arrows step cells only";
  const ChangeList print = midEnd.handle(events::key(kNoControl, "p", modifiers::kControl));
  EXPECT_TRUE(print.print && print.keyTaken);
  EXPECT_FALSE(
      midEnd.handle(events::key(kNoControl, "p", modifiers::kControl | modifiers::kShift)).print);
  const ChangeList generate = midEnd.handle(events::key(kNoControl, "n", modifiers::kControl));
  EXPECT_TRUE(generate.keyTaken);
  EXPECT_TRUE(generate.resume);
  const ChangeList busyPrint = midEnd.handle(events::key(kNoControl, "P", modifiers::kControl));
  EXPECT_TRUE(busyPrint.keyTaken && !busyPrint.print) << "nothing is printed mid-generation";
  midEnd.handle(events::resume());
  EXPECT_TRUE(midEnd.handle(events::key(kNoControl, "q", modifiers::kControl)).quit);
}

TEST_F(MidEndTest, APrintoutShowsTheBoardRowByRowAndTheCounter) {
  midEnd.handle(events::edit(cellControl(cellAt(0, 1)), "4x"));
  midEnd.handle(events::click(optionControl(0)));
  const PrintSheet sheet = midEnd.printSheet();
  std::string rows;
  for (const PrintSheet::Cell& cell : sheet.cells) rows += cell.text.empty() ? "." : cell.text;
  std::string expected = test::kPlayablePuzzle;
  expected.replace(1, 1, "4x");
  EXPECT_EQ(rows, expected);
  EXPECT_TRUE(sheet.cells[0].clue);
  EXPECT_FALSE(sheet.cells[1].clue);
  EXPECT_EQ(sheet.level, "Level: Leicht");
  EXPECT_EQ(sheet.counter, midEnd.form().lblFrei());
  EXPECT_EQ(printSheetJson(sheet).rfind("{\"cells\":[[\"2\",true],[\"4x\",false],", 0), 0u);
}

TEST_F(MidEndTest, TheMenuBarTakesTheKeyboardWithF10OrAltAlone) {
  const auto highlighted = [&] {
    for (int id : {ids::kSudokuLaden, ids::kMnuEnde}) {
      if (midEnd.stateOf(id).highlighted) return objectName(id);
    }
    return std::string();
  };
  midEnd.handle(events::focusIn(cellControl(1)));
  EXPECT_TRUE(midEnd.handle(events::key(cellControl(1), "F10", 0)).keyTaken);
  EXPECT_EQ(highlighted(), "SudokuLaden");
  for (const char* step : {"ArrowRight", "ArrowRight", "ArrowLeft"}) {
    EXPECT_TRUE(midEnd.handle(events::key(kNoControl, step, 0)).keyTaken);
  }
  EXPECT_EQ(highlighted(), "mnuEnde_1") << "the choice wraps at either end";
  EXPECT_TRUE(midEnd.handle(events::key(kNoControl, "Escape", 0)).keyTaken);
  EXPECT_EQ(highlighted(), "");

  // Alt alone, pressed and let go; Alt with another key is the browser's or the desktop's. Only
  // Alt alone asks for its release.
  EXPECT_TRUE(midEnd.handle(events::key(kNoControl, "Alt", modifiers::kAlt)).keyUpWanted);
  EXPECT_FALSE(midEnd.handle(events::key(kNoControl, "d", modifiers::kAlt)).keyUpWanted);
  EXPECT_FALSE(midEnd.handle(events::keyUp(kNoControl, "Alt", 0)).keyTaken);
  EXPECT_EQ(highlighted(), "");
  midEnd.handle(events::key(kNoControl, "Alt", modifiers::kAlt));
  EXPECT_TRUE(midEnd.handle(events::keyUp(kNoControl, "Alt", 0)).keyTaken);
  EXPECT_EQ(highlighted(), "SudokuLaden");

  // A click or an entry ends the mode; a second Alt alone does too.
  midEnd.handle(events::edit(cellControl(1), "4"));
  EXPECT_EQ(highlighted(), "");
  midEnd.handle(events::key(kNoControl, "Alt", modifiers::kAlt));
  midEnd.handle(events::keyUp(kNoControl, "Alt", 0));
  midEnd.handle(events::key(kNoControl, "Alt", modifiers::kAlt));
  midEnd.handle(events::keyUp(kNoControl, "Alt", 0));
  EXPECT_EQ(highlighted(), "");

  // Return carries out the chosen item: "Sudoku neu Laden" puts the puzzle back.
  midEnd.handle(events::key(kNoControl, "F10", 0));
  EXPECT_TRUE(midEnd.handle(events::key(kNoControl, "Enter", 0)).keyTaken);
  EXPECT_EQ(test::boardLine(midEnd.form().game().board), test::kPlayablePuzzle);
  EXPECT_EQ(highlighted(), "");
  midEnd.handle(events::key(kNoControl, "F10", 0));
  midEnd.handle(events::key(kNoControl, "ArrowLeft", 0));
  EXPECT_TRUE(midEnd.handle(events::key(kNoControl, "Enter", 0)).quit);
}

TEST_F(MidEndTest, GenerationPaintsTheFrameAndTheSplashBeforeItResumes) {
  const ChangeList first = midEnd.handle(events::click(ids::kBtnGO));
  EXPECT_TRUE(first.resume);
  EXPECT_TRUE(touches(first, ids::kFrame2, Property::Visible));
  EXPECT_TRUE(touches(first, ids::kSplash, Property::Visible));
  EXPECT_TRUE(touches(first, ids::kTimer1, Property::Running));
  EXPECT_TRUE(touches(first, cellControl(1), Property::ReadOnly)) << "busy: nothing typed lands";
  // What the player does in the event pass is refused; the grid stays on the board.
  const std::string grid = test::boardLine(midEnd.form().game().board);
  EXPECT_FALSE(midEnd.handle(events::click(ids::kBtnLoesung)).resume);
  EXPECT_FALSE(midEnd.handle(events::click(ids::kBtnGO)).resume);
  EXPECT_EQ(test::boardLine(midEnd.form().game().board), grid);

  const ChangeList second = midEnd.handle(events::resume());
  EXPECT_FALSE(second.resume);
  EXPECT_TRUE(touches(second, ids::kFrame2, Property::Visible));
  EXPECT_FALSE(midEnd.form().ui().busy);
  EXPECT_NE(test::boardLine(midEnd.form().game().board), grid) << "carved";
  EXPECT_TRUE(midEnd.handle(events::resume()).changes.empty()) << "a second resume does nothing";
}

TEST_F(MidEndTest, TheSplashCountsOnTicksOpensTheMakersPageAndClosesAtTheSeventh) {
  midEnd.handle(events::click(ids::kBtnGO));
  midEnd.handle(events::resume());
  EXPECT_EQ(midEnd.handle(events::click(ids::kImgLogo)).openAddress, kMakerAddress);
  EXPECT_EQ(midEnd.handle(events::drop(ids::kSplashFrame)).openAddress, kMakerAddress);
  std::vector<std::string> lines;
  for (int tick = 0; tick < 6; ++tick) {
    for (const Change& c : midEnd.handle(events::timer(ids::kTimer1)).changes)
      lines.push_back(c.text);
  }
  EXPECT_EQ(lines.front(), "noch 5 sec dann geht's weiter");
  EXPECT_EQ(lines.back(), "noch 0 sec dann geht's weiter");
  midEnd.handle(events::click(ids::kBtnGO));  // a running count is not restarted
  midEnd.handle(events::resume());
  EXPECT_EQ(midEnd.countdown().tickCount(), 6);
  const ChangeList closing = midEnd.handle(events::timer(ids::kTimer1));
  EXPECT_TRUE(touches(closing, ids::kSplash, Property::Visible));
  EXPECT_FALSE(midEnd.splashOpen());
  EXPECT_TRUE(midEnd.handle(events::click(ids::kLblCompany)).openAddress.empty())
      << "no window, no link";
  EXPECT_TRUE(midEnd.handle(events::timer(ids::kTimer1)).changes.empty());
}

// A cell says in words what its colours say: clue or entry or free; while it is green, which of
// its units add up to 45; while the possibilities are shown, whether the chosen digit is ruled
// out there or can still go. The marks carry the same states for a contrast theme.
TEST_F(MidEndTest, DescribesInWordsWhatTheColoursSay) {
  const std::string rows = test::kBaseRows;
  for (int column = 0; column < 9; ++column) {
    const CellIndex cell = cellAt(0, column);
    if (midEnd.form().game().board.locked(cell)) continue;
    midEnd.handle(events::focusIn(cellControl(cell)));
    midEnd.handle(
        events::edit(cellControl(cell), rows.substr(static_cast<std::size_t>(column), 1)));
  }
  const auto state = [&](int row, int column) {
    return midEnd.stateOf(cellControl(cellAt(row, column)));
  };
  EXPECT_EQ(state(0, 0).description, "Vorgabe, Zeile ergibt 45");
  EXPECT_EQ(state(0, 0).marks, "clue complete");
  EXPECT_EQ(state(0, 1).description, "4, Zeile ergibt 45");
  EXPECT_EQ(state(0, 1).marks, "complete");
  EXPECT_EQ(state(1, 0).description, "frei");
  EXPECT_EQ(state(1, 0).marks, "");

  midEnd.handle(
      events::click(ids::kBtnPlus));  // the 1s: the first row holds one in its seventh column
  EXPECT_EQ(state(0, 1).description, "4, die 1 ist hier ausgeschlossen");
  EXPECT_EQ(state(0, 1).marks, "excluded");
  EXPECT_EQ(state(2, 6).marks, "excluded");
  bool reachable = false;
  for (CellIndex cell = 0; cell < kCells; ++cell) {
    reachable = reachable ||
                midEnd.stateOf(cellControl(cell)).description == "frei, die 1 kann hier stehen";
  }
  EXPECT_TRUE(reachable);
}

// A front end that keeps nothing but what the lists told it: after any run of events it shows
// exactly the game's state, control by control.
TEST_F(MidEndTest, AFrontEndThatAppliesEveryListShowsTheGameState) {
  std::vector<ControlState> shown;
  for (int id = 0; id < kControlCount; ++id) shown.push_back(designState(id));
  auto apply = [&](const ChangeList& list) {
    for (const Change& c : list.changes) {
      ControlState& s = shown[static_cast<std::size_t>(c.control)];
      switch (c.property) {
        case Property::Text:
          s.text = c.text;
          break;
        case Property::Background:
          s.background = Color{c.value};
          break;
        case Property::Foreground:
          s.foreground = Color{c.value};
          break;
        case Property::ReadOnly:
          s.readOnly = c.value != 0;
          break;
        case Property::Checked:
          s.checked = c.value != 0;
          break;
        case Property::Running:
          s.running = c.value != 0;
          break;
        case Property::Description:
          s.description = c.text;
          break;
        case Property::Marks:
          s.marks = c.text;
          break;
        case Property::Highlighted:
          s.highlighted = c.value != 0;
          break;
        case Property::Visible:
          s.visible = c.value != 0;
          // A window shown again is built afresh from the table.
          if (control(c.control).kind == ControlKind::Window && s.visible) {
            for (int child = c.control + 1;
                 child < kControlCount && control(child).window == control(c.control).window;
                 ++child) {
              shown[static_cast<std::size_t>(child)] = designState(child);
            }
          }
          break;
      }
    }
  };
  // The fixture's hand-outs went to nobody: start over from a fresh window.
  MidEnd fresh(window, random, clock);
  apply(fresh.handle(events::load()));
  std::mt19937 dice(11);
  std::string kept;  // a snapshot taken along the way, brought back now and then
  const std::string texts[] = {"", "5", "9", "0", "x7", "12", "\u00e4"};
  for (int step = 0; step < 3000; ++step) {
    const int id = static_cast<int>(dice() % (kControlCount + 2)) - 1;  // -1 and one too many
    const std::string& text = texts[dice() % std::size(texts)];
    ChangeList list;
    switch (dice() % 11) {
      case 0:
        list = fresh.handle(events::click(dice() % 8 == 0 ? ids::kBtnGO : id));
        break;
      case 1:
        if (id >= 0 && id < kControlCount) shown[static_cast<std::size_t>(id)].text = text;
        list = fresh.handle(events::edit(id, text));
        if (id >= 0 && id < kControlCount && cellOfControl(id) < 0 && id != ids::kTxtShow) {
          shown[static_cast<std::size_t>(id)].text = fresh.stateOf(id).text;  // no text box
        }
        break;
      case 2:
        list = fresh.handle(events::focusIn(id));
        break;
      case 3:
        list = fresh.handle(
            events::focusOut(id, dice() % 2 ? FocusCause::Player : FocusCause::LeftWindow));
        break;
      case 4: {
        const char* keys[] = {"ArrowUp", "ArrowRight", "F10", "Alt", "Enter", "Escape", "7"};
        const char* name = keys[dice() % std::size(keys)];
        list = dice() % 4 == 0 ? fresh.handle(events::keyUp(id, name, 0))
                               : fresh.handle(events::key(id, name, dice() % 3));
        break;
      }
      case 5:
        list = fresh.handle(events::timer(dice() % 2 ? ids::kTimer1 : id));
        break;
      case 6:
        list = fresh.handle(events::drop(id));
        break;
      case 7:
        list = fresh.handle(events::resume());
        break;
      case 8:
        list = dice() % 3 == 0 ? fresh.handle(events::dismiss())
                               : fresh.handle(events::pad(id, dice() % 12 - 1));
        break;
      case 9:
        if (dice() % 2) {
          kept = fresh.snapshot().empty() ? kept : fresh.snapshot();
          list = fresh.changes();
        } else {
          std::optional<ChangeList> restored = fresh.restore(kept);
          list = restored ? std::move(*restored) : fresh.changes();
        }
        break;
      default:
        list = fresh.changes();
        break;
    }
    apply(list);
    for (int c = 0; c < kControlCount; ++c) {
      const ControlState want = fresh.stateOf(c);
      const ControlState& got = shown[static_cast<std::size_t>(c)];
      ASSERT_TRUE(got.text == want.text && got.background == want.background &&
                  got.foreground == want.foreground && got.readOnly == want.readOnly &&
                  got.visible == want.visible && got.checked == want.checked &&
                  got.running == want.running && got.description == want.description &&
                  got.marks == want.marks && got.highlighted == want.highlighted)
          << "step " << step << ": " << objectName(c);
    }
  }
}

}  // namespace
}  // namespace kalmotre
