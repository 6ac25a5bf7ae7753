// The trial solver: candidates counted per unit in 16-bit lanes, three cells to a word.
#include "solve/trial_solver.h"

#include <algorithm>
#include <bit>

namespace kalmotre {

namespace {

constexpr std::uint64_t kLanes = 0x0000'0001'0001'0001;  // one in each of the three lanes
constexpr std::uint64_t kLaneMask = 0xFFFF;

// Where a cell lives in the words: word 3 * row + column / 3, lane column % 3.
struct Place {
  std::uint8_t row, column, block, word, shift;
};

constexpr std::array<Place, kCells> kPlaces = [] {
  std::array<Place, kCells> places{};
  for (CellIndex c = 0; c < kCells; ++c) {
    const int row = rowOf(c), column = columnOf(c);
    places[static_cast<std::size_t>(c)] = {
        static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(column),
        static_cast<std::uint8_t>(blockOf(c)), static_cast<std::uint8_t>(3 * row + column / 3),
        static_cast<std::uint8_t>(16 * (column % 3))};
  }
  return places;
}();

constexpr const Place& placeOf(CellIndex cell) {
  return kPlaces[static_cast<std::size_t>(cell)];
}

constexpr std::uint64_t broadcast(std::uint16_t bits) {
  return bits * kLanes;
}

// The digits that exactly one of the three lanes has, from the lanes' "seen once" and "seen
// twice" bits.
constexpr std::uint16_t singlesAcrossLanes(std::uint64_t once, std::uint64_t twice) {
  const std::uint64_t o1 = once >> 16, o2 = once >> 32;
  const std::uint64_t all = once | o1 | o2;
  const std::uint64_t more =
      twice | (twice >> 16) | (twice >> 32) | (once & o1) | ((once | o1) & o2);
  return static_cast<std::uint16_t>(all & ~more & kAllDigitBits);
}

constexpr int laneOf(std::uint64_t bits) {
  return std::countr_zero(bits) / 16;
}

}  // namespace

TrialSolver::TrialSolver(const SolverBoard& board)
    : digit_(board.digit), emptyText_(board.emptyText) {
  for (CellIndex c = 0; c < kCells; ++c) {
    const Place& p = placeOf(c);
    const int d = digit_[static_cast<std::size_t>(c)];
    if (d == 0) {
      open_[p.word] |= std::uint64_t{kAllDigitBits} << p.shift;
    } else if (d > 0) {
      const auto bit = static_cast<std::uint16_t>(1u << d);
      rowDigits_[p.row] |= bit;
      columnDigits_[p.column] |= bit;
      blockDigits_[p.block] |= bit;
    }
  }
}

void TrialSolver::recountUnits(CellIndex cell) {
  const Place& p = placeOf(cell);
  auto digitsOf = [&](const Unit& unit) {
    std::uint16_t bits = 0;
    for (CellIndex c : unit) {
      const int d = digit_[static_cast<std::size_t>(c)];
      if (d > 0) bits |= static_cast<std::uint16_t>(1u << d);
    }
    return bits;
  };
  rowDigits_[p.row] = digitsOf(rowCells(p.row));
  columnDigits_[p.column] = digitsOf(columnCells(p.column));
  blockDigits_[p.block] = digitsOf(blockCells(p.block));
}

void TrialSolver::blank(CellIndex cell) {
  const Place& p = placeOf(cell);
  digit_[static_cast<std::size_t>(cell)] = 0;
  emptyText_.set(cell);
  open_[p.word] |= std::uint64_t{kAllDigitBits} << p.shift;
  recountUnits(cell);
}

std::uint16_t TrialSolver::peerDigits(CellIndex cell) const {
  const Place& p = placeOf(cell);
  return rowDigits_[p.row] | columnDigits_[p.column] | blockDigits_[p.block];
}

SolverBoard TrialSolver::board() const {
  SolverBoard b;
  b.digit = digit_;
  b.emptyText = emptyText_;
  return b;
}

bool TrialSolver::cycle() {
  // Candidates of every cell: open, and no unit of the cell holds the digit.
  std::array<std::uint64_t, 27> cand;
  std::array<std::uint64_t, 3> columnWords;
  for (int s = 0; s < 3; ++s) {
    columnWords[s] = columnDigits_[3 * s] | std::uint64_t{columnDigits_[3 * s + 1]} << 16 |
                     std::uint64_t{columnDigits_[3 * s + 2]} << 32;
  }
  for (int r = 0; r < 9; ++r) {
    const std::uint64_t row = broadcast(rowDigits_[r]);
    for (int s = 0; s < 3; ++s) {
      const int w = 3 * r + s;
      cand[w] = ~(row | columnWords[s] | broadcast(blockDigits_[3 * (r / 3) + s])) & open_[w];
    }
  }

  // Seen once / seen twice per lane: over the three rows of a block, then over the bands.
  std::array<std::uint16_t, 9> blockSingles, rowSingles, columnSingles;
  std::array<std::uint64_t, 3> columnOnce{}, columnTwice{};
  for (int band = 0; band < 3; ++band) {
    for (int s = 0; s < 3; ++s) {
      const std::uint64_t a = cand[9 * band + s], b = cand[9 * band + 3 + s],
                          c = cand[9 * band + 6 + s];
      const std::uint64_t once = a | b | c;
      const std::uint64_t twice = (a & b) | ((a | b) & c);
      blockSingles[3 * band + s] = singlesAcrossLanes(once, twice);
      columnTwice[s] |= twice | (columnOnce[s] & once);
      columnOnce[s] |= once;
    }
  }
  for (int s = 0; s < 3; ++s) {
    const std::uint64_t singles = columnOnce[s] & ~columnTwice[s];
    for (int k = 0; k < 3; ++k) {
      columnSingles[3 * s + k] = static_cast<std::uint16_t>((singles >> (16 * k)) & kAllDigitBits);
    }
  }
  for (int r = 0; r < 9; ++r) {
    const std::uint64_t a = cand[3 * r], b = cand[3 * r + 1], c = cand[3 * r + 2];
    rowSingles[r] = singlesAcrossLanes(a | b | c, (a & b) | ((a | b) & c));
  }

  // Where each single lies; a cell found for two digits keeps the higher.
  std::array<std::int8_t, kCells> find{};
  CellMask found;
  auto note = [&](CellIndex cell, int d) {
    std::int8_t& f = find[static_cast<std::size_t>(cell)];
    f = std::max(f, static_cast<std::int8_t>(d));
    found.set(cell);
  };
  for (int b = 0; b < 9; ++b) {
    for (unsigned bits = blockSingles[b]; bits != 0; bits &= bits - 1) {
      const int d = std::countr_zero(bits);
      const std::uint64_t lanes = broadcast(static_cast<std::uint16_t>(1u << d));
      const int band = b / 3, s = b % 3;
      for (int r = 3 * band;; ++r) {
        const std::uint64_t hit = cand[3 * r + s] & lanes;
        if (hit != 0) {
          note(cellAt(r, 3 * s + laneOf(hit)), d);
          break;
        }
      }
    }
  }
  for (int r = 0; r < 9; ++r) {
    for (unsigned bits = rowSingles[r]; bits != 0; bits &= bits - 1) {
      const int d = std::countr_zero(bits);
      const std::uint64_t lanes = broadcast(static_cast<std::uint16_t>(1u << d));
      for (int s = 0;; ++s) {
        const std::uint64_t hit = cand[3 * r + s] & lanes;
        if (hit != 0) {
          note(cellAt(r, 3 * s + laneOf(hit)), d);
          break;
        }
      }
    }
  }
  for (int column = 0; column < 9; ++column) {
    const int s = column / 3, shift = 16 * (column % 3);
    for (unsigned bits = columnSingles[column]; bits != 0; bits &= bits - 1) {
      const int d = std::countr_zero(bits);
      for (int r = 0;; ++r) {
        if (((cand[3 * r + s] >> shift) & (1u << d)) != 0) {
          note(cellAt(r, column), d);
          break;
        }
      }
    }
  }

  // The fill: only cells whose text is empty take their find.
  const CellMask toFill = found & emptyText_;
  if (toFill.empty()) return false;
  toFill.forEach([&](CellIndex cell) {
    const Place& p = placeOf(cell);
    const std::int8_t d = find[static_cast<std::size_t>(cell)];
    const auto bit = static_cast<std::uint16_t>(1u << d);
    digit_[static_cast<std::size_t>(cell)] = d;
    emptyText_.reset(cell);
    open_[p.word] &= ~(kLaneMask << p.shift);
    rowDigits_[p.row] |= bit;
    columnDigits_[p.column] |= bit;
    blockDigits_[p.block] |= bit;
  });
  return true;
}

bool runTrialSolver(SolverBoard& board, int cycles) {
  TrialSolver solver(board);
  for (int k = 0; k < cycles; ++k) {
    if (!solver.cycle() || solver.complete()) break;
  }
  board = solver.board();
  return solver.complete();
}

}  // namespace kalmotre
