// The hidden-single engine on bit masks.
#include "solve/hidden_singles.h"

namespace kalmotre {

bool runHiddenSingles(SolverBoard& board, int cycles, SolverTrace* trace) {
  std::array<CellMask, 10> holding{};  // per digit: the cells whose value equals it
  CellMask openByValue;
  for (CellIndex i = 0; i < kCells; ++i) {
    const int d = board.digit[static_cast<std::size_t>(i)];
    if (d == 0) {
      openByValue.set(i);
    } else if (d > 0) {
      holding[static_cast<std::size_t>(d)].set(i);
    }
  }

  for (int cycle = 0; cycle < cycles; ++cycle) {
    std::array<std::int8_t, kCells> find{};
    CellMask found;
    CellMask excluded;
    for (int d = 1; d <= 9; ++d) {
      CellMask reach;
      holding[static_cast<std::size_t>(d)].forEach(
          [&](CellIndex i) { reach |= kReachMasks[static_cast<std::size_t>(i)]; });
      const CellMask open = openByValue & ~reach;
      excluded = ~open;
      for (const CellMask& unit : kUnitMasks) {
        const CellMask openInUnit = open & unit;
        if (!openInUnit.single()) continue;
        const CellIndex cell = openInUnit.first();
        find[static_cast<std::size_t>(cell)] = static_cast<std::int8_t>(d);
        found.set(cell);
      }
    }
    if (trace != nullptr) {
      found.forEach([&](CellIndex c) {
        trace->lastFind[static_cast<std::size_t>(c)] = find[static_cast<std::size_t>(c)];
      });
      trace->excluded = excluded;
      trace->cyclesRun = cycle + 1;
    }

    const CellMask toFill = found & board.emptyText;
    if (toFill.empty()) break;
    toFill.forEach([&](CellIndex c) {
      const std::int8_t d = find[static_cast<std::size_t>(c)];
      board.digit[static_cast<std::size_t>(c)] = d;
      board.emptyText.reset(c);
      openByValue.reset(c);
      holding[static_cast<std::size_t>(d)].set(c);
    });
    // A caller that wants only the verdict has it once every cell is filled.
    if (trace == nullptr && board.emptyText.empty()) break;
  }
  return board.emptyText.empty();
}

}  // namespace kalmotre
