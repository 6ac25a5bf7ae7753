// The per-cell candidate table of the main window.
#pragma once

#include "board/form_state.h"

namespace kalmotre {

// A cell's value as a digit the search can use: d when the value equals d (1..9), 0 when the
// value is 0, SolverBoard::kOtherValue otherwise.
int digitClassOf(double value);

// Every empty-text cell gets all nine digits, any other cell exactly the digit its value equals.
void initCandidates(FormState& form);
void setSingleCandidate(FormState& form, CellIndex cell, int digit);
// The one digit still possible for the cell, 0 when none or several are.
int getSingleCandidate(const FormState& form, CellIndex cell);

}  // namespace kalmotre
