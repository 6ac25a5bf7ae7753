// The game's numbers in one place: how long the solver searches, how many random draws the
// removal passes make, how the grid is shuffled and how long the splash window counts.
#pragma once

namespace kalmotre::knobs {

// Cycles of the hidden-single search behind "Computer soll Lösung suchen".
inline constexpr int kSolveButtonCycles = 20;
// Cycles a removal trial grants the solver to complete the board without the clue.
inline constexpr int kTrialCycles = 10;

// Random cells the forced-clue pass tries before its sweep over every cell.
inline constexpr int kForcedPassDraws = 1000;
// Random cells the hard pass tries.
inline constexpr int kRandomPassDraws = 100;

// Each of the three line exchanges is repeated Int(u * n) times with this n (0..9 times).
inline constexpr int kShuffleRepeatsBelow = 10;
// Exchanges in the digit permutation; each takes two draws.
inline constexpr int kRelabelExchanges = 100;

// Characters a cell holds at most; a longer entry keeps its first ones. What the cell shows and
// what a repaint costs then never grow with what was pasted into it.
inline constexpr int kCellTextLimit = 64;

// Seconds the splash window counts down from; it closes on the tick after reaching 0.
inline constexpr int kSplashCountdownSeconds = 6;

}  // namespace kalmotre::knobs
