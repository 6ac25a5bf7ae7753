// A game in progress as a short text, so that a front end can keep it across a reload (the
// browser keeps it in the tab's session storage) and bring it back as it was.
//
// The text holds the cells (text and colours), the complete grid, the clue record, the level, the
// digit box, whether the possibilities display is on, the counter and the focused cell. Reading
// one back is all or nothing: a text that does not parse, or that describes a position no game
// can reach (a clue that differs from the complete grid, a cell colour the game never paints, a
// counter beyond the board), changes nothing.
#pragma once

#include <string>
#include <string_view>

#include "board/game_state.h"
#include "midend/interface_state.h"

namespace kalmotre {

// Longest text readSnapshot() looks at: 81 cells of 64 characters of four bytes, each byte
// escaped, and room for the rest. Anything longer is refused unread.
inline constexpr std::size_t kSnapshotLimit = 81 * 64 * 4 * 3 + 1024;

std::string writeSnapshot(const GameState& game, const InterfaceState& ui);

// Fills `game` and `ui` from the text and returns true; on any fault returns false and leaves
// both as they were. The board's listener hears nothing, and `busy` and the thinking frame are
// off afterwards.
bool readSnapshot(std::string_view text, GameState& game, InterfaceState& ui);

}  // namespace kalmotre
