#include "generate/driver.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <cstring>
#include <random>

#include "board/knobs.h"
#include "generate/clue_record.h"
#include "generate/reference_generator.h"
#include "solve/solver.h"
#include "support/boards.h"
#include "support/fakes.h"
#include "support/recording_random.h"

namespace kalmotre {
namespace {

// Counts the solutions of a board by plain backtracking, stopping at two.
class SolutionCounter {
 public:
  explicit SolutionCounter(const Grid& grid) : grid_(grid) {}
  int count(Grid* first) {
    found_ = 0;
    first_ = first;
    search();
    return found_;
  }

 private:
  // Digits (as bits 1..9) that a peer of the cell already holds.
  unsigned taken(CellIndex cell) const {
    unsigned bits = 0;
    for (CellIndex peer : rowColumnBlockOf(cell)) bits |= 1u << grid_[peer];
    return bits;
  }
  void search() {
    CellIndex best = kCells;
    unsigned bestFree = 0;
    int fewest = 10;
    for (CellIndex c = 0; c < kCells && fewest > 1; ++c) {
      if (grid_[c] != 0) continue;
      const unsigned free = ~taken(c) & 0x3FEu;
      const int options = std::popcount(free);
      if (options < fewest) fewest = options, best = c, bestFree = free;
    }
    if (best == kCells) {
      if (found_++ == 0 && first_ != nullptr) *first_ = grid_;
      return;
    }
    for (int d = 1; d <= 9 && found_ < 2; ++d) {
      if ((bestFree & (1u << d)) == 0) continue;
      grid_[best] = d;
      search();
      grid_[best] = 0;
    }
  }
  Grid grid_;
  Grid* first_ = nullptr;
  int found_ = 0;
};

Grid boardDigits(const Board& board) {
  Grid grid;
  for (CellIndex i = 0; i < kCells; ++i)
    grid[i] = board.isEmptyText(i) ? 0 : std::stoi(board.text(i));
  return grid;
}

// The draws every generation takes besides the line exchanges: the three counts, the relabelling,
// the forced pass, and the random pass where the level runs it.
long long fixedDraws(const LevelInfo& level) {
  return 3 + 2 * knobs::kRelabelExchanges + knobs::kForcedPassDraws +
         (level.randomPass ? knobs::kRandomPassDraws : 0);
}

// The draws a generation must take: the fixed ones and the exchanges the three counts ask for.
long long expectedDraws(const std::vector<double>& drawn, const LevelInfo& level) {
  std::size_t at = 0;
  long long exchanges = 0;
  for (int step = 0; step < 3; ++step) {
    const int n = static_cast<int>(std::floor(drawn.at(at) * knobs::kShuffleRepeatsBelow));
    at += 1 + static_cast<std::size_t>(n);
    exchanges += n;
  }
  return fixedDraws(level) + exchanges;
}

TEST(RandomSource, DrawsWhatTheStandardTwisterSeededFromTheClockBitsDraws) {
  // Seeds from the clock's range and its edges; 2000 draws cross several regenerations.
  for (double seconds : {0.0, 1.0, 0.37, 43200.5, 86399.999999, 12345.678}) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &seconds, sizeof bits);
    std::seed_seq sequence{static_cast<std::uint32_t>(bits),
                           static_cast<std::uint32_t>(bits >> 32)};
    std::mt19937_64 standard(sequence);
    EngineRandomSource random;
    random.seed(seconds);
    for (int k = 0; k < 2000; ++k) {
      ASSERT_EQ(random.next(), static_cast<double>(standard() >> 11) * 0x1.0p-53)
          << "seed " << seconds << " draw " << k;
    }
  }
}

TEST(Generation, RunsItsStepsInOrderAroundTheOneEventPass) {
  FormState form;
  test::RecordingView view;
  EngineRandomSource random;
  SteppingClock clock;
  form.state.possibilitiesOn = true;
  bool sawBoardCovered = false;
  view.duringEvents = [&] {
    sawBoardCovered = form.state.busy && form.thinkingFrameVisible && !form.state.possibilitiesOn;
    // The complete grid stands on the board while the window shows the frame.
    EXPECT_EQ(boardDigits(form.board), form.state.solution);
  };
  generatePuzzle(form, view, random, clock);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"splash", "events"}));
  EXPECT_TRUE(view.messages.empty());
  EXPECT_TRUE(sawBoardCovered);
  EXPECT_FALSE(form.thinkingFrameVisible);
  EXPECT_FALSE(form.state.busy);
  EXPECT_FALSE(form.state.possibilitiesOn);
}

TEST(Generation, WithAllCountsZeroTheSolutionIsTheBaseGridAndTheDrawsAreExact) {
  for (const LevelInfo& level : kLevels) {
    const auto needed = static_cast<std::size_t>(fixedDraws(level));
    std::vector<double> draws(needed, 0.0);  // relabelling swaps 1 with 1: nothing
    {
      FormState form;
      form.level = level.level;
      NullView view;
      ScriptedRandomSource random(draws);
      SteppingClock clock;
      generatePuzzle(form, view, random, clock);
      EXPECT_EQ(test::gridRows(form.state.solution), test::kBaseRows);
      EXPECT_EQ(random.remaining(), 0u);
    }
    draws.pop_back();
    FormState form;
    form.level = level.level;
    NullView view;
    ScriptedRandomSource random(draws);
    SteppingClock clock;
    EXPECT_THROW(generatePuzzle(form, view, random, clock), DrawsExhausted);
    EXPECT_FALSE(form.state.busy) << "an error never leaves the form busy";
    EXPECT_FALSE(form.thinkingFrameVisible);
  }
}

TEST(Generation, TheLevelIsReadAfterTheEventPass) {
  FormState form;
  test::RecordingView view;
  const auto leichtDraws = static_cast<std::size_t>(fixedDraws(levelInfo(Level::Leicht)));
  ScriptedRandomSource random(std::vector<double>(leichtDraws, 0.0));
  SteppingClock clock;
  view.duringEvents = [&] { form.level = Level::Leicht; };  // the player picks it meanwhile
  EXPECT_NO_THROW(generatePuzzle(form, view, random, clock));
  EXPECT_EQ(random.remaining(), 0u);
}

TEST(Generation, CarvesExactlyWhatTheStepByStepGeneratorCarves) {
  for (int seed = 0; seed < 100; ++seed) {
    for (const LevelInfo& level : kLevels) {
      FormState mine;
      mine.level = level.level;
      NullView view;
      EngineRandomSource random;
      SteppingClock clock(seed * 3.5);
      generatePuzzle(mine, view, random, clock);

      FormState reference;
      reference.level = level.level;
      EngineRandomSource referenceRandom;
      test::referenceGenerate(reference, referenceRandom, seed * 3.5);

      ASSERT_EQ(test::boardLine(mine.board), test::boardLine(reference.board))
          << "seed " << seed << " " << level.caption;
      EXPECT_EQ(random.drawCount(), referenceRandom.drawCount());
    }
  }
}

// Generations per level for the engine comparison: a few hundred by default, more through
// KALMOTRE_GENERATIONS (the "long" test run sets 10000).
int generationsToCompare() {
  const char* text = std::getenv("KALMOTRE_GENERATIONS");
  const int n = text != nullptr ? std::atoi(text) : 0;
  return n > 0 ? n : 300;
}

// Everything a generation leaves that the player or a later command can see.
void expectSameGeneration(const FormState& fast, const FormState& literal) {
  ASSERT_EQ(test::boardLine(fast.board), test::boardLine(literal.board));
  for (CellIndex i = 0; i < kCells; ++i) {
    ASSERT_EQ(fast.board.text(i), literal.board.text(i)) << "cell " << i;
    ASSERT_EQ(fast.board.background(i), literal.board.background(i)) << "cell " << i;
    ASSERT_EQ(fast.board.foreground(i), literal.board.foreground(i)) << "cell " << i;
    ASSERT_EQ(fast.board.locked(i), literal.board.locked(i)) << "cell " << i;
  }
  ASSERT_EQ(fast.state.solution, literal.state.solution);
  ASSERT_EQ(fast.state.givens, literal.state.givens);
  ASSERT_EQ(fast.state.digitTally, literal.state.digitTally);
  ASSERT_EQ(fast.lblFrei, literal.lblFrei);
}

TEST(GenerationEngines, TheFastEngineCarvesWhatEveryTrialSolvedInFullCarves) {
  const int generations = generationsToCompare();
  for (const LevelInfo& level : kLevels) {
    NullView view;
    EngineRandomSource fastRandom, literalRandom;
    SteppingClock clock;
    FormState fast, literal;  // kept across generations, as the window keeps its form
    fast.level = literal.level = level.level;
    for (int n = 0; n < generations; ++n) {
      clock.set(n * 0.37 + (level.randomPass ? 0.0 : 0.125));
      generatePuzzle(fast, view, fastRandom, clock, CarvingEngine::kFast);
      generatePuzzle(literal, view, literalRandom, clock, CarvingEngine::kLiteral);
      SCOPED_TRACE(testing::Message() << "generation " << n << " " << level.caption);
      ASSERT_EQ(fastRandom.drawCount(), literalRandom.drawCount());
      expectSameGeneration(fast, literal);
    }
  }
}

TEST(GenerationEngines, AgreeWhenTheBoardIsNoLongerTheGridWhenCarvingStarts) {
  // A write that slips in during the one event pass: the fast engine must not take the board
  // for the grid.
  for (int seed = 0; seed < 40; ++seed) {
    for (const char* text : {"", "7", "x"}) {
      const CellIndex cell = (seed * 29) % kCells;
      FormState fast, literal;
      fast.level = literal.level = seed % 2 == 0 ? Level::Schwer : Level::Leicht;
      test::RecordingView view;
      view.duringEvents = [&] { (fast.state.busy ? fast : literal).board.setText(cell, text); };
      EngineRandomSource fastRandom, literalRandom;
      SteppingClock clock(seed + 0.5);
      generatePuzzle(fast, view, fastRandom, clock, CarvingEngine::kFast);
      generatePuzzle(literal, view, literalRandom, clock, CarvingEngine::kLiteral);
      SCOPED_TRACE(testing::Message()
                   << "seed " << seed << " cell " << cell << " '" << text << "'");
      ASSERT_EQ(fastRandom.drawCount(), literalRandom.drawCount());
      expectSameGeneration(fast, literal);
    }
  }
}

TEST(GenerationEngines, AgreeWhenTheDrawsRunOutInAPass) {
  // A recorded "Schwer" generation, cut in the forced pass, between its passes and in the hard
  // pass: both engines stop at the same draw and leave the same tally behind.
  test::RecordingRandomSource recording;
  {
    FormState form;
    NullView view;
    SteppingClock clock(321.5);
    generatePuzzle(form, view, recording, clock);
  }
  const long long total = static_cast<long long>(recording.drawn.size());
  for (long long cut : {total - 700, total - 101, total - 100, total - 40, total - 1}) {
    const std::vector<double> draws(recording.drawn.begin(), recording.drawn.begin() + cut);
    FormState fast, literal;
    NullView view;
    SteppingClock clock;
    ScriptedRandomSource fastRandom(draws), literalRandom(draws);
    EXPECT_THROW(generatePuzzle(fast, view, fastRandom, clock, CarvingEngine::kFast),
                 DrawsExhausted);
    EXPECT_THROW(generatePuzzle(literal, view, literalRandom, clock, CarvingEngine::kLiteral),
                 DrawsExhausted);
    SCOPED_TRACE(testing::Message() << "cut after " << cut << " of " << total);
    EXPECT_EQ(fastRandom.drawCount(), literalRandom.drawCount());
    EXPECT_EQ(fast.state.digitTally, literal.state.digitTally);
    EXPECT_EQ(test::boardLine(fast.board), test::boardLine(literal.board));
  }
}

TEST(Generation, ThousandsOfPuzzlesAreUniqueSolvableAndRestartable) {
  NullView view;
  test::RecordingRandomSource random;
  SteppingClock clock;
  for (const LevelInfo& level : kLevels) {
    for (int seed = 0; seed < 1500; ++seed) {
      FormState form;
      form.level = level.level;
      clock.set(seed + (level.randomPass ? 0.25 : 0.75));
      const long long before = random.drawCount();
      generatePuzzle(form, view, random, clock);
      SCOPED_TRACE(testing::Message() << "seed " << seed << " " << level.caption << " "
                                      << test::boardLine(form.board));

      ASSERT_EQ(random.drawCount() - before, expectedDraws(random.drawn, level));
      const Grid puzzle = boardDigits(form.board);
      for (CellIndex i = 0; i < kCells; ++i) {
        ASSERT_TRUE(puzzle[i] == 0 || puzzle[i] == form.state.solution[i]) << "clue " << i;
        ASSERT_EQ(form.board.locked(i), puzzle[i] != 0);
      }
      ASSERT_EQ(form.state.givens, puzzle) << "the clue record is the puzzle handed out";

      Grid only;
      ASSERT_EQ(SolutionCounter(puzzle).count(&only), 1);
      ASSERT_EQ(only, form.state.solution);

      FormState solved = form;
      ASSERT_TRUE(solvePuzzle(solved, 10));
      ASSERT_EQ(boardDigits(solved.board), form.state.solution);

      restoreGivens(form);  // what "Spiel neu beginnen" writes
      ASSERT_EQ(boardDigits(form.board), puzzle);
    }
  }
}

}  // namespace
}  // namespace kalmotre
