// The main window's own state beside the position of play: the captions and controls the
// handlers read and write, the flags that coordinate them, and what a command asks of the front
// end once it has ended.
#pragma once

#include <string>

#include "board/geometry.h"
#include "generate/level.h"
#include "midend/controls.h"

namespace kalmotre {

inline constexpr CellIndex kNoCell = -1;

struct InterfaceState {
  int freeCells = -1;  // the count lblFrei shows after its caption, -1 before the first count
  std::string chosenDigit{control(ids::kTxtShow).caption};  // the help area's digit box, txtShow
  Level level = kStartLevel;                                // the selected optLevel
  bool thinking = false;         // Frame2 with "Ich denke nach...." covers the board
  bool possibilitiesOn = false;  // every entry ends with the possibilities display
  bool busy = false;             // a command runs: cell changes raise no handling
  CellIndex focus = kNoCell;     // the cell with the keyboard focus, if one has it
};

// What a command leaves for the front end to carry out once it has ended, in the change list's
// terms. Several focus moves in one command leave the last.
struct Requests {
  int focus = kNoControl;  // put the keyboard focus into this control
  bool splash = false;     // bring up the splash window
  bool quit = false;       // end the program at once, every window included
  bool resume = false;     // show the state, let pending events run once, then resume()
};

// Holds `busy` for a scope: set on entry; on every way out, an exception's included, the
// thinking frame is hidden and `busy` cleared. A command that ends its first half to let the
// window paint keeps `busy` set for its second half.
class BusyScope {
 public:
  explicit BusyScope(InterfaceState& state) : state_(state) { state_.busy = true; }
  ~BusyScope() {
    if (kept_) return;
    state_.thinking = false;
    state_.busy = false;
  }
  void keepForResume() { kept_ = true; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  InterfaceState& state_;
  bool kept_ = false;
};

}  // namespace kalmotre
