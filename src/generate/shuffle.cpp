// The base grid and the shuffles that disguise it. Each exchange takes its draws in a fixed order.
#include "generate/shuffle.h"

#include <array>
#include <utility>

#include "knobs/knobs.h"

namespace kalmotre {

namespace {

// The base grid block by block, each block row by row.
constexpr std::array<int, kCells> kBaseGrid = {
    2, 4, 5, 8, 1, 6, 9, 3, 7, 7, 6, 3, 2, 4, 9, 1, 5, 8, 8, 1, 9, 3, 7, 5, 4, 2, 6,
    5, 6, 1, 3, 9, 2, 4, 7, 8, 8, 7, 2, 6, 1, 4, 9, 3, 5, 9, 3, 4, 7, 5, 8, 1, 6, 2,
    6, 2, 4, 7, 5, 3, 1, 8, 9, 3, 9, 1, 4, 8, 6, 5, 2, 7, 5, 8, 7, 2, 9, 1, 6, 4, 3};

struct BlockPair {
  int x;
  int y;
};

// For each k of swapBandsOrStacks, the three pairs of blocks it exchanges (k = 0: none).
constexpr std::array<std::array<BlockPair, 3>, 7> kBlockSwaps = {{
    {},
    {{{6, 3}, {7, 4}, {8, 5}}},  // band 1 <-> band 2
    {{{6, 0}, {7, 1}, {8, 2}}},  // band 0 <-> band 2
    {{{3, 0}, {4, 1}, {5, 2}}},  // band 0 <-> band 1
    {{{2, 1}, {5, 4}, {8, 7}}},  // stack 1 <-> stack 2
    {{{2, 0}, {5, 3}, {8, 6}}},  // stack 0 <-> stack 2
    {{{1, 0}, {4, 3}, {7, 6}}},  // stack 0 <-> stack 1
}};

// For each k of the row and column exchanges, the pair of lines it exchanges (k = 0: none).
constexpr std::array<std::pair<int, int>, 10> kLineSwaps = {
    {{0, 0}, {1, 2}, {1, 0}, {2, 0}, {4, 5}, {3, 4}, {3, 5}, {7, 8}, {6, 7}, {6, 8}}};

void swapCells(Grid& solution, CellIndex a, CellIndex b) {
  std::swap(solution[a], solution[b]);
}

void repeatDrawnTimes(RandomSource& random, Grid& solution,
                      void (*transform)(Grid&, RandomSource&)) {
  const int n = drawBelow(random, knobs::kShuffleRepeatsBelow);
  for (int k = 0; k < n; ++k) transform(solution, random);
}

}  // namespace

Grid shuffledGrid(RandomSource& random) {
  Grid solution;
  buildBaseGrid(solution);
  repeatDrawnTimes(random, solution, swapBandsOrStacks);
  repeatDrawnTimes(random, solution, swapColumnsInStack);
  repeatDrawnTimes(random, solution, swapRowsInBand);
  relabelDigits(solution, random);
  return solution;
}

void buildBaseGrid(Grid& solution) {
  for (CellIndex i = 0; i < kCells; ++i) solution[i] = kBaseGrid[static_cast<std::size_t>(i)];
}

void swapBandsOrStacks(Grid& solution, RandomSource& random) {
  const int k = drawBelow(random, 7);
  if (k == 0) return;
  for (const BlockPair& pair : kBlockSwaps[static_cast<std::size_t>(k)]) {
    for (int p = 0; p < 9; ++p) swapCells(solution, 9 * pair.x + p, 9 * pair.y + p);
  }
}

void swapColumnsInStack(Grid& solution, RandomSource& random) {
  const int k = drawBelow(random, 10);
  if (k == 0) return;
  const auto [a, b] = kLineSwaps[static_cast<std::size_t>(k)];
  for (int offset : kColumnOffsets) {
    swapCells(solution, columnStart(a) + offset, columnStart(b) + offset);
  }
}

void swapRowsInBand(Grid& solution, RandomSource& random) {
  const int k = drawBelow(random, 10);
  if (k == 0) return;
  const auto [a, b] = kLineSwaps[static_cast<std::size_t>(k)];
  for (int offset : kRowOffsets) swapCells(solution, rowStart(a) + offset, rowStart(b) + offset);
}

void relabelDigits(Grid& solution, RandomSource& random) {
  CheckedArray<int, 10> perm;
  for (int d = 0; d <= 9; ++d) perm[d] = d;
  for (int n = 0; n < knobs::kRelabelExchanges; ++n) {
    const int x = drawBelow(random, 9) + 1;
    const int y = drawBelow(random, 9) + 1;
    std::swap(perm[x], perm[y]);
  }
  for (CellIndex i = 0; i < kCells; ++i) solution[i] = perm[solution[i]];
}

}  // namespace kalmotre
