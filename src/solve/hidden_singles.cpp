// The hidden-single engine on bit masks.
#include "solve/hidden_singles.h"

namespace kalmotre {

int digitClassOf(double value) {
  if (value == 0.0) return 0;
  for (int d = 1; d <= 9; ++d) {
    if (value == d) return d;
  }
  return SolverBoard::kOtherValue;
}

SolverBoard solverBoardOf(const Board& board) {
  SolverBoard compact;
  for (CellIndex i = 0; i < kCells; ++i) {
    compact.digit[static_cast<std::size_t>(i)] =
        static_cast<std::int8_t>(digitClassOf(board.value(i)));
    if (board.isEmptyText(i)) compact.emptyText.set(i);
  }
  return compact;
}

MaskEngine::MaskEngine(SolverBoard& board) : board_(board) {
  for (CellIndex i = 0; i < kCells; ++i) {
    const int d = board.digit[static_cast<std::size_t>(i)];
    if (d == 0) {
      openByValue_.set(i);
    } else if (d > 0) {
      holding_[static_cast<std::size_t>(d)].set(i);
    }
  }
}

bool MaskEngine::cycle() {
  std::array<std::int8_t, kCells> find{};
  CellMask found;
  for (int d = 1; d <= 9; ++d) {
    CellMask reach;
    holding_[static_cast<std::size_t>(d)].forEach(
        [&](CellIndex i) { reach |= kReachMasks[static_cast<std::size_t>(i)]; });
    const CellMask open = openByValue_ & ~reach;
    for (const CellMask& unit : kUnitMasks) {
      const CellMask openInUnit = open & unit;
      if (!openInUnit.single()) continue;
      const CellIndex cell = openInUnit.first();
      find[static_cast<std::size_t>(cell)] = static_cast<std::int8_t>(d);
      found.set(cell);
    }
  }
  const CellMask toFill = found & board_.emptyText;
  if (toFill.empty()) return false;
  toFill.forEach([&](CellIndex c) {
    const std::int8_t d = find[static_cast<std::size_t>(c)];
    board_.digit[static_cast<std::size_t>(c)] = d;
    board_.emptyText.reset(c);
    openByValue_.reset(c);
    holding_[static_cast<std::size_t>(d)].set(c);
  });
  return true;
}

bool runHiddenSingles(SolverBoard& board, int cycles) {
  MaskEngine engine(board);
  return runCycles(engine, cycles);
}

}  // namespace kalmotre
