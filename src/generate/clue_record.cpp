// The clue record: cell values rounded into `givens`, and written back as texts.
#include "generate/clue_record.h"

#include <string>

#include "board/value.h"

namespace kalmotre {

void recordGivens(GameState& game) {
  for (CellIndex i = 0; i < kCells; ++i) game.givens[i] = roundToInt(game.board.value(i));
}

void restoreGivens(GameState& game) {
  for (CellIndex i = 0; i < kCells; ++i) {
    const std::int32_t given = game.givens[i];
    game.board.setText(i, given == 0 ? std::string() : std::to_string(given));
  }
}

}  // namespace kalmotre
