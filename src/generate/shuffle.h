// The fixed starting grid and the random exchanges that disguise it while keeping it valid.
#pragma once

#include "board/grid.h"
#include "generate/random_source.h"

namespace kalmotre {

// A new complete grid from an already seeded source: the base grid, each of the three line
// exchanges repeated Int(u * 10) times (each count drawn just before its exchanges), then the
// relabelling.
Grid shuffledGrid(RandomSource& random);

void buildBaseGrid(Grid& solution);
// One draw each: exchange two bands or stacks / two columns of a stack / two rows of a band, or
// nothing.
void swapBandsOrStacks(Grid& solution, RandomSource& random);
void swapColumnsInStack(Grid& solution, RandomSource& random);
void swapRowsInBand(Grid& solution, RandomSource& random);
// Two draws per exchange in a digit permutation, then every digit renamed through it.
void relabelDigits(Grid& solution, RandomSource& random);

}  // namespace kalmotre
