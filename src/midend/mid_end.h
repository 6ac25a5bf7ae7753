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

class MidEnd {
 public:
  MidEnd(WindowPort& window, RandomSource& random, Clock& clock);

  MainForm& form() { return form_; }
  const MainForm& form() const { return form_; }
  const SplashCountdown& countdown() const { return countdown_; }
  bool splashOpen() const { return splashOpen_; }

  // The main window opens: its load handler runs.
  ChangeList load();
  // A button, menu item, option, or a link of the splash window.
  ChangeList click(int control);
  // The player changed a text box; it shows `text` now.
  ChangeList edit(int control, std::string_view text);
  ChangeList focusIn(int control);
  ChangeList focusOut(int control, FocusCause cause);
  // A key pressed in `control` (kNoControl for the window as a whole), named as the browser's
  // KeyboardEvent.key names it ("ArrowUp", "n"), with the modifiers held.
  ChangeList key(int control, std::string_view name, unsigned held);
  // A key let go. Alt pressed and let go with no key between puts the menu bar in keyboard
  // mode, as F10 does: ← → choose an item, Return carries it out, Escape leaves.
  ChangeList keyUp(int control, std::string_view name, unsigned held);
  ChangeList timer(int control);
  // Something of this program was dropped onto a control.
  ChangeList drop(int control);
  // A button of the digit pad (its place in texts::kDigitPad) while `control` has the focus: the
  // box shows what typing that digit over its selected text leaves, "Löschen" what Delete leaves.
  ChangeList padKey(int control, int button);
  // The player tapped the splash window away (a front end that lets it lie over the board).
  ChangeList dismissSplash();
  // The front end painted and let the pending events run, as the last list asked.
  ChangeList resume();
  // The window's close button.
  ChangeList close();
  // What changed since the last hand-out without an event, for instance during a command that
  // waits for a modal message, or after a test set up a position.
  ChangeList changes();

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
  ChangeList handOut(ChangeList list = {});
  // Brings `state` up to what control `id` shows by the game's state, recording each change.
  // `possibilities`: whether the board shows the possibilities display, asked once per hand-out.
  void sync(int id, ControlState& state, ChangeList* list, bool possibilities) const;
  void openSplash();
  void closeSplash();
  // The menu bar's keyboard mode; true when it took the key.
  bool menuKey(std::string_view name, unsigned held);

  MainForm form_;
  SplashCountdown countdown_;
  bool splashOpen_ = false;
  std::string countdownText_;
  int menuItem_ = kNoControl;        // the item the menu bar's keyboard mode has chosen
  bool altAlone_ = false;            // Alt is down and no other key came since
  std::vector<ControlState> shown_;  // what the front end shows, as the last hand-out left it
};

}  // namespace kalmotre
