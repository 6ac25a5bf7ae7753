// Cell and control colours as 0xBBGGRR values: blue in the high byte, red in the low one.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kalmotre {

struct Color {
  std::uint32_t bgr = 0;
  friend constexpr bool operator==(Color, Color) = default;

  constexpr int red() const { return static_cast<int>(bgr & 0xFF); }
  constexpr int green() const { return static_cast<int>((bgr >> 8) & 0xFF); }
  constexpr int blue() const { return static_cast<int>((bgr >> 16) & 0xFF); }
  // Values with the top bit set name a colour of the desktop's palette, not a fixed colour.
  constexpr bool isSystemColor() const { return (bgr & 0x80000000u) != 0; }
};

namespace colors {
inline constexpr Color kWhite{0xFFFFFF};
inline constexpr Color kBlack{0x000000};
inline constexpr Color kYellow{0x00FFFF};
inline constexpr Color kBlue{0xFF0000};
inline constexpr Color kGreen{0x00FF00};
inline constexpr Color kMidGrey{0xB0B0B0};
inline constexpr Color kLightGrey{0xE0E0E0};
inline constexpr Color kLightRed{0xC0C0FF};
inline constexpr Color kLightGreen{0x80FF80};
inline constexpr Color kLightYellow{0xC0FFFF};
inline constexpr Color kSystemWindow{0x80000005};
inline constexpr Color kSystemWindowText{0x80000008};
}  // namespace colors

// A cell's background and text colour together.
struct CellLook {
  Color background;
  Color text;
  friend constexpr bool operator==(CellLook, CellLook) = default;
};

// What each colour means in the game. Call sites name the role; recolouring one is one line here.
namespace roles {
// Cells.
inline constexpr CellLook kClue{colors::kWhite, colors::kBlack};      // also the grid while carving
inline constexpr CellLook kOpenCell{colors::kYellow, colors::kBlue};  // the player's cells
inline constexpr CellLook kSolverFilled = kOpenCell;    // the solver writes like a player
inline constexpr Color kCompleteUnit = colors::kGreen;  // a row, column or block adding up to 45
// The possibilities display: cells the chosen digit can still reach, and those it cannot.
inline constexpr Color kReachableEmpty = colors::kYellow;
inline constexpr Color kReachableFilled = colors::kWhite;
inline constexpr Color kOutOfReachEmpty = colors::kMidGrey;
inline constexpr Color kOutOfReachFilled = colors::kLightGrey;
// The window's other controls.
inline constexpr Color kHelpArea = colors::kLightRed;
inline constexpr Color kChosenDigitBox = colors::kLightGrey;
inline constexpr Color kRestartButton = colors::kLightGreen;
inline constexpr Color kHelpGridFrame = colors::kBlue;
inline constexpr CellLook kHelpGrid{colors::kSystemWindow, colors::kSystemWindowText};
// Text on a background the window fixes: the window text of the classic light desktop theme the
// layout was drawn for, so it reads on that background whatever the desktop's theme.
inline constexpr Color kTextOnFixedBackground = colors::kBlack;
inline constexpr Color kSplash = colors::kLightYellow;

// Every colour a cell is painted in, by the role that names it: a kept game writes a cell's
// colours under these names. A colour the possibilities display shares with another role stands
// once, and a cell colour missing here fails to compile below.
struct NamedColor {
  std::string_view name;
  Color color;
};
inline constexpr std::array<NamedColor, 5> kCellBackgrounds = {
    {{"clue", kClue.background},
     {"open", kOpenCell.background},
     {"complete", kCompleteUnit},
     {"outOfReachEmpty", kOutOfReachEmpty},
     {"outOfReachFilled", kOutOfReachFilled}}};
inline constexpr std::array<NamedColor, 2> kCellTexts = {
    {{"clue", kClue.text}, {"open", kOpenCell.text}}};
static_assert(kReachableEmpty == kOpenCell.background && kReachableFilled == kClue.background &&
                  kSolverFilled.background == kOpenCell.background &&
                  kSolverFilled.text == kOpenCell.text,
              "a cell colour the kept game has no name for");
}  // namespace roles

}  // namespace kalmotre
