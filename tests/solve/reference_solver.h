// The hidden-single solver written out step by step, every cycle run, on the cells' texts: the
// yardstick for the game's bit-mask solver.
#pragma once

#include <string>

#include "board/form_state.h"
#include "solve/candidates.h"

namespace kalmotre::test {

inline bool referenceSolve(FormState& form, int cycles) {
  Board& board = form.board;
  ModuleState& s = form.state;
  initCandidates(form);
  for (int cycle = 0; cycle < cycles; ++cycle) {
    for (int d = 1; d <= 9; ++d) {
      for (CellIndex i = 0; i < kCells; ++i) s.excluded[i] = board.value(i) == 0.0 ? 0 : 1;
      for (CellIndex i = 0; i < kCells; ++i) {
        if (board.value(i) != d) continue;
        for (int k = 0; k < 9; ++k) s.excluded[9 * (i / 9) + k] = 1;
        for (int offset : kRowOffsets) s.excluded[rowStart(rowOf(i)) + offset] = 1;
        for (int offset : kColumnOffsets) s.excluded[columnStart(columnOf(i)) + offset] = 1;
      }
      for (int b = 0; b < 9; ++b) {
        int count = 0, first = -1;
        for (int k = 0; k < 9 && count < 2; ++k) {
          if (s.excluded[9 * b + k] == 0 && count++ == 0) first = 9 * b + k;
        }
        if (count == 1) setSingleCandidate(form, first, d);
      }
      for (int r = 0; r < 9; ++r) {
        int count = 0, last = -1;
        for (int offset : kRowOffsets) {
          if (s.excluded[rowStart(r) + offset] == 0) ++count, last = rowStart(r) + offset;
        }
        if (count == 1) setSingleCandidate(form, last, d);
      }
      for (int c = 0; c < 9; ++c) {
        int count = 0, last = -1;
        for (int offset : kColumnOffsets) {
          if (s.excluded[columnStart(c) + offset] == 0) ++count, last = columnStart(c) + offset;
        }
        if (count == 1) setSingleCandidate(form, last, d);
      }
    }
    for (CellIndex i = 0; i < kCells; ++i) {
      if (!board.isEmptyText(i)) continue;
      board.setColors(i, colors::kYellow, colors::kBlue);
      const int d = getSingleCandidate(form, i);
      if (d > 0) board.setText(i, std::to_string(d));
    }
  }
  for (CellIndex i = 0; i < kCells; ++i) {
    if (board.isEmptyText(i)) return false;
  }
  return true;
}

}  // namespace kalmotre::test
