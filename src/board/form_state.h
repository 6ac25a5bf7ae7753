// Everything the main window holds for the whole game: the board, the module tables, the captions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "board/board.h"
#include "board/checked_array.h"
#include "board/level.h"
#include "board/ports.h"

namespace kalmotre {

using Grid = CheckedArray<std::int32_t, kCells>;

struct ModuleState {
  Grid solution;  // the complete grid the current puzzle was carved from
  Grid givens;    // the board's digits as last recorded, 0 for an empty cell
  CheckedArray<std::int32_t, kCells * 10> candidates;  // element cell * 10 + digit
  Grid excluded;
  CheckedArray<std::int32_t, 10> digitTally;
  bool busy = false;
  bool possibilitiesOn = false;
};

inline constexpr char kStartShowText[] = "X";
inline constexpr char kFreeCellsPrefix[] = "Freie Felder: ";
inline constexpr char kThinkingText[] = "Ich denke nach....";

struct FormState {
  Board board;
  ModuleState state;
  std::array<std::string, kCells> lblZahl;  // captions of the hidden help grid
  std::string lblFrei = kFreeCellsPrefix;
  std::string txtShow = kStartShowText;
  Level level = kStartLevel;          // the selected optLevel
  bool thinkingFrameVisible = false;  // Frame2 with "Ich denke nach...."
};

// Holds `busy` for a scope: set on entry, cleared on every way out, an exception's included.
class BusyScope {
 public:
  explicit BusyScope(ModuleState& state) : state_(state) { state_.busy = true; }
  ~BusyScope() { state_.busy = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  ModuleState& state_;
};

// Empties the board and every table; the lock state of the cells stays as it is.
void resetBoard(FormState& form);

// "Freie Felder: " followed by the count.
std::string freeCellsCaption(int count);

}  // namespace kalmotre
