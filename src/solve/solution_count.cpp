// An exact solver over one bit board per digit. After every placement the board is settled: each
// digit is narrowed by the band and stack rules below, every cell that is the only place left for
// a digit in a row, a column or a box, or that has one digit left, is placed, until nothing more
// follows. Then it guesses at a cell with two digits left that sees the most open cells, and on a
// contradiction takes the guess back as an elimination.
#include "solve/solution_count.h"

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

namespace kalmotre {

namespace {

// The grid as three bands of three rows. In a band's 27-bit word the cell in row r of the band
// and column c is bit 9r + c.
using Word = std::uint32_t;
constexpr Word kBand = 0x7FFFFFF;
constexpr Word kRow = 0x1FF;
constexpr int kDigits = 9;
constexpr int kBands = 3;

// Columns (a 9-bit set) as the cells they have in a band.
constexpr Word columnsInBand(Word columns) {
  return columns | columns << 9 | columns << 18;
}

// Boxes of a band (a 3-bit set, left to right) as their cells.
constexpr std::array<Word, 8> kBoxCells = [] {
  std::array<Word, 8> table{};
  for (Word boxes = 0; boxes < 8; ++boxes) {
    for (int box = 0; box < 3; ++box) {
      if (boxes >> box & 1) table[boxes] |= columnsInBand(7u << (3 * box));
    }
  }
  return table;
}();

// A segment is the three cells a row of a band shares with a box, numbered 3 * row + box. The
// same numbers serve a stack, as 3 * band + column of the stack.
constexpr std::array<Word, 512> kSegmentCells = [] {
  std::array<Word, 512> table{};
  for (Word segments = 0; segments < 512; ++segments) {
    for (int s = 0; s < 9; ++s) {
      if (segments >> s & 1) table[segments] |= 7u << (9 * (s / 3) + 3 * (s % 3));
    }
  }
  return table;
}();

// A digit stands once in each row and once in each box of a band, so the segments that hold it
// are a permutation of three. Of the segments still open to it, the union of the permutations
// that fit inside them: the only segments it can really take, 0 when none fits. This is locked
// candidates in both directions at once; for a stack it is the same with columns.
constexpr std::array<std::uint16_t, 512> kPermutations = [] {
  constexpr int orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  std::array<std::uint16_t, 512> table{};
  for (unsigned open = 0; open < 512; ++open) {
    unsigned fit = 0;
    for (const auto& order : orders) {
      const unsigned segments = 1u << order[0] | 1u << (3 + order[1]) | 1u << (6 + order[2]);
      if ((open & segments) == segments) fit |= segments;
    }
    table[open] = static_cast<std::uint16_t>(fit);
  }
  return table;
}();

// A row's nine bits at a glance: bits 0..8 the row itself when it has exactly one bit, bits 9..11
// its segments that have any, bits 12..14 those that have two or more.
constexpr std::array<std::uint16_t, 512> kRowFacts = [] {
  std::array<std::uint16_t, 512> table{};
  for (unsigned row = 0; row < 512; ++row) {
    unsigned facts = std::popcount(row) == 1 ? row : 0;
    for (int box = 0; box < 3; ++box) {
      const int n = std::popcount(row >> (3 * box) & 7u);
      if (n >= 1) facts |= 1u << (9 + box);
      if (n >= 2) facts |= 1u << (12 + box);
    }
    table[row] = static_cast<std::uint16_t>(facts);
  }
  return table;
}();

// The cell at a bit of a band with its row, its column within the band and its box.
constexpr std::array<Word, 27> kSeenInBand = [] {
  std::array<Word, 27> table{};
  for (int bit = 0; bit < 27; ++bit) {
    table[static_cast<std::size_t>(bit)] =
        kRow << (9 * (bit / 9)) | columnsInBand(1u << (bit % 9)) | kBoxCells[1u << (bit % 9 / 3)];
  }
  return table;
}();

// Bits set in a word. std::popcount is a library call on processors before the POPCNT instruction,
// which a baseline x86-64 build has to assume.
constexpr int bitsIn(Word w) {
  w = w - (w >> 1 & 0x55555555u);
  w = (w & 0x33333333u) + (w >> 2 & 0x33333333u);
  return static_cast<int>(((w + (w >> 4)) & 0x0F0F0F0Fu) * 0x01010101u >> 24);
}

using Places = std::array<Word, kBands>;  // one digit's places, band by band

struct Position {
  // Where each digit can go; a placed cell keeps its own digit's bit alone.
  std::array<Places, kDigits> digit;
  Places open;  // the cells not yet placed
  // The digits whose places changed since they were last narrowed: only they can have new
  // hidden singles.
  unsigned changed = 0x1FF;
};

// Puts digit d (0..8) into a cell; false when the cell cannot take it.
bool place(Position& p, int d, int band, int bit) {
  const Word cell = 1u << bit;
  if ((p.digit[d][band] & cell) == 0) return false;
  if ((p.open[band] & cell) == 0) return true;  // placed already, as this digit
  p.open[band] &= ~cell;
  for (int e = 0; e < kDigits; ++e) {
    if ((p.digit[e][band] & cell) == 0) continue;
    p.digit[e][band] &= ~cell;
    p.changed |= 1u << e;
  }
  const Word column = columnsInBand(1u << (bit % 9));
  for (int b = 0; b < kBands; ++b) p.digit[d][b] &= ~column;
  p.digit[d][band] = (p.digit[d][band] & ~kSeenInBand[bit]) | cell;
  return true;
}

// Narrows one digit's places by the band and stack rules and collects its hidden singles: cells
// that are the only place left for it in a row, a column or a box. False when a unit has no
// place left for it.
bool narrow(Places& w, Places& singles) {
  Places columnsAny{}, columnsTwice{};
  for (int b = 0; b < kBands; ++b) {
    unsigned r0 = kRowFacts[w[b] & kRow], r1 = kRowFacts[w[b] >> 9 & kRow],
             r2 = kRowFacts[w[b] >> 18];
    const unsigned open = (r0 >> 9 & 7) | (r1 >> 9 & 7) << 3 | (r2 >> 9 & 7) << 6;
    const unsigned fit = kPermutations[open];
    if (fit == 0) return false;
    if (fit != open) {
      w[b] &= kSegmentCells[fit];
      r0 = kRowFacts[w[b] & kRow], r1 = kRowFacts[w[b] >> 9 & kRow], r2 = kRowFacts[w[b] >> 18];
    }
    const unsigned boxTwice = ((r0 | r1 | r2) >> 12 | ((r0 & r1) | (r0 & r2) | (r1 & r2)) >> 9) & 7;
    singles[b] =
        (r0 & kRow) | (r1 & kRow) << 9 | (r2 & kRow) << 18 | (w[b] & kBoxCells[~boxTwice & 7]);
    const Word a = w[b] & kRow, c = w[b] >> 9 & kRow, e = w[b] >> 18;
    columnsAny[b] = a | c | e;
    columnsTwice[b] = (a & c) | (a & e) | (c & e);
  }
  Places keep{};
  for (int stack = 0; stack < 3; ++stack) {
    const int shift = 3 * stack;
    const unsigned open = (columnsAny[0] >> shift & 7) | (columnsAny[1] >> shift & 7) << 3 |
                          (columnsAny[2] >> shift & 7) << 6;
    const unsigned fit = kPermutations[open];
    if (fit == 0) return false;
    for (int b = 0; b < kBands; ++b) keep[b] |= (fit >> (3 * b) & 7) << shift;
  }
  for (int b = 0; b < kBands; ++b) {
    if (keep[b] == columnsAny[b]) continue;
    // A single the stack rule took away leaves its unit empty, which the next round finds.
    w[b] &= columnsInBand(keep[b]);
    singles[b] &= w[b];
    columnsAny[b] = keep[b];
    columnsTwice[b] &= keep[b];
  }
  const Word twice = columnsTwice[0] | columnsTwice[1] | columnsTwice[2] |
                     (columnsAny[0] & columnsAny[1]) | (columnsAny[0] & columnsAny[2]) |
                     (columnsAny[1] & columnsAny[2]);
  const Word alone = columnsInBand(~twice & kRow);
  for (int b = 0; b < kBands; ++b) singles[b] |= w[b] & alone;
  return true;
}

// Places every single until none is left; false on a contradiction.
bool settle(Position& p) {
  for (;;) {
    std::array<Places, kDigits> found;  // the singles of the digits in `narrowed`
    unsigned narrowed = p.changed;
    Word any = 0;
    for (unsigned digits = narrowed; digits != 0; digits &= digits - 1) {
      const int d = std::countr_zero(digits);
      const Places before = p.digit[d];
      if (!narrow(p.digit[d], found[d])) return false;
      for (int b = 0; b < kBands; ++b) {
        found[d][b] &= p.open[b];
        any |= found[d][b];
      }
      // Narrowing may open up more of itself: a digit it changed is narrowed again.
      if (p.digit[d] == before) p.changed &= ~(1u << d);
    }
    for (int b = 0; b < kBands; ++b) {
      Word once = 0, twice = 0;
      for (const Places& places : p.digit) {
        twice |= once & places[b];
        once |= places[b];
      }
      if ((p.open[b] & ~once) != 0) return false;  // a cell with no digit left
      const Word naked = p.open[b] & ~twice;
      if (naked == 0) continue;
      any |= naked;
      for (int d = 0; d < kDigits; ++d) {
        const Word single = naked & p.digit[d][b];
        if (single == 0) continue;
        if ((narrowed >> d & 1) == 0) found[d] = Places{}, narrowed |= 1u << d;
        found[d][b] |= single;
      }
    }
    if (any == 0) return true;
    for (unsigned digits = narrowed; digits != 0; digits &= digits - 1) {
      const int d = std::countr_zero(digits);
      for (int b = 0; b < kBands; ++b) {
        for (Word f = found[d][b]; f != 0; f &= f - 1) {
          if (!place(p, d, b, std::countr_zero(f))) return false;
        }
      }
    }
  }
}

// An open cell with two digits left that sees the most open cells, so that either digit placed
// there settles the most; failing that, the first open cell. False when every cell is placed.
bool chooseCell(const Position& p, int& band, int& bit) {
  int fallback = -1, best = -1;
  for (int b = 0; b < kBands; ++b) {
    if (p.open[b] == 0) continue;
    if (fallback < 0) fallback = b;
    Word one = 0, two = 0, three = 0;
    for (const Places& places : p.digit) {
      three |= two & places[b];
      two |= one & places[b];
      one |= places[b];
    }
    const Word above = p.open[b == 0 ? 1 : 0], below = p.open[b == 2 ? 1 : 2];
    for (Word pairs = p.open[b] & ~three; pairs != 0; pairs &= pairs - 1) {
      const int k = std::countr_zero(pairs);
      const Word column = columnsInBand(1u << (k % 9));
      const int seen =
          bitsIn(p.open[b] & kSeenInBand[k]) + bitsIn(above & column) + bitsIn(below & column);
      if (seen > best) best = seen, band = b, bit = k;
    }
  }
  if (best >= 0) return true;
  if (fallback < 0) return false;
  band = fallback, bit = std::countr_zero(p.open[fallback]);
  return true;
}

class Search {
 public:
  Search(int limit, Grid* first) : limit_(limit), first_(first) {}

  // Depth first; `p` is used up.
  void run(Position& p) {
    for (;;) {
      if (!settle(p)) return;
      int band = 0, bit = 0;
      if (!chooseCell(p, band, bit)) {
        if (found_++ == 0 && first_ != nullptr) write(p, *first_);
        return;
      }
      const Word cell = 1u << bit;
      int d = 0;
      while ((p.digit[d][band] & cell) == 0) ++d;
      Position guess = p;
      place(guess, d, band, bit);
      run(guess);
      if (found_ >= limit_) return;
      p.digit[d][band] &= ~cell;
      p.changed |= 1u << d;
    }
  }

  int found() const { return found_; }

 private:
  // Every cell is placed: each bit left stands for its cell's digit.
  static void write(const Position& p, Grid& digits) {
    for (int d = 0; d < kDigits; ++d) {
      for (int b = 0; b < kBands; ++b) {
        for (Word w = p.digit[d][b]; w != 0; w &= w - 1) {
          const int bit = std::countr_zero(w);
          digits[cellAt(3 * b + bit / 9, bit % 9)] = static_cast<std::int8_t>(d + 1);
        }
      }
    }
  }

  int limit_;
  Grid* first_;
  int found_ = 0;
};

}  // namespace

int countSolutions(const Grid& board, int limit, Grid* first) {
  assert(limit >= 1 && "count at least one solution");
  Position p;
  for (Places& places : p.digit) places.fill(kBand);
  p.open.fill(kBand);
  for (CellIndex i = 0; i < kCells; ++i) {
    const int d = board[static_cast<std::size_t>(i)];
    if (d == 0) continue;
    const int row = rowOf(i);
    if (d < 1 || d > 9 || !place(p, d - 1, row / 3, 9 * (row % 3) + columnOf(i))) return 0;
  }
  Search search(limit, first);
  search.run(p);
  return search.found();
}

}  // namespace kalmotre
