// What the mid end hands a front end after each event: every property of a control that changed
// since the last hand-out, and what the front end is asked to do (focus, paint and resume, quit,
// open an address). A front end applies exactly this and keeps no copy of the board.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board/color.h"
#include "midend/controls.h"

namespace kalmotre {

enum class Property : std::uint8_t {
  Text,         // text or caption
  Background,   // a colour, 0xBBGGRR
  Foreground,   // the text colour
  ReadOnly,     // the player's typing is refused
  Visible,      // shown; a window shown again is built afresh from the table
  Checked,      // an option is the selected one
  Running,      // a timer runs at its interval
  Description,  // what a screen reader says of its state
  Highlighted,  // a menu item chosen from the keyboard, which Return carries out
  Marks,        // a cell's states as words ("clue complete excluded"), for marks beyond colour
};

// A control's properties that can change while the game runs.
struct ControlState {
  std::string text;
  Color background = kThemeColor;
  Color foreground = kThemeColor;
  bool readOnly = false;
  bool visible = true;
  bool checked = false;
  bool running = false;
  bool highlighted = false;
  std::string description;
  std::string marks;
};

// What a front end shows right after it has built the control from the table.
ControlState designState(int id);

struct Change {
  int control = kNoControl;
  Property property = Property::Text;
  std::string text;         // Text, Description and Marks
  std::uint32_t value = 0;  // a colour, or 0 / 1
};

struct ChangeList {
  std::vector<Change> changes;
  int focus = kNoControl;  // put the keyboard focus into this control
  // Select the whole text of this box (after the focus has moved), so that a digit typed or
  // tapped next replaces it and Delete or Backspace clears it.
  int select = kNoControl;
  // Paint what the list shows and let the pending events run once, then call the mid end's
  // resume(): generation goes on from there.
  bool resume = false;
  bool quit = false;      // close every window and end the program
  bool keyTaken = false;  // the key was the game's; the front end passes it on to nobody
  // The key's release matters to the game (Alt alone opens the menu bar's keyboard mode); a
  // front end may leave out the release of any other.
  bool keyUpWanted = false;
  bool print = false;       // open the print dialog for the board (MidEnd::printSheet)
  std::string openAddress;  // open this address with the desktop's or the browser's handler
};

}  // namespace kalmotre
