// The help area's answer to "where can this digit still go?", painted into the cell backgrounds.
#pragma once

#include <string>
#include <string_view>

#include "board/board.h"

namespace kalmotre {

// Base colouring (empty yellow, filled white), then every cell in reach of a cell holding `digit`
// grey: mid grey when empty, light grey when filled. 0, or a digit nobody holds, shows the base.
void showPossibilities(Board& board, int digit);

// The digit chosen in the help area: the digit box's value, rounded to a whole number.
int chosenDigit(std::string_view text);
// The text the "+" button steps txtShow to: value + 1, rounded, modulo 10.
std::string nextChosenDigitText(const std::string& current);

}  // namespace kalmotre
