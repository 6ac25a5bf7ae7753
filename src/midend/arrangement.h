// The main window's second arrangement, for touch screens and windows too small for it: the
// same controls with the same captions, colours, names and events, grouped into regions that a
// front end lays out for the screen it has, in font sizes a finger-sized screen needs. The
// desktop arrangement is the control table's twips.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kalmotre {

enum class Region {
  None,      // not shown in this arrangement (the hidden help grid and its frame)
  Menu,      // the menu bar's items
  Commands,  // the command buttons
  Level,     // the level and its options
  Board,     // the 81 cells, nine to a row
  Thinking,  // the frame that covers the board while a puzzle is made
  Counter,   // "Freie Felder"
  Help,      // the help area: its frame holds the region's other controls
  Pad,       // the digit pad, which no control of the table is
  Splash,    // the splash window's controls, shrunk to a strip over the commands
};

std::string_view regionName(Region region);

// The main window's regions in the order the keyboard walks them.
inline constexpr Region kPhoneRegions[] = {Region::Menu,  Region::Commands, Region::Level,
                                           Region::Board, Region::Thinking, Region::Counter,
                                           Region::Help,  Region::Pad};

struct PhonePlace {
  Region region = Region::None;
  int order = 0;       // within the region; a cell's is 9 * row + column
  int fontPixels = 0;  // CSS pixels, 0 for the control's own font
  // The share of the board's side the type grows to where that is more (a tablet's cells).
  double boardShare = 0;
};

// The smallest area a finger hits surely, in CSS pixels: a phone's buttons are at least this
// large, and on a touch screen the desktop window's small controls get areas this large around
// them.
inline constexpr int kTouchTargetPixels = 44;

// An area in CSS pixels (15 twips each), relative to the control's container.
struct PixelBox {
  double left = 0, top = 0, width = 0, height = 0;
  friend constexpr bool operator==(PixelBox, PixelBox) = default;
};

// The area around a small control of the desktop window that takes a finger's tap for it on a
// touch screen: grown a pixel at a time on each side toward kTouchTargetPixels square, in table
// order, short of every other control and of every area grown before. None for a control that
// takes no tap or has no room to grow.
std::optional<PixelBox> touchArea(int id);

}  // namespace kalmotre
