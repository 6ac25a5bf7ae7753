// The hidden-single solver written out step by step, every cycle run, on the cells' texts with a
// candidate table and an exclusion table of its own: the yardstick for the game's bit-mask solver.
#pragma once

#include <array>
#include <string>

#include "board/board.h"

namespace kalmotre::test {

inline bool referenceSolve(Board& board, int cycles) {
  std::array<int, kCells * 10> candidates{};  // element cell * 10 + digit
  std::array<int, kCells> excluded{};
  auto setSingle = [&](CellIndex cell, int digit) {
    for (int d = 1; d <= 9; ++d) candidates[cell * 10 + d] = d == digit ? 1 : 0;
  };
  auto single = [&](CellIndex cell) {
    int count = 0, last = 0;
    for (int d = 1; d <= 9; ++d) {
      if (candidates[cell * 10 + d] != 0) ++count, last = d;
    }
    return count == 1 ? last : 0;
  };
  for (CellIndex cell = 0; cell < kCells; ++cell) {
    for (int d = 1; d <= 9; ++d) {
      candidates[cell * 10 + d] = (board.isEmptyText(cell) || board.value(cell) == d) ? 1 : 0;
    }
  }
  for (int cycle = 0; cycle < cycles; ++cycle) {
    for (int d = 1; d <= 9; ++d) {
      for (CellIndex i = 0; i < kCells; ++i) excluded[i] = board.value(i) == 0.0 ? 0 : 1;
      for (CellIndex i = 0; i < kCells; ++i) {
        if (board.value(i) != d) continue;
        for (int k = 0; k < 9; ++k) excluded[9 * (i / 9) + k] = 1;
        for (int offset : kRowOffsets) excluded[rowStart(rowOf(i)) + offset] = 1;
        for (int offset : kColumnOffsets) excluded[columnStart(columnOf(i)) + offset] = 1;
      }
      for (int b = 0; b < 9; ++b) {
        int count = 0, first = -1;
        for (int k = 0; k < 9 && count < 2; ++k) {
          if (excluded[9 * b + k] == 0 && count++ == 0) first = 9 * b + k;
        }
        if (count == 1) setSingle(first, d);
      }
      for (int r = 0; r < 9; ++r) {
        int count = 0, last = -1;
        for (int offset : kRowOffsets) {
          if (excluded[rowStart(r) + offset] == 0) ++count, last = rowStart(r) + offset;
        }
        if (count == 1) setSingle(last, d);
      }
      for (int c = 0; c < 9; ++c) {
        int count = 0, last = -1;
        for (int offset : kColumnOffsets) {
          if (excluded[columnStart(c) + offset] == 0) ++count, last = columnStart(c) + offset;
        }
        if (count == 1) setSingle(last, d);
      }
    }
    for (CellIndex i = 0; i < kCells; ++i) {
      if (!board.isEmptyText(i)) continue;
      board.setColors(i, colors::kYellow, colors::kBlue);
      const int d = single(i);
      if (d > 0) board.setText(i, std::to_string(d));
    }
  }
  for (CellIndex i = 0; i < kCells; ++i) {
    if (board.isEmptyText(i)) return false;
  }
  return true;
}

}  // namespace kalmotre::test
