// The solution counter at its plainest: depth first over the digits still free per row, column
// and block, no propagation. Slow on sparse boards, but hard to get wrong: the yardstick the game's
// solver is checked against.
#pragma once

#include <bit>

#include "board/grid.h"

namespace kalmotre::test {

class Backtracking {
 public:
  Backtracking(int limit, Grid* first) : limit_(limit), first_(first) {}

  // Places a clue; false when a unit already holds its digit.
  bool place(CellIndex cell, int d) {
    if ((freeDigits(cell) & (1u << d)) == 0) return false;
    set(cell, d);
    return true;
  }

  // Depth first, always at the open cell with the fewest digits left.
  void run() {
    CellIndex best = -1;
    int fewest = 10;
    for (CellIndex cell = 0; cell < kCells && fewest > 1; ++cell) {
      if (digits_[static_cast<std::size_t>(cell)] != 0) continue;
      const int n = std::popcount(freeDigits(cell));
      if (n < fewest) best = cell, fewest = n;
    }
    if (best < 0) {
      if (found_++ == 0 && first_ != nullptr) *first_ = digits_;
      return;
    }
    for (unsigned left = freeDigits(best); left != 0 && found_ < limit_; left &= left - 1) {
      const int d = std::countr_zero(left);
      set(best, d);
      run();
      clear(best, d);
    }
  }

  int found() const { return found_; }

 private:
  unsigned freeDigits(CellIndex cell) const {
    return kAllDigitBits &
           ~(rows_[rowOf(cell)] | columns_[columnOf(cell)] | blocks_[blockOf(cell)]);
  }
  void set(CellIndex cell, int d) {
    const auto bit = static_cast<std::uint16_t>(1u << d);
    digits_[static_cast<std::size_t>(cell)] = static_cast<std::int8_t>(d);
    rows_[rowOf(cell)] |= bit;
    columns_[columnOf(cell)] |= bit;
    blocks_[blockOf(cell)] |= bit;
  }
  void clear(CellIndex cell, int d) {
    const auto keep = static_cast<std::uint16_t>(~(1u << d));
    digits_[static_cast<std::size_t>(cell)] = 0;
    rows_[rowOf(cell)] &= keep;
    columns_[columnOf(cell)] &= keep;
    blocks_[blockOf(cell)] &= keep;
  }

  Grid digits_{};
  std::array<std::uint16_t, 9> rows_{}, columns_{}, blocks_{};
  int found_ = 0;
  int limit_;
  Grid* first_;
};

inline int backtrackingCount(const Grid& board, int limit, Grid* first) {
  Backtracking search(limit, first);
  for (CellIndex cell = 0; cell < kCells; ++cell) {
    const int d = board[static_cast<std::size_t>(cell)];
    if (d == 0) continue;
    if (d < 1 || d > 9 || !search.place(cell, d)) return 0;
  }
  search.run();
  return search.found();
}

}  // namespace kalmotre::test
