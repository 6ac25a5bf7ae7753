// Cell writes: a text is parsed once when it is stored, and only a real change is passed on.
#include "board/board.h"

#include "board/value.h"

namespace kalmotre {

void Board::setText(CellIndex cell, std::string_view text) {
  Cell& c = at(cell);
  if (c.text == text) return;
  c.text.assign(text);
  c.value = numericValue(c.text);
  if (listener_ != nullptr) listener_->cellTextChanged(cell);
}

void Board::setColors(CellIndex cell, Color background, Color foreground) {
  Cell& c = at(cell);
  if (c.background == background && c.foreground == foreground) return;
  c.background = background;
  c.foreground = foreground;
}

void Board::setBackground(CellIndex cell, Color background) {
  setColors(cell, background, at(cell).foreground);
}

void Board::setLocked(CellIndex cell, bool locked) {
  Cell& c = at(cell);
  if (c.locked == locked) return;
  c.locked = locked;
}

}  // namespace kalmotre
