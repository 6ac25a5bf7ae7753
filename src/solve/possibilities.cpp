// The possibilities display: works on the cell values alone, never on the candidate table.
#include "solve/possibilities.h"

#include <cmath>

#include "board/value.h"
#include "solve/candidates.h"

namespace kalmotre {

namespace {

void greyOut(FormState& form, CellIndex cell) {
  form.board.setBackground(cell,
                           form.board.value(cell) == 0.0 ? colors::kMidGrey : colors::kLightGrey);
}

}  // namespace

void showPossibilities(FormState& form, int digit) {
  Board& board = form.board;
  for (CellIndex i = 0; i < kCells; ++i) {
    board.setBackground(i, board.value(i) == 0.0 ? colors::kYellow : colors::kWhite);
  }
  if (digit == 0) return;
  for (CellIndex i = 0; i < kCells; ++i) {
    if (board.value(i) != digit) continue;
    for (CellIndex j : blockCells(blockOf(i))) greyOut(form, j);
    const CellIndex row = getRowStart(getCellRow(i));
    for (int offset : kRowOffsets) greyOut(form, row + offset);
    const CellIndex column = getColumnStart(getCellColumn(i));
    for (int offset : kColumnOffsets) greyOut(form, column + offset);
  }
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
