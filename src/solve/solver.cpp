// The solver on the board: read the cells once, search on masks, write back what was found.
#include "solve/solver.h"

#include <string>

#include "solve/candidates.h"
#include "solve/hidden_singles.h"

namespace kalmotre {

bool solvePuzzle(FormState& form, int cycles) {
  SolverBoard compact;
  for (CellIndex i = 0; i < kCells; ++i) {
    compact.digit[static_cast<std::size_t>(i)] =
        static_cast<std::int8_t>(digitClassOf(form.board.value(i)));
    if (form.board.isEmptyText(i)) compact.emptyText.set(i);
  }
  const CellMask emptyAtStart = compact.emptyText;

  SolverTrace trace;
  const bool solved = runHiddenSingles(compact, cycles, &trace);

  initCandidates(form);
  for (CellIndex i = 0; i < kCells; ++i) {
    const int find = trace.lastFind[static_cast<std::size_t>(i)];
    if (find != 0) setSingleCandidate(form, i, find);
  }
  if (trace.cyclesRun > 0) {
    for (CellIndex i = 0; i < kCells; ++i) form.state.excluded[i] = trace.excluded.test(i) ? 1 : 0;
  }

  emptyAtStart.forEach([&](CellIndex i) {
    if (cycles >= 1) form.board.setLook(i, roles::kSolverFilled);
    if (!compact.emptyText.test(i)) {
      form.board.setText(i, std::to_string(compact.digit[static_cast<std::size_t>(i)]));
    }
  });
  return solved;
}

}  // namespace kalmotre
