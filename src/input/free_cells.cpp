// Free-cell counting: a free cell is one whose value is 0.
#include "input/free_cells.h"

namespace kalmotre {

int countFreeCells(const Board& board) {
  int count = 0;
  for (CellIndex i = 0; i < kCells; ++i) {
    if (board.value(i) == 0.0) ++count;
  }
  return count;
}

}  // namespace kalmotre
