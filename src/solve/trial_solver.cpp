// The trial solvers: candidates counted per unit in 16-bit lanes, three cells to a word; the
// grid-board solver two such words at a time.
#include "solve/trial_solver.h"

#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kalmotre {

namespace {

constexpr std::uint64_t kLanes = 0x0000'0001'0001'0001;  // one in each of the three lanes
constexpr std::uint64_t kLaneMask = 0xFFFF;

using Place = TrialPlace;

constexpr const Place& placeOf(CellIndex cell) {
  return trialPlaceOf(cell);
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

// Per lane all 16 bits when the lane is not zero. Lanes hold at most bits 1..9, so adding 0x3FF
// carries into bit 10 exactly for a non-zero lane and never into the next lane.
constexpr std::uint64_t nonZeroLanes(std::uint64_t bits) {
  return (((bits + 0x3FF * kLanes) >> 10) & kLanes) * kLaneMask;
}

// Folds the three lanes into the lowest.
constexpr std::uint16_t foldLanes(std::uint64_t bits) {
  return static_cast<std::uint16_t>(bits | (bits >> 16) | (bits >> 32));
}

// Keeps only the highest bit of each lane. Needed only where a lane has two bits, which a
// contradictory board alone gives.
std::uint64_t highestBitPerLane(std::uint64_t bits) {
  std::uint64_t kept = 0;
  for (int shift = 0; shift < 48; shift += 16) {
    const auto lane = static_cast<unsigned>((bits >> shift) & kLaneMask);
    if (lane != 0) kept |= std::uint64_t{1} << (shift + std::bit_width(lane) - 1);
  }
  return kept;
}

// Whether some lane has two bits or more: with bit 15 set, subtracting one never borrows out of
// a lane, and x & (x - 1) clears the lowest bit.
constexpr bool someLaneHasTwoBits(std::uint64_t bits) {
  return (bits & ((bits | 0x8000 * kLanes) - kLanes) & (kAllDigitBits * kLanes)) != 0;
}

}  // namespace

TrialSolver::TrialSolver(const SolverBoard& board) {
  for (CellIndex c = 0; c < kCells; ++c) {
    const Place& p = placeOf(c);
    const int d = board.digit[static_cast<std::size_t>(c)];
    if (d == 0) {
      open_[p.word] |= std::uint64_t{kAllDigitBits} << p.shift;
    } else if (d > 0) {
      const auto bit = static_cast<std::uint16_t>(1u << d);
      rowDigits_[p.row] |= bit;
      columnDigits_[p.column] |= bit;
      blockDigits_[p.block] |= bit;
    }
    if (board.emptyText.test(c)) empty_[p.word] |= kLaneMask << p.shift;
  }
  complete_ = board.emptyText.empty();
}

void TrialSolver::blankSoleDigit(CellIndex cell, int digit) {
  const Place& p = placeOf(cell);
  const auto keep = static_cast<std::uint16_t>(~(1u << digit));
  rowDigits_[p.row] &= keep;
  columnDigits_[p.column] &= keep;
  blockDigits_[p.block] &= keep;
  open_[p.word] |= std::uint64_t{kAllDigitBits} << p.shift;
  empty_[p.word] |= kLaneMask << p.shift;
  complete_ = false;
}

bool TrialSolver::cycle(Fills* fills) {
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
  // found for two digits it keeps the higher. Only cells whose text is empty are filled. All
  // finds are made on the candidates above, so the fill can follow word by word.
  std::array<std::uint64_t, 3> columnSingles, columnGain{};
  for (int s = 0; s < 3; ++s) columnSingles[s] = columnOnce[s] & ~columnTwice[s];
  std::uint64_t anyFill = 0, anyEmpty = 0;
  for (int band = 0; band < 3; ++band) {
    std::array<std::uint64_t, 3> blockGain{};
    for (int r = 3 * band; r < 3 * band + 3; ++r) {
      const std::uint64_t row = broadcast(rowSingles[r]);
      std::uint64_t rowGain = 0;
      for (int s = 0; s < 3; ++s) {
        const int w = 3 * r + s;
        std::uint64_t fill =
            cand[w] & empty_[w] & (row | columnSingles[s] | broadcast(blockSingles[3 * band + s]));
        if (someLaneHasTwoBits(fill)) [[unlikely]]
          fill = highestBitPerLane(fill);
        const std::uint64_t filled = nonZeroLanes(fill);
        open_[w] &= ~filled;
        empty_[w] &= ~filled;
        anyEmpty |= empty_[w];
        rowGain |= fill;
        blockGain[s] |= fill;
        columnGain[s] |= fill;
        if (fills != nullptr) (*fills)[w] |= fill;
      }
      rowDigits_[r] |= foldLanes(rowGain) & kAllDigitBits;
      anyFill |= rowGain;
    }
    for (int s = 0; s < 3; ++s)
      blockDigits_[3 * band + s] |= foldLanes(blockGain[s]) & kAllDigitBits;
  }
  for (int k = 0; k < 9; ++k) {
    columnDigits_[k] |= static_cast<std::uint16_t>(columnGain[k / 3] >> (16 * (k % 3)));
  }
  complete_ = anyEmpty == 0;
  return anyFill != 0;
}

namespace {

// Two words of the grid solver's layout, with the few operations its cycle needs: as two 64-bit
// words, and with SSE2 (part of every x86-64 processor) in one register. Either way only lanes
// 0..2 of each half carry cells; what lane 3 holds is masked away before it matters.
struct WordPair {
  static WordPair load(const std::uint64_t* p) { return {p[0], p[1]}; }
  std::uint64_t low, high;
};
inline void storePair(std::uint64_t* p, WordPair x) {
  p[0] = x.low;
  p[1] = x.high;
}
inline WordPair operator&(WordPair a, WordPair b) {
  return {a.low & b.low, a.high & b.high};
}
inline WordPair operator|(WordPair a, WordPair b) {
  return {a.low | b.low, a.high | b.high};
}
inline WordPair andNot(WordPair a, WordPair b) {
  return {a.low & ~b.low, a.high & ~b.high};
}
inline WordPair gatherLanes(WordPair x) {
  return {broadcast(foldLanes(x.low)), broadcast(foldLanes(x.high))};
}
inline WordPair joinHalves(WordPair x) {
  return {x.low | x.high, x.low | x.high};
}
inline WordPair withoutFilled(WordPair open, WordPair fill) {
  return {open.low & ~nonZeroLanes(fill.low), open.high & ~nonZeroLanes(fill.high)};
}
inline bool anyBit(WordPair x) {
  return (x.low | x.high) != 0;
}
#ifdef __SSE2__
struct SsePair {
  static SsePair load(const std::uint64_t* p) {
    return {_mm_load_si128(reinterpret_cast<const __m128i*>(p))};
  }
  __m128i v;
};
inline void storePair(std::uint64_t* p, SsePair x) {
  _mm_store_si128(reinterpret_cast<__m128i*>(p), x.v);
}
inline SsePair operator&(SsePair a, SsePair b) {
  return {_mm_and_si128(a.v, b.v)};
}
inline SsePair operator|(SsePair a, SsePair b) {
  return {_mm_or_si128(a.v, b.v)};
}
inline SsePair andNot(SsePair a, SsePair b) {  // a & ~b
  return {_mm_andnot_si128(b.v, a.v)};
}
// Per half, the bits of lanes 0..2 together, in every lane of the half.
inline SsePair gatherLanes(SsePair x) {
  const __m128i f =
      _mm_or_si128(x.v, _mm_or_si128(_mm_srli_epi64(x.v, 16), _mm_srli_epi64(x.v, 32)));
  return {_mm_shufflehi_epi16(_mm_shufflelo_epi16(f, 0), 0)};
}
// Both halves together, in each half.
inline SsePair joinHalves(SsePair x) {
  return {_mm_or_si128(x.v, _mm_shuffle_epi32(x.v, 0x4E))};
}
// `open` without the lanes where `fill` has a bit.
inline SsePair withoutFilled(SsePair open, SsePair fill) {
  return {_mm_and_si128(open.v, _mm_cmpeq_epi16(fill.v, _mm_setzero_si128()))};
}
inline bool anyBit(SsePair x) {
  return _mm_movemask_epi8(_mm_cmpeq_epi8(x.v, _mm_setzero_si128())) != 0xFFFF;
}
#endif

constexpr int kPairs = GridTrialSolver::kPairs;

// Per row, block and column the bits of its cells in `cells`: row pairs 3 * g + i and block pairs
// 3 * g + s in the halves of their bands, column pairs in both halves.
template <typename Pair>
struct UnitBits {
  std::array<Pair, 6> rows, blocks;
  std::array<Pair, 3> columns;
};
template <typename Pair>
UnitBits<Pair> gatherUnits(const std::array<Pair, kPairs>& cells) {
  UnitBits<Pair> u;
  std::array<Pair, 3> columns;
  for (int g = 0; g < 2; ++g) {
    for (int i = 0; i < 3; ++i) {
      const int p = 9 * g + 3 * i;
      u.rows[3 * g + i] = gatherLanes(cells[p] | cells[p + 1] | cells[p + 2]);
    }
    for (int s = 0; s < 3; ++s) {
      const int p = 9 * g + s;
      const Pair block = cells[p] | cells[p + 3] | cells[p + 6];
      u.blocks[3 * g + s] = gatherLanes(block);
      columns[s] = g == 0 ? block : columns[s] | block;
    }
  }
  for (int s = 0; s < 3; ++s) u.columns[s] = joinHalves(columns[s]);
  return u;
}

}  // namespace

GridTrialSolver::Grid::Grid(const SolverBoard& complete) {
  for (CellIndex c = 0; c < kCells; ++c) {
    digitBits[slotOf(c)] |= std::uint64_t{1}
                            << (complete.digit[static_cast<std::size_t>(c)] + placeOf(c).shift);
  }
}

bool GridTrialSolver::cycle() {
#ifdef __SSE2__
  return cycleWith<SsePair>();
#else
  return cycleWith<WordPair>();
#endif
}

bool GridTrialSolver::cycleOnWords() {
  return cycleWith<WordPair>();
}

template <typename Pair>
bool GridTrialSolver::cycleWith() {
  std::array<Pair, kPairs> open, ownOpen;
  for (int p = 0; p < kPairs; ++p) {
    open[p] = Pair::load(&open_[2 * p]);
    ownOpen[p] = Pair::load(&grid_->digitBits[2 * p]) & open[p];
  }
  // A unit lacks the grid digits of its open cells; a cell can take what all its units lack.
  const UnitBits<Pair> missing = gatherUnits(ownOpen);
  std::array<Pair, kPairs> stray;
  for (int g = 0; g < 2; ++g) {
    for (int i = 0; i < 3; ++i) {
      for (int s = 0; s < 3; ++s) {
        const int p = 9 * g + 3 * i + s;
        stray[p] = andNot(open[p], ownOpen[p]) & missing.rows[3 * g + i] &
                   missing.blocks[3 * g + s] & missing.columns[s];
      }
    }
  }
  const UnitBits<Pair> strays = gatherUnits(stray);
  Pair anyFill = {}, anyOpen = {};
  for (int g = 0; g < 2; ++g) {
    for (int i = 0; i < 3; ++i) {
      for (int s = 0; s < 3; ++s) {
        const int p = 9 * g + 3 * i + s;
        const Pair fill = andNot(
            ownOpen[p], strays.rows[3 * g + i] & strays.blocks[3 * g + s] & strays.columns[s]);
        const Pair left = withoutFilled(open[p], fill);
        storePair(&open_[2 * p], left);
        anyFill = anyFill | fill;
        anyOpen = anyOpen | left;
      }
    }
  }
  complete_ = !anyBit(anyOpen);
  return anyBit(anyFill);
}

bool runTrialSolver(SolverBoard& board, int cycles) {
  TrialSolver solver(board);
  TrialSolver::Fills fills{};
  for (int k = 0; k < cycles; ++k) {
    if (!solver.cycle(&fills) || solver.complete()) break;
  }
  for (CellIndex c = 0; c < kCells; ++c) {
    const Place& p = placeOf(c);
    const auto bits = static_cast<unsigned>((fills[p.word] >> p.shift) & kLaneMask);
    if (bits == 0) continue;
    board.digit[static_cast<std::size_t>(c)] = static_cast<std::int8_t>(std::countr_zero(bits));
    board.emptyText.reset(c);
  }
  return solver.complete();
}

}  // namespace kalmotre
