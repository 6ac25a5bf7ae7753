// Carving a puzzle out of a complete grid at a level: the removal passes with their trials.
#pragma once

#include "board/grid.h"
#include "generate/level.h"
#include "generate/random_source.h"

namespace kalmotre {

// Which trials carve: the literal removal trial (every trial solved in full), or the fast one.
// Both make the same puzzle from the same draws.
enum class CarvingEngine { kLiteral, kFast };

// Runs the removal passes the level names on `start`, the board as it stands when carving begins
// (the complete grid of `solution`, as generation leaves it), drawing from an already seeded
// source. Returns the carved board. The fast engine needs `start` to be the valid complete grid
// of `solution`; for any other board the literal one carves.
Grid carvePuzzle(const Grid& solution, const Grid& start, Level level, RandomSource& random,
                 CarvingEngine engine = CarvingEngine::kFast);

}  // namespace kalmotre
