// Clue removal written out step by step on the cells' texts, with the step-by-step solver: the
// yardstick for the game's generator, which carves on a compact copy of the board.
#pragma once

#include "board/display.h"
#include "board/knobs.h"
#include "board/value.h"
#include "generate/clue_record.h"
#include "generate/grid_check.h"
#include "generate/removal.h"
#include "generate/shuffle.h"
#include "solve/reference_solver.h"

namespace kalmotre::test {

inline void referenceTrial(FormState& form, CellIndex c) {
  recordGivens(form);
  form.board.setText(c, "");
  const bool solved = referenceSolve(form, knobs::kTrialCycles);
  restoreGivens(form);
  if (solved) form.board.setText(c, "");
}

inline bool referenceForced(FormState& form, CellIndex c) {
  clearTally(form.state);
  const Unit row = rowCells(rowOf(c)), column = columnCells(columnOf(c)),
             block = blockCells(blockOf(c));
  for (const Unit* unit : {&row, &column, &block}) {
    for (CellIndex cell : *unit) form.state.digitTally[roundToInt(form.board.value(cell))] = 1;
  }
  return tallyAllOnce(form.state);
}

inline bool referenceCrossHatched(const FormState& form, CellIndex c) {
  const int d = form.state.solution[c];
  const int b = c / 9;
  bool answer = false;
  for (const auto& blocks : {bandBlocks(b), stackBlocks(b)}) {
    int count = 0;
    for (int k : blocks) {
      if (k == b) continue;
      for (int p = 0; p < 9; ++p) {
        if (form.board.value(9 * k + p) == d) {
          ++count;
          break;
        }
      }
    }
    if (count == 2) answer = true;
  }
  return answer;
}

// A whole generation up to the presentation, every removal made on the cells. `givens` ends as the
// last trial left it.
inline void referenceGenerate(FormState& form, RandomSource& random, double seed) {
  form.state.busy = true;
  form.state.possibilitiesOn = false;
  random.seed(seed);
  buildBaseGrid(form.state.solution);
  for (auto* transform : {swapBandsOrStacks, swapColumnsInStack, swapRowsInBand}) {
    const int n = drawBelow(random, knobs::kShuffleRepeatsBelow);
    for (int k = 0; k < n; ++k) transform(form.state.solution, random);
  }
  relabelDigits(form.state.solution, random);
  NullView view;
  showSolution(form, view);
  auto filled = [&](CellIndex c) { return !form.board.isEmptyText(c); };
  for (int n = 0; n < knobs::kForcedPassDraws; ++n) {
    const CellIndex r = drawBelow(random, 81);
    if (filled(r) && referenceForced(form, r)) referenceTrial(form, r);
  }
  for (CellIndex i = 0; i < 81; ++i) {
    if (filled(i) && referenceForced(form, i)) referenceTrial(form, i);
  }
  for (CellIndex t = 0; t < 81; t += 3) {
    if (!filled(t) || !filled(t + 1) || !filled(t + 2)) continue;
    for (CellIndex x : {t, t + 1, t + 2}) {
      if (referenceCrossHatched(form, x)) {
        referenceTrial(form, x);
        break;
      }
    }
  }
  for (int b = 0; b < 9; ++b) {
    bool tried = false;
    for (int s = 0; s < 3 && !tried; ++s) {
      const CellIndex top = 9 * b + s;
      if (!filled(top) || !filled(top + 3) || !filled(top + 6)) continue;
      for (CellIndex x : {top, top + 3, top + 6}) {
        if (referenceCrossHatched(form, x)) {
          referenceTrial(form, x);
          tried = true;
          break;
        }
      }
    }
  }
  if (levelInfo(form.level).randomPass) {
    for (int n = 0; n < knobs::kRandomPassDraws; ++n) {
      const CellIndex r = drawBelow(random, 81);
      if (filled(r)) referenceTrial(form, r);
    }
  }
  presentPuzzle(form);
  form.state.busy = false;
}

}  // namespace kalmotre::test
