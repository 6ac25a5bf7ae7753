// A set of cells as 81 bits, so the solver can treat a whole unit in a few instructions.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "board/geometry.h"

namespace kalmotre {

class CellMask {
 public:
  constexpr CellMask() = default;

  static constexpr CellMask of(CellIndex cell) {
    CellMask m;
    m.set(cell);
    return m;
  }
  static constexpr CellMask all() {
    CellMask m;
    m.low_ = ~std::uint64_t{0};
    m.high_ = (std::uint64_t{1} << (kCells - 64)) - 1;
    return m;
  }

  constexpr void set(CellIndex cell) {
    if (cell < 64) {
      low_ |= std::uint64_t{1} << cell;
    } else {
      high_ |= std::uint64_t{1} << (cell - 64);
    }
  }
  constexpr void reset(CellIndex cell) {
    if (cell < 64) {
      low_ &= ~(std::uint64_t{1} << cell);
    } else {
      high_ &= ~(std::uint64_t{1} << (cell - 64));
    }
  }
  constexpr bool test(CellIndex cell) const {
    return cell < 64 ? ((low_ >> cell) & 1) != 0 : ((high_ >> (cell - 64)) & 1) != 0;
  }

  constexpr bool empty() const { return (low_ | high_) == 0; }
  constexpr int count() const { return std::popcount(low_) + std::popcount(high_); }
  // Exactly one cell; cheaper than counting where the processor has no popcount instruction.
  constexpr bool single() const {
    return low_ == 0 ? (high_ != 0 && (high_ & (high_ - 1)) == 0)
                     : (high_ == 0 && (low_ & (low_ - 1)) == 0);
  }
  // The lowest cell of a non-empty set.
  constexpr CellIndex first() const {
    return low_ != 0 ? std::countr_zero(low_) : 64 + std::countr_zero(high_);
  }

  // Calls f(cell) for every cell in ascending order.
  template <typename F>
  constexpr void forEach(F&& f) const {
    for (std::uint64_t bits = low_; bits != 0; bits &= bits - 1) f(std::countr_zero(bits));
    for (std::uint64_t bits = high_; bits != 0; bits &= bits - 1) f(64 + std::countr_zero(bits));
  }

  constexpr CellMask operator|(CellMask o) const { return {low_ | o.low_, high_ | o.high_}; }
  constexpr CellMask operator&(CellMask o) const { return {low_ & o.low_, high_ & o.high_}; }
  constexpr CellMask operator~() const { return CellMask{~low_, ~high_} & all(); }
  constexpr CellMask& operator|=(CellMask o) { return *this = *this | o; }
  constexpr CellMask& operator&=(CellMask o) { return *this = *this & o; }
  friend constexpr bool operator==(CellMask, CellMask) = default;

 private:
  constexpr CellMask(std::uint64_t low, std::uint64_t high) : low_(low), high_(high) {}
  std::uint64_t low_ = 0;
  std::uint64_t high_ = 0;
};

constexpr CellMask maskOf(const Unit& unit) {
  CellMask m;
  for (CellIndex cell : unit) m.set(cell);
  return m;
}

// The 27 units as masks, in the order of kUnits: blocks, rows, columns.
inline constexpr std::array<CellMask, 27> kUnitMasks = [] {
  std::array<CellMask, 27> masks{};
  for (int u = 0; u < 27; ++u) masks[u] = maskOf(kUnits[u]);
  return masks;
}();

// Per cell: its row, column and block together, the cell itself included.
inline constexpr std::array<CellMask, kCells> kReachMasks = [] {
  std::array<CellMask, kCells> masks{};
  for (CellIndex cell = 0; cell < kCells; ++cell) {
    masks[cell] = maskOf(blockCells(blockOf(cell))) | maskOf(rowCells(rowOf(cell))) |
                  maskOf(columnCells(columnOf(cell)));
  }
  return masks;
}();

}  // namespace kalmotre
