// Events in, change lists out: the rules of focus, keys and the splash window's count, and the
// draw state against which each hand-out is measured.
#include "midend/mid_end.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "input/validation.h"
#include "midend/texts.h"

namespace kalmotre {

namespace {

bool outOfReach(Color background) {
  return background == roles::kOutOfReachEmpty || background == roles::kOutOfReachFilled;
}

// Whether the board shows the possibilities display: some cell is greyed.
bool showsPossibilities(const Board& board) {
  for (CellIndex cell = 0; cell < kCells; ++cell) {
    if (outOfReach(board.background(cell))) return true;
  }
  return false;
}

// What a screen reader says of a cell, in words for what its colours show: "Vorgabe" for a clue,
// "frei" for an empty open cell, else what it holds; while it is green, which of its row, column
// and block add up to 45; while the possibilities are shown, whether the chosen digit is ruled
// out there or, in an empty cell, can still go.
std::string cellDescription(const Board& board, const InterfaceState& ui, bool possibilities,
                            CellIndex cell) {
  std::string said(board.locked(cell)         ? texts::kClue
                   : board.text(cell).empty() ? texts::kFree
                                              : std::string_view(board.text(cell)));
  if (board.background(cell) == roles::kCompleteUnit) {
    const std::pair<UnitKind, Unit> units[] = {{UnitKind::Row, rowCells(rowOf(cell))},
                                               {UnitKind::Column, columnCells(columnOf(cell))},
                                               {UnitKind::Block, blockCells(blockOf(cell))}};
    std::vector<UnitKind> complete;
    for (const auto& [kind, unit] : units) {
      if (addsUpTo45(board, unit)) complete.push_back(kind);
    }
    for (std::size_t k = 0; k < complete.size(); ++k) {
      said += k == 0 ? ", " : k + 1 == complete.size() ? texts::kAnd : ", ";
      said += texts::unitName(complete[k]);
    }
    if (!complete.empty()) said += complete.size() == 1 ? texts::kAddsUp : texts::kAddUp;
  }
  if (possibilities) {
    const std::string digit = std::string(texts::kTheDigit) + ui.chosenDigit.substr(0, 1);
    if (outOfReach(board.background(cell))) {
      said += ", " + digit + std::string(texts::kRuledOut);
    } else if (!board.locked(cell) && board.text(cell).empty()) {
      said += ", " + digit + std::string(texts::kCanGo);
    }
  }
  return said;
}

// The same states as words a front end marks beyond colour: a clue, a cell of a unit that adds up
// to 45, a cell the possibilities display rules out.
std::string cellMarks(const Board& board, CellIndex cell) {
  std::string marks;
  auto add = [&](const char* mark) {
    if (!marks.empty()) marks += ' ';
    marks += mark;
  };
  if (board.locked(cell)) add("clue");
  if (board.background(cell) == roles::kCompleteUnit) add("complete");
  if (outOfReach(board.background(cell))) add("excluded");
  return marks;
}

// The first control of the table that does `what`.
int firstShowing(Shows what) {
  for (int id = 0; id < kControlCount; ++id) {
    if (control(id).shows == what) return id;
  }
  return kNoControl;
}
int countdownControl() {
  return firstShowing(Shows::Countdown);
}
int firstMenuItem() {
  return firstShowing(Shows::MenuChoice);
}

std::optional<FocusStep> focusStepOf(std::string_view name) {
  if (name == "ArrowUp") return FocusStep::Up;
  if (name == "ArrowDown") return FocusStep::Down;
  if (name == "ArrowLeft") return FocusStep::Left;
  if (name == "ArrowRight") return FocusStep::Right;
  return std::nullopt;
}

}  // namespace

ControlState designState(int id) {
  const Control& c = control(id);
  ControlState state;
  state.text = designCaption(id);
  state.background = c.background;
  state.foreground = c.foreground;
  state.visible = !c.hidden;
  state.checked = c.kind == ControlKind::Option &&
                  kLevels[static_cast<std::size_t>(c.index)].level == kStartLevel;
  return state;
}

MidEnd::MidEnd(WindowPort& window, RandomSource& random, Clock& clock)
    : form_(window, random, clock), countdownText_(designCaption(countdownControl())) {
  shown_.reserve(kControlCount);
  for (int id = 0; id < kControlCount; ++id) shown_.push_back(designState(id));
}

namespace {

// Brings one control's state up to the game's, field by field; with a list, each field that
// differs is recorded in it. Nothing is copied where nothing changed.
class StateSync {
 public:
  StateSync(int id, ControlState& state, ChangeList* list) : id_(id), state_(state), list_(list) {}

  void text(Property property, std::string& field, std::string_view now) {
    if (field == now) return;
    field.assign(now);
    if (list_ != nullptr) list_->changes.push_back({id_, property, field, 0});
  }
  void color(Property property, Color& field, Color now) {
    if (field == now) return;
    field = now;
    if (list_ != nullptr) list_->changes.push_back({id_, property, {}, now.bgr});
  }
  void flag(Property property, bool& field, bool now) {
    if (field == now) return;
    field = now;
    if (list_ != nullptr) list_->changes.push_back({id_, property, {}, now ? 1u : 0u});
  }
  ControlState& state() { return state_; }

 private:
  int id_;
  ControlState& state_;
  ChangeList* list_;
};

}  // namespace

void MidEnd::sync(int id, ControlState& state, ChangeList* list, bool possibilities) const {
  const Control& c = control(id);
  const Board& board = form_.game().board;
  const InterfaceState& ui = form_.ui();
  StateSync sync(id, state, list);
  switch (c.shows) {
    case Shows::Cell: {
      const CellIndex cell = c.index;
      sync.text(Property::Text, state.text, board.text(cell));
      sync.color(Property::Background, state.background, board.background(cell));
      sync.color(Property::Foreground, state.foreground, board.foreground(cell));
      sync.flag(Property::ReadOnly, state.readOnly, board.locked(cell) || ui.busy);
      sync.text(Property::Description, state.description,
                cellDescription(board, ui, possibilities, cell));
      sync.text(Property::Marks, state.marks, cellMarks(board, cell));
      break;
    }
    case Shows::HelpDigit:
      sync.text(Property::Text, state.text, form_.lblZahl(c.index));
      break;
    case Shows::Level:
      sync.flag(Property::Checked, state.checked,
                kLevels[static_cast<std::size_t>(c.index)].level == ui.level);
      break;
    case Shows::FreeCells:
      sync.text(Property::Text, state.text, freeCellsCaption(ui.freeCells));
      break;
    case Shows::ChosenDigit:
      sync.text(Property::Text, state.text, ui.chosenDigit);
      sync.flag(Property::ReadOnly, state.readOnly, ui.busy);
      break;
    case Shows::Thinking:
      sync.flag(Property::Visible, state.visible, ui.thinking);
      break;
    case Shows::Splash:
      sync.flag(Property::Visible, state.visible, splashOpen_);
      break;
    case Shows::Countdown:
      sync.text(Property::Text, state.text, countdownText_);
      break;
    case Shows::Running:
      sync.flag(Property::Running, state.running, splashOpen_);
      break;
    case Shows::MenuChoice:
      sync.flag(Property::Highlighted, state.highlighted, id == menuItem_);
      break;
    case Shows::Design:
      break;
  }
}

ControlState MidEnd::stateOf(int id) const {
  ControlState state = shown_[static_cast<std::size_t>(id)];
  sync(id, state, nullptr, showsPossibilities(form_.game().board));
  return state;
}

ChangeList MidEnd::handOut(ChangeList list) {
  const Requests requests = form_.takeRequests();
  if (requests.splash) openSplash();
  if (requests.quit) {
    closeSplash();
    list.quit = true;
  }
  if (requests.focus != kNoControl) list.focus = requests.focus;
  list.resume = list.resume || requests.resume;

  // Whether the board shows the possibilities is the same for every cell: asked once.
  const bool possibilities = showsPossibilities(form_.game().board);
  for (int id = 0; id < kControlCount; ++id) {
    ControlState& shown = shown_[static_cast<std::size_t>(id)];
    const bool wasVisible = shown.visible;
    sync(id, shown, &list, possibilities);
    // A window shown again is built afresh: its controls show their design state.
    if (control(id).kind == ControlKind::Window && shown.visible && !wasVisible) {
      for (int child = id + 1; child < kControlCount && control(child).window == control(id).window;
           ++child) {
        shown_[static_cast<std::size_t>(child)] = designState(child);
      }
    }
  }
  return list;
}

void MidEnd::openSplash() {
  // A count that runs goes on; a closed window comes back with a fresh one.
  if (splashOpen_) return;
  countdown_.load();
  countdownText_ = designCaption(countdownControl());
  splashOpen_ = true;
}

void MidEnd::closeSplash() {
  splashOpen_ = false;
}

ChangeList MidEnd::handle(const Event& event) {
  ChangeList list;
  const int id = event.control;
  if (id < kNoControl || id >= kControlCount) return handOut();
  switch (event.kind) {
    case EventKind::Load:
      form_.Form_Load();
      break;
    case EventKind::Click:
      click(id, list);
      break;
    case EventKind::Edit:
      edit(id, event.text);
      break;
    case EventKind::FocusIn:
      focusIn(id, list);
      break;
    case EventKind::FocusOut:
      focusOut(id, event.flags == static_cast<unsigned>(FocusCause::Player)
                       ? FocusCause::Player
                       : FocusCause::LeftWindow);
      break;
    case EventKind::Key:
      key(id, event.text, event.flags, list);
      break;
    case EventKind::KeyUp:
      keyUp(event.text, list);
      break;
    case EventKind::Timer:
      timer(id);
      break;
    case EventKind::Drop:
      if (id != kNoControl) run(control(id).drop, id, list);
      break;
    case EventKind::Pad:
      pad(id, event.flags, list);
      break;
    case EventKind::Dismiss:
      closeSplash();
      break;
    case EventKind::Resume:
      form_.resume();
      break;
    case EventKind::Close:
      form_.mnuEnde_Click();
      break;
    case EventKind::Changes:
      break;
  }
  list = handOut(std::move(list));
  // A box the game puts the cursor into has its text selected, as does one that keeps the
  // cursor after an entry (the last cell, the digit box): the next digit replaces what it holds.
  if (list.focus != kNoControl) {
    list.select = list.focus;
  } else if ((event.kind == EventKind::Edit || event.kind == EventKind::Pad) && id != kNoControl &&
             control(id).command == Command::Select) {
    list.select = id;
  }
  return list;
}

void MidEnd::run(Command command, int id, ChangeList& list) {
  switch (command) {
    case Command::NewPuzzle:
      form_.btnGO_Click();
      break;
    case Command::Solve:
      form_.btnLoesung_Click();
      break;
    case Command::NextDigit:
      form_.btnPlus_Click();
      break;
    case Command::Restart:
      form_.BtnZur_Click();
      break;
    case Command::Reload:
      form_.SudokuLaden_Click();
      break;
    case Command::Quit:
      form_.mnuEnde_Click();
      break;
    case Command::ChooseLevel:
      form_.playerChoseLevel(kLevels[static_cast<std::size_t>(control(id).index)].level);
      break;
    case Command::OpenMaker:
      if (splashOpen_) list.openAddress = kMakerAddress;
      break;
    case Command::Print:
      // Printing is a command too: during a generation it does nothing.
      list.print = !form_.ui().busy;
      break;
    case Command::Select:
      list.select = id;
      break;
    case Command::None:
      break;
  }
}

void MidEnd::click(int id, ChangeList& list) {
  menuItem_ = kNoControl;  // a click ends the menu bar's keyboard mode
  if (id != kNoControl) run(control(id).command, id, list);
}

void MidEnd::edit(int id, std::string_view text) {
  menuItem_ = kNoControl;
  if (id == kNoControl) return;
  const Shows shows = control(id).shows;
  if (shows != Shows::Cell && shows != Shows::ChosenDigit) return;
  // The box shows what was typed; the hand-out puts the game's text back where they differ.
  shown_[static_cast<std::size_t>(id)].text.assign(text);
  if (shows == Shows::Cell) {
    form_.playerEditedCell(control(id).index, text);
  } else {
    form_.playerEditedShowText(text);
  }
}

void MidEnd::focusIn(int id, ChangeList& list) {
  menuItem_ = kNoControl;
  if (id == kNoControl) return;
  if (const CellIndex cell = cellOfControl(id); cell >= 0) form_.cellGotFocus(cell);
  if (control(id).command == Command::Select) list.select = id;
}

void MidEnd::focusOut(int id, FocusCause cause) {
  // A cell that is not the game's focused cell losing the focus is the echo of a move the game
  // made itself (it validated then); the focus leaving the window leaves the cell where it is.
  const CellIndex cell = cellOfControl(id);
  if (cell >= 0 && cause == FocusCause::Player && form_.focusedCell() == cell) {
    form_.cellLostFocus(cell);
  }
}

void MidEnd::key(int id, std::string_view name, unsigned held, ChangeList& list) {
  altAlone_ = name == "Alt" && (held & ~modifiers::kAlt) == 0;
  list.keyUpWanted = altAlone_;
  const std::optional<FocusStep> step = focusStepOf(name);
  if (menuKey(name, held, list)) {
    list.keyTaken = true;
    return;
  }
  if (step && held == 0 && cellOfControl(id) >= 0) {
    form_.playerMovedFocus(*step);
    list.keyTaken = true;
    return;
  }
  if (held != modifiers::kControl || name.size() != 1) return;
  const char letter = static_cast<char>(name[0] | 0x20);  // "n" and "N" (Caps Lock) alike
  for (const Shortcut& shortcut : kShortcuts) {
    if (shortcut.key != letter) continue;
    run(shortcut.command, kNoControl, list);
    list.keyTaken = true;
  }
}

void MidEnd::keyUp(std::string_view name, ChangeList& list) {
  if (name == "Alt" && altAlone_) {
    altAlone_ = false;
    // Alt alone enters the keyboard mode, and leaves it again.
    menuItem_ = menuItem_ == kNoControl ? firstMenuItem() : kNoControl;
    list.keyTaken = true;
  }
}

bool MidEnd::menuKey(std::string_view name, unsigned held, ChangeList& list) {
  if (menuItem_ == kNoControl) {
    if (name != "F10" || held != 0) return false;
    menuItem_ = firstMenuItem();
    return true;
  }
  if (name == "Alt") return false;  // its release decides
  // The items stand in table order; the choice wraps at either end.
  std::vector<int> items;
  for (int id = 0; id < kControlCount; ++id) {
    if (control(id).kind == ControlKind::MenuItem) items.push_back(id);
  }
  const auto at =
      static_cast<int>(std::find(items.begin(), items.end(), menuItem_) - items.begin());
  const int count = static_cast<int>(items.size());
  if (name == "ArrowRight" || name == "ArrowLeft") {
    const int next = (at + (name == "ArrowRight" ? 1 : count - 1)) % count;
    menuItem_ = items[static_cast<std::size_t>(next)];
  } else if (name == "Enter") {
    const int chosen = menuItem_;
    menuItem_ = kNoControl;
    run(control(chosen).command, chosen, list);
  } else if (name == "Escape" || name == "F10" || name == "Tab") {
    menuItem_ = kNoControl;
    return name != "Tab";  // Tab goes on to move the focus
  }
  // Any other key is the menu's while it has the keyboard.
  return true;
}

void MidEnd::timer(int id) {
  if (id == kNoControl || control(id).shows != Shows::Running || !splashOpen_) return;
  const SplashCountdown::Tick tick = countdown_.tick();
  if (tick.close) {
    closeSplash();
  } else {
    countdownText_ = tick.text;
  }
}

void MidEnd::pad(int id, unsigned button, ChangeList&) {
  menuItem_ = kNoControl;
  if (button >= texts::kDigitPad.size()) return;
  // Unlike a typed entry, the box does not show the text yet: the hand-out puts it there.
  const std::string_view text =
      button + 1 < texts::kDigitPad.size() ? texts::kDigitPad[button] : std::string_view();
  if (const CellIndex cell = cellOfControl(id); cell >= 0) {
    form_.playerEditedCell(cell, text);
  } else if (id != kNoControl && control(id).shows == Shows::ChosenDigit) {
    form_.playerEditedShowText(text);
  }
}

std::optional<ChangeList> MidEnd::restore(std::string_view text) {
  if (!form_.restore(text)) return std::nullopt;
  closeSplash();
  menuItem_ = kNoControl;
  ChangeList list;
  if (form_.focusedCell() != kNoCell) list.focus = list.select = cellControl(form_.focusedCell());
  return handOut(std::move(list));
}

}  // namespace kalmotre
