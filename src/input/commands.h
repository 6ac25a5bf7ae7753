// Small procedures behind the cell change handling and the game commands.
#pragma once

#include "board/form_state.h"

namespace kalmotre {

// The number of free cells: cells whose value is 0, the empty ones and "0" alike.
int countFreeCells(const Board& board);
// Recounts and writes "Freie Felder: " with the count.
void updateFreeCount(FormState& form);

// The digit chosen in the help area: txtShow's value, rounded to a whole number.
int chosenDigit(const FormState& form);
// The next digit the "+" button steps to: value + 1, rounded, modulo 10.
std::string nextChosenDigitText(const std::string& current);

}  // namespace kalmotre
