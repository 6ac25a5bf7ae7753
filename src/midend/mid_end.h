// The mid end: the one place a front end talks to. It takes raw facts (this control was clicked,
// edited, got or lost the focus, this key, this timer ticked), runs the game's rules on them and
// hands back the change list: what to repaint and what to do. It keeps the draw state, so a
// front end keeps none.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "midend/change_list.h"
#include "midend/main_form.h"
#include "midend/print_sheet.h"
#include "midend/splash_countdown.h"

namespace kalmotre {

// Why a control lost the focus: to another control of the window, or to something outside it
// (another application, a popup, the menu bar), which leaves the focused cell where it is.
enum class FocusCause { Player, LeftWindow };

// Modifier keys held with a key, as a bit set.
namespace modifiers {
inline constexpr unsigned kShift = 1, kControl = 2, kAlt = 4, kMeta = 8;
}

// What happened, as a front end reports it.
enum class EventKind {
  Load,      // the main window opens: its load handler runs
  Click,     // a button, menu item, option, a link of the splash window; or a click or tap into
             // a text box, reported once the pointer is released there
  Edit,      // the player changed a text box; `text` is what it shows now
  FocusIn,   // a control got the keyboard focus
  FocusOut,  // a control lost it; `flags` is the FocusCause
  Key,       // a key pressed in `control` (kNoControl for the window as a whole), `text` named as
             // the browser's KeyboardEvent.key names it ("ArrowUp", "n"), `flags` the modifiers
  KeyUp,     // a key let go: Alt pressed and let go alone puts the menu bar in keyboard mode
  Timer,     // a timer the last list asked to run has ticked
  Drop,      // something of this program was dropped onto a control
  Pad,       // a digit pad button (`flags`: its place in texts::kDigitPad) while `control` has
             // the focus: the box shows what typing that digit over its selected text leaves,
             // "Löschen" what Delete leaves
  Dismiss,   // the player tapped the splash window away
  Resume,    // the front end painted and let the pending events run, as the last list asked
  Close,     // the window's close button
  Changes,   // nothing happened: what changed since the last hand-out (a command that waits for
             // a modal message, a test that set up a position)
};

// The names a front end knows the kinds of event by, in the enumeration's order.
inline constexpr std::string_view kEventNames[] = {
    "load",  "click", "edit", "focusIn", "focusOut", "key",   "keyUp",
    "timer", "drop",  "pad",  "dismiss", "resume",   "close", "changes"};
static_assert(std::size(kEventNames) == static_cast<std::size_t>(EventKind::Changes) + 1);

struct Event {
  EventKind kind = EventKind::Changes;
  int control = kNoControl;
  std::string text;
  unsigned flags = 0;
};

// The events, built as a front end reports them.
namespace events {
inline Event make(EventKind kind, int id = kNoControl, std::string_view text = {},
                  unsigned flags = 0) {
  return Event{kind, id, std::string(text), flags};
}
inline Event load() {
  return make(EventKind::Load);
}
inline Event click(int id) {
  return make(EventKind::Click, id);
}
inline Event edit(int id, std::string_view text) {
  return make(EventKind::Edit, id, text);
}
inline Event focusIn(int id) {
  return make(EventKind::FocusIn, id);
}
inline Event focusOut(int id, FocusCause cause) {
  return make(EventKind::FocusOut, id, {}, static_cast<unsigned>(cause));
}
inline Event key(int id, std::string_view name, unsigned held) {
  return make(EventKind::Key, id, name, held);
}
inline Event keyUp(int id, std::string_view name, unsigned held) {
  return make(EventKind::KeyUp, id, name, held);
}
inline Event timer(int id) {
  return make(EventKind::Timer, id);
}
inline Event drop(int id) {
  return make(EventKind::Drop, id);
}
inline Event pad(int id, int button) {
  return make(EventKind::Pad, id, {}, static_cast<unsigned>(button));
}
inline Event dismiss() {
  return make(EventKind::Dismiss);
}
inline Event resume() {
  return make(EventKind::Resume);
}
inline Event close() {
  return make(EventKind::Close);
}
inline Event changes() {
  return make(EventKind::Changes);
}
}  // namespace events

class MidEnd {
 public:
  MidEnd(WindowPort& window, RandomSource& random, Clock& clock);

  MainForm& form() { return form_; }
  const MainForm& form() const { return form_; }
  const SplashCountdown& countdown() const { return countdown_; }
  bool splashOpen() const { return splashOpen_; }

  // Every event comes in here and answers with what to show and do. An event naming a control
  // that is none, or one that does not take it, changes nothing.
  ChangeList handle(const Event& event);
  ChangeList changes() { return handle(events::changes()); }

  // The game as text to keep across a reload, empty while a command runs; restore() brings it
  // back with no handler run and the splash window closed, and answers with the change list
  // that shows it. Nothing changes for a text that is not a sound snapshot.
  std::string snapshot() const { return form_.snapshot(); }
  std::optional<ChangeList> restore(std::string_view text);

  // What a printout of the board shows now.
  PrintSheet printSheet() const { return kalmotre::printSheet(form_.game(), form_.ui()); }

  // What a control shows now by the game's state.
  ControlState stateOf(int id) const;

 private:
  void click(int id, ChangeList& list);
  void edit(int id, std::string_view text);
  void focusIn(int id, ChangeList& list);
  void focusOut(int id, FocusCause cause);
  void key(int id, std::string_view name, unsigned held, ChangeList& list);
  void keyUp(std::string_view name, ChangeList& list);
  void timer(int id);
  void pad(int id, unsigned button, ChangeList& list);
  // Runs a control's command: every way in to it (a click, a menu item's Return, a key) meets
  // here. `id` is the control that runs it.
  void run(Command command, int id, ChangeList& list);
  ChangeList handOut(ChangeList list = {});
  // Brings `state` up to what control `id` shows by the game's state, recording each change.
  // `possibilities`: whether the board shows the possibilities display, asked once per hand-out.
  void sync(int id, ControlState& state, ChangeList* list, bool possibilities) const;
  void openSplash();
  void closeSplash();
  // The menu bar's keyboard mode; true when it took the key.
  bool menuKey(std::string_view name, unsigned held, ChangeList& list);

  MainForm form_;
  SplashCountdown countdown_;
  bool splashOpen_ = false;
  std::string countdownText_;
  int menuItem_ = kNoControl;        // the item the menu bar's keyboard mode has chosen
  bool altAlone_ = false;            // Alt is down and no other key came since
  std::vector<ControlState> shown_;  // what the front end shows, as the last hand-out left it
};

}  // namespace kalmotre
