// Checking that the complete grid holds every digit once in every block, row and column.
#pragma once

#include "board/form_state.h"

namespace kalmotre {

void clearTally(ModuleState& state);
// True when every digit 1..9 has been counted exactly once.
bool tallyAllOnce(const ModuleState& state);

bool checkBlock(ModuleState& state, int block);
bool checkRow(ModuleState& state, int row);
bool checkColumn(ModuleState& state, int column);

// One message per faulty unit: blocks, then rows, then columns, each in ascending order.
void checkGrid(FormState& form, FormView& view);

}  // namespace kalmotre
