// What the text boxes keep of what the player typed: whole UTF-8 characters only. A character
// that is cut, written longer than it needs, a surrogate half (a browser sends a lone one as
// three bytes) or beyond U+10FFFF ends the text there, so a box never holds what it could not
// show, and whatever a box holds is a text the game reads back.
#pragma once

#include <cstddef>
#include <string_view>

namespace kalmotre {

// The bytes of the whole character `text` starts with: 1 to 4, or 0 when it starts with none.
std::size_t characterBytes(std::string_view text);

// The text up to its `limit`-th character, or up to the first byte that starts no whole one.
std::string_view firstCharacters(std::string_view text, int limit);

// One character at most: the digit box.
inline std::string_view firstCharacter(std::string_view text) {
  return firstCharacters(text, 1);
}

}  // namespace kalmotre
