// A whole generation: the pure steps, both trials policies against recorded puzzles and against
// each other, and the sequence the form runs them in.
#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "generate/carving.h"
#include "generate/clue_record.h"
#include "generate/shuffle.h"
#include "knobs/knobs.h"
#include "solve/solution_count.h"
#include "solve/solver.h"
#include "support/boards.h"
#include "support/fakes.h"
#include "support/recording_random.h"

namespace kalmotre {
namespace {

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

struct Generated {
  Grid solution;
  Grid puzzle;
};

// The pure steps from an already seeded source, as kalmotre-gen runs them.
Generated generate(RandomSource& random, Level level, CarvingEngine engine) {
  Generated g{shuffledGrid(random), {}};
  g.puzzle = carvePuzzle(g.solution, g.solution, level, random, engine);
  return g;
}

// A clock whose reading has the seed's bits: the game's seeding then seeds the engine with them.
double clockWithBits(std::uint64_t seed) {
  return std::bit_cast<double>(seed);
}

struct Recorded {
  Level level;
  std::uint64_t seed;
  std::string puzzle;
};

std::vector<Recorded> recordedGenerations() {
  std::ifstream file(KALMOTRE_TEST_DATA "/generations.txt");
  EXPECT_TRUE(file) << "tests/data/generations.txt";
  std::vector<Recorded> rows;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string level;
    Recorded row{};
    fields >> level >> row.seed >> row.puzzle;
    row.level = *levelByCliName(level);
    rows.push_back(row);
  }
  return rows;
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

TEST(Generation, BothEnginesAndTheWindowMakeTheRecordedPuzzles) {
  const std::vector<Recorded> rows = recordedGenerations();
  ASSERT_GE(rows.size(), 100u);
  test::RecordingWindow window;
  EngineRandomSource formRandom;
  SteppingClock clock;
  MainForm form(window, formRandom, clock);
  form.Form_Load();
  for (const Recorded& row : rows) {
    SCOPED_TRACE(testing::Message() << levelInfo(row.level).cliName << " " << row.seed);
    for (CarvingEngine engine : {CarvingEngine::kFast, CarvingEngine::kLiteral}) {
      EngineRandomSource random;
      random.seedBits(row.seed);
      const Generated g = generate(random, row.level, engine);
      ASSERT_EQ(oneLine(g.puzzle), row.puzzle);
    }
    form.playerChoseLevel(row.level);
    clock.set(clockWithBits(row.seed));
    test::clickGenerate(form, window);
    ASSERT_EQ(test::boardLine(form.game().board), row.puzzle);
    ASSERT_EQ(oneLine(form.game().givens), row.puzzle) << "the clue record is the puzzle";
  }
}

TEST(Generation, RunsItsStepsInOrderAroundTheOneEventPass) {
  test::RecordingWindow window;
  EngineRandomSource random;
  SteppingClock clock;
  MainForm form(window, random, clock);
  form.Form_Load();
  form.btnPlus_Click();
  form.takeRequests();
  bool sawBoardCovered = false;
  window.duringEvents = [&] {
    const InterfaceState& ui = form.ui();
    sawBoardCovered = ui.busy && ui.thinking && !ui.possibilitiesOn;
    EXPECT_TRUE(form.takeRequests().splash) << "the splash window is up for the event pass";
    // The complete grid stands on the board while the window shows the frame.
    EXPECT_EQ(test::boardLine(form.game().board), oneLine(form.game().solution));
    EXPECT_EQ(form.lblZahl(0), std::to_string(form.game().solution[0]));
  };
  test::clickGenerate(form, window);
  EXPECT_EQ(window.eventPasses, 1);
  EXPECT_TRUE(window.messages.empty());
  EXPECT_TRUE(sawBoardCovered);
  EXPECT_FALSE(form.ui().thinking);
  EXPECT_FALSE(form.ui().busy);
  EXPECT_FALSE(form.ui().possibilitiesOn);
  EXPECT_EQ(form.lblFrei(), freeCellsCaption(countFreeCells(form.game().board)));
}

TEST(Generation, WithAllCountsZeroTheSolutionIsTheBaseGridAndTheDrawsAreExact) {
  for (const LevelInfo& level : kLevels) {
    const auto needed = static_cast<std::size_t>(fixedDraws(level));
    std::vector<double> draws(needed, 0.0);  // relabelling swaps 1 with 1: nothing
    {
      ScriptedRandomSource random(draws);
      const Generated g = generate(random, level.level, CarvingEngine::kFast);
      EXPECT_EQ(test::gridRows(g.solution), test::kBaseRows);
      EXPECT_EQ(random.remaining(), 0u);
    }
    draws.pop_back();
    test::RecordingWindow window;
    ScriptedRandomSource random(draws);
    SteppingClock clock;
    MainForm form(window, random, clock);
    form.playerChoseLevel(level.level);
    EXPECT_THROW(test::clickGenerate(form, window), DrawsExhausted);
    EXPECT_FALSE(form.ui().busy) << "an error never leaves the form busy";
    EXPECT_FALSE(form.ui().thinking);
  }
}

TEST(Generation, TheLevelIsReadAfterTheEventPass) {
  test::RecordingWindow window;
  const auto leichtDraws = static_cast<std::size_t>(fixedDraws(levelInfo(Level::Leicht)));
  ScriptedRandomSource random(std::vector<double>(leichtDraws, 0.0));
  SteppingClock clock;
  MainForm form(window, random, clock);
  window.duringEvents = [&] { form.playerChoseLevel(Level::Leicht); };  // picked meanwhile
  EXPECT_NO_THROW(test::clickGenerate(form, window));
  EXPECT_EQ(random.remaining(), 0u);
}

// Generations per level for the engine comparison: a few hundred by default, more through
// KALMOTRE_GENERATIONS (the "long" test run sets 10000).
int generationsToCompare() {
  const char* text = std::getenv("KALMOTRE_GENERATIONS");
  const int n = text != nullptr ? std::atoi(text) : 0;
  return n > 0 ? n : 300;
}

TEST(GenerationEngines, TheFastEngineCarvesWhatEveryTrialSolvedInFullCarves) {
  const int generations = generationsToCompare();
  for (const LevelInfo& level : kLevels) {
    for (int n = 0; n < generations; ++n) {
      const double seconds = n * 0.37 + (level.randomPass ? 0.0 : 0.125);
      EngineRandomSource fastRandom, literalRandom;
      fastRandom.seed(seconds);
      literalRandom.seed(seconds);
      const Generated fast = generate(fastRandom, level.level, CarvingEngine::kFast);
      const Generated literal = generate(literalRandom, level.level, CarvingEngine::kLiteral);
      SCOPED_TRACE(testing::Message() << "generation " << n << " " << level.caption);
      ASSERT_EQ(fastRandom.drawCount(), literalRandom.drawCount());
      ASSERT_EQ(fast.puzzle, literal.puzzle);
    }
  }
}

TEST(GenerationEngines, AgreeOnABoardThatIsNotTheCompleteGrid) {
  // The fast engine must not take such a board for the grid: it leaves it to the literal one.
  for (int seed = 0; seed < 40; ++seed) {
    EngineRandomSource random;
    random.seed(seed + 0.5);
    const Grid solution = shuffledGrid(random);
    Grid start = solution;
    const CellIndex cell = (seed * 29) % kCells;
    start[static_cast<std::size_t>(cell)] =
        seed % 3 == 0 ? 0 : static_cast<std::int8_t>(seed % 9 + 1);
    const Level level = seed % 2 == 0 ? Level::Schwer : Level::Leicht;
    EngineRandomSource fastRandom = random, literalRandom = random;
    SCOPED_TRACE(testing::Message() << "seed " << seed << " cell " << cell);
    EXPECT_EQ(carvePuzzle(solution, start, level, fastRandom, CarvingEngine::kFast),
              carvePuzzle(solution, start, level, literalRandom, CarvingEngine::kLiteral));
    EXPECT_EQ(fastRandom.drawCount(), literalRandom.drawCount());
  }
}

TEST(GenerationEngines, AgreeWhenTheDrawsRunOutInAPass) {
  // A recorded "Schwer" generation, cut in the forced pass, between its passes and in the hard
  // pass: both engines fail at the same draw.
  test::RecordingRandomSource recording;
  recording.seed(321.5);
  generate(recording, Level::Schwer, CarvingEngine::kFast);
  const long long total = static_cast<long long>(recording.drawn.size());
  for (long long cut : {total - 700, total - 101, total - 100, total - 40, total - 1}) {
    const std::vector<double> draws(recording.drawn.begin(), recording.drawn.begin() + cut);
    ScriptedRandomSource fastRandom(draws), literalRandom(draws);
    SCOPED_TRACE(testing::Message() << "cut after " << cut << " of " << total);
    EXPECT_THROW(generate(fastRandom, Level::Schwer, CarvingEngine::kFast), DrawsExhausted);
    EXPECT_THROW(generate(literalRandom, Level::Schwer, CarvingEngine::kLiteral), DrawsExhausted);
    EXPECT_EQ(fastRandom.drawCount(), literalRandom.drawCount());
  }
}

TEST(Generation, ThousandsOfPuzzlesAreUniqueSolvableAndRestartable) {
  test::RecordingWindow window;
  test::RecordingRandomSource random;
  SteppingClock clock;
  MainForm form(window, random, clock);
  form.Form_Load();
  for (const LevelInfo& level : kLevels) {
    form.playerChoseLevel(level.level);
    for (int seed = 0; seed < 1500; ++seed) {
      clock.set(seed + (level.randomPass ? 0.25 : 0.75));
      const long long before = random.drawCount();
      test::clickGenerate(form, window);
      const GameState& game = form.game();
      SCOPED_TRACE(testing::Message() << "seed " << seed << " " << level.caption << " "
                                      << test::boardLine(game.board));

      ASSERT_EQ(random.drawCount() - before, expectedDraws(random.drawn, level));
      const Grid puzzle = digitsFromLine(test::boardLine(game.board));
      for (CellIndex i = 0; i < kCells; ++i) {
        const int clue = puzzle[static_cast<std::size_t>(i)];
        ASSERT_TRUE(clue == 0 || clue == game.solution[i]) << "clue " << i;
        ASSERT_EQ(game.board.locked(i), clue != 0);
        ASSERT_EQ(game.givens[i], clue) << "the clue record is the puzzle handed out";
      }

      Grid only{};
      ASSERT_EQ(countSolutions(puzzle, 2, &only), 1);
      ASSERT_EQ(only, game.solution);

      Board solved = game.board;
      ASSERT_TRUE(solvePuzzle(solved, knobs::kTrialCycles));
      ASSERT_EQ(test::boardLine(solved), oneLine(game.solution));

      form.BtnZur_Click();  // "Spiel neu beginnen"
      ASSERT_EQ(test::boardLine(form.game().board), oneLine(puzzle));
    }
  }
}

}  // namespace
}  // namespace kalmotre
