// The solver on the board: read the cells once, search on masks, write back what was found.
#include "solve/solver.h"

#include <string>

#include "solve/hidden_singles.h"

namespace kalmotre {

bool solvePuzzle(Board& board, int cycles) {
  SolverBoard compact = solverBoardOf(board);
  const CellMask emptyAtStart = compact.emptyText;
  const bool solved = runHiddenSingles(compact, cycles);
  emptyAtStart.forEach([&](CellIndex i) {
    if (cycles >= 1) board.setLook(i, roles::kSolverFilled);
    if (!compact.emptyText.test(i)) {
      board.setText(i, std::to_string(compact.digit[static_cast<std::size_t>(i)]));
    }
  });
  return solved;
}

}  // namespace kalmotre
