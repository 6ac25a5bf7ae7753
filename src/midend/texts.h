// The game's texts that are no control's caption: the consistency check's message, the
// countdown, what a screen reader hears of a cell, the board and the digit pad as groups, the
// page after "Beenden", the question for a program to open the maker's page. The captions stand
// in the control table (controls.h); between the two, each text of the game stands once.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "board/geometry.h"

namespace kalmotre::texts {

// A unit by its kind, as the message box and a screen reader name it.
inline constexpr std::array<std::string_view, 3> kUnitNames = {"Block", "Zeile", "Spalte"};
constexpr std::string_view unitName(UnitKind kind) {
  return kUnitNames[static_cast<std::size_t>(kind)];
}

// "Block 3 fehlerhaft!": a faulty unit of the complete grid (its number from 0).
inline constexpr std::string_view kFaulty = "fehlerhaft!";
inline std::string faultMessage(UnitKind kind, int index) {
  return std::string(unitName(kind)) + " " + std::to_string(index) + " " + std::string(kFaulty);
}

// "noch 5 sec dann geht's weiter": the splash window's countdown at each tick.
inline constexpr std::string_view kCountdownBefore = "noch";
inline constexpr std::string_view kCountdownAfter = " sec dann geht's weiter";

// A cell to a screen reader: "Vorgabe", "frei" or its digit; "Zeile und Block ergeben 45";
// "die 3 ist hier ausgeschlossen", "die 3 kann hier stehen".
inline constexpr std::string_view kClue = "Vorgabe";
inline constexpr std::string_view kFree = "frei";
inline constexpr std::string_view kAnd = " und ";
inline constexpr std::string_view kAddsUp = " ergibt 45";
inline constexpr std::string_view kAddUp = " ergeben 45";
inline constexpr std::string_view kTheDigit = "die ";
inline constexpr std::string_view kRuledOut = " ist hier ausgeschlossen";
inline constexpr std::string_view kCanGo = " kann hier stehen";

// The board as assistive technology meets it: a grid of nine rows of nine cells.
inline constexpr std::string_view kBoardName = "Spielfeld";

// The on-screen digits a touch screen shows beside the board, a group of their own.
inline constexpr std::string_view kDigitPadName = "Ziffern";
inline constexpr std::array<std::string_view, 10> kDigitPad = {"1", "2", "3", "4", "5",
                                                               "6", "7", "8", "9", "Löschen"};

// What the page shows once "Beenden" has ended the game and the browser keeps the tab.
inline constexpr std::string_view kEnded = "KALMOTRE ist beendet.";
inline constexpr std::string_view kStartAgain = "KALMOTRE neu starten";

// The desktop asks for a program when it has no browser for the maker's page.
inline constexpr std::string_view kOpenWith =
    "Mit welchem Programm soll die Seite geöffnet werden?";

}  // namespace kalmotre::texts
