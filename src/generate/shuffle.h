// The fixed starting grid and the random exchanges that disguise it while keeping it valid.
#pragma once

#include "board/form_state.h"
#include "generate/random_source.h"

namespace kalmotre {

void buildBaseGrid(Grid& solution);
// One draw each: exchange two bands or stacks / two columns of a stack / two rows of a band, or
// nothing.
void swapBandsOrStacks(Grid& solution, RandomSource& random);
void swapColumnsInStack(Grid& solution, RandomSource& random);
void swapRowsInBand(Grid& solution, RandomSource& random);
// Two draws per exchange in a digit permutation, then every digit renamed through it.
void relabelDigits(Grid& solution, RandomSource& random);

}  // namespace kalmotre
