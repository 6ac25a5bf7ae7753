// Free-cell counting and the chosen digit of the help area.
#include "input/commands.h"

#include <cmath>

#include "board/value.h"

namespace kalmotre {

int countFreeCells(const Board& board) {
  int count = 0;
  for (CellIndex i = 0; i < kCells; ++i) {
    if (board.value(i) == 0.0) ++count;
  }
  return count;
}

void updateFreeCount(FormState& form) {
  form.lblFrei = freeCellsCaption(countFreeCells(form.board));
}

int chosenDigit(const FormState& form) {
  return roundToInt(numericValue(form.txtShow));
}

std::string nextChosenDigitText(const std::string& current) {
  // In double, like the rest of the arithmetic on values: no overflow, whatever the text holds.
  const double next = std::nearbyint(numericValue(current) + 1.0);
  const double digit = std::fmod(next, 10.0);
  return std::to_string(roundToInt(std::isfinite(digit) ? digit : 0.0));
}

}  // namespace kalmotre
