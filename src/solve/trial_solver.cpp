// The grid-board trial solver: per unit the digits its open cells could take, in 16-bit lanes,
// three cells to a word and two words at a time.
#include "solve/trial_solver.h"

#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kalmotre {

namespace {

constexpr std::uint64_t kLanes = 0x0000'0001'0001'0001;  // one in each of the three lanes
constexpr std::uint64_t kLaneMask = 0xFFFF;

constexpr std::uint64_t broadcast(std::uint16_t bits) {
  return bits * kLanes;
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

GridTrialSolver::GridBits::GridBits(const Grid& complete) {
  for (CellIndex c = 0; c < kCells; ++c) {
    digitBits[slotOf(c)] |= std::uint64_t{1}
                            << (complete[static_cast<std::size_t>(c)] + trialPlaceOf(c).shift);
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

}  // namespace kalmotre
