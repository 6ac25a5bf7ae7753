// The clue record: cell values rounded into `givens`, and written back as texts.
#include "generate/clue_record.h"

#include <string>

#include "board/value.h"

namespace kalmotre {

void recordGivens(FormState& form) {
  for (CellIndex i = 0; i < kCells; ++i) form.state.givens[i] = roundToInt(form.board.value(i));
}

void restoreGivens(FormState& form) {
  for (CellIndex i = 0; i < kCells; ++i) {
    const std::int32_t given = form.state.givens[i];
    form.board.setText(i, given == 0 ? std::string() : std::to_string(given));
  }
}

}  // namespace kalmotre
