// The trial solver: candidates counted per unit in 16-bit lanes, three cells to a word.
#include "solve/trial_solver.h"

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

void TrialSolver::blankSoleDigit(CellIndex cell) {
  const Place& p = placeOf(cell);
  std::int8_t& d = digit_[static_cast<std::size_t>(cell)];
  if (d > 0) {
    const auto keep = static_cast<std::uint16_t>(~(1u << d));
    rowDigits_[p.row] &= keep;
    columnDigits_[p.column] &= keep;
    blockDigits_[p.block] &= keep;
  }
  d = 0;
  emptyText_.set(cell);
  open_[p.word] |= std::uint64_t{kAllDigitBits} << p.shift;
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

  // Per unit the digits that are a candidate of exactly one cell ("seen once" but not "seen
  // twice"): over the three rows of a block, then over the bands for the columns.
  std::array<std::uint16_t, 9> blockSingles, rowSingles;
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
  for (int r = 0; r < 9; ++r) {
    const std::uint64_t a = cand[3 * r], b = cand[3 * r + 1], c = cand[3 * r + 2];
    rowSingles[r] = singlesAcrossLanes(a | b | c, (a & b) | ((a | b) & c));
  }

  // A cell is found for each digit that is both its candidate and a single of one of its units;
  // found for two digits (only on a contradictory board) it keeps the higher. All finds are made
  // on the candidates above, so filling them at once is the cycle's fill.
  bool filled = false;
  for (int r = 0; r < 9; ++r) {
    const std::uint64_t row = broadcast(rowSingles[r]);
    for (int s = 0; s < 3; ++s) {
      const int w = 3 * r + s;
      std::uint64_t hits = cand[w] & (row | (columnOnce[s] & ~columnTwice[s]) |
                                      broadcast(blockSingles[3 * (r / 3) + s]));
      while (hits != 0) {
        const int lane = laneOf(hits);
        const auto bits = static_cast<unsigned>((hits >> (16 * lane)) & kLaneMask);
        hits &= ~(kLaneMask << (16 * lane));
        const CellIndex cell = cellAt(r, 3 * s + lane);
        if (!emptyText_.test(cell)) continue;
        const int d = std::bit_width(bits) - 1;
        const auto bit = static_cast<std::uint16_t>(1u << d);
        digit_[static_cast<std::size_t>(cell)] = static_cast<std::int8_t>(d);
        emptyText_.reset(cell);
        open_[w] &= ~(kLaneMask << (16 * lane));
        rowDigits_[r] |= bit;
        columnDigits_[3 * s + lane] |= bit;
        blockDigits_[3 * (r / 3) + s] |= bit;
        filled = true;
      }
    }
  }
  return filled;
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
