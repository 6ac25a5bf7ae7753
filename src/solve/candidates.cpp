// The candidate table, and how the search reads a cell's value.
#include "solve/candidates.h"

#include "solve/hidden_singles.h"

namespace kalmotre {

int digitClassOf(double value) {
  if (value == 0.0) return 0;
  for (int d = 1; d <= 9; ++d) {
    if (value == d) return d;
  }
  return SolverBoard::kOtherValue;
}

void initCandidates(FormState& form) {
  for (CellIndex cell = 0; cell < kCells; ++cell) {
    const bool empty = form.board.isEmptyText(cell);
    const double value = form.board.value(cell);
    for (int d = 1; d <= 9; ++d) {
      form.state.candidates[cell * 10 + d] = (empty || value == d) ? 1 : 0;
    }
  }
}

void setSingleCandidate(FormState& form, CellIndex cell, int digit) {
  for (int d = 1; d <= 9; ++d) form.state.candidates[cell * 10 + d] = d == digit ? 1 : 0;
}

int getSingleCandidate(const FormState& form, CellIndex cell) {
  int count = 0;
  int last = 0;
  for (int d = 1; d <= 9; ++d) {
    if (form.state.candidates[cell * 10 + d] != 0) {
      ++count;
      last = d;
    }
  }
  return count == 1 ? last : 0;
}

}  // namespace kalmotre
