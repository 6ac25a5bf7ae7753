// Benchmarks of the work behind one click: a whole generation and one solve.
#include <benchmark/benchmark.h>

#include "generate/carving.h"
#include "generate/shuffle.h"
#include "knobs/knobs.h"
#include "midend/main_form.h"
#include "solve/solver.h"

namespace {

using namespace kalmotre;

class NoWindow final : public WindowPort {
 public:
  void showMessage(std::string_view) override {}
};

// The pure steps behind a new puzzle: grid, then carving, from a source seeded per puzzle.
void generateAt(benchmark::State& state, Level level, CarvingEngine engine) {
  EngineRandomSource random;
  double seconds = 1.0;
  for (auto _ : state) {
    random.seed(seconds);
    seconds += 1.0;
    const Grid solution = shuffledGrid(random);
    const Grid puzzle = carvePuzzle(solution, solution, level, random, engine);
    benchmark::DoNotOptimize(puzzle);
  }
}

// The game's engine, and beside it the passes as written with every trial solved in full.
void BM_GenerateLeicht(benchmark::State& state) {
  generateAt(state, Level::Leicht, CarvingEngine::kFast);
}
void BM_GenerateSchwer(benchmark::State& state) {
  generateAt(state, Level::Schwer, CarvingEngine::kFast);
}
void BM_GenerateLeichtLiteral(benchmark::State& state) {
  generateAt(state, Level::Leicht, CarvingEngine::kLiteral);
}
void BM_GenerateSchwerLiteral(benchmark::State& state) {
  generateAt(state, Level::Schwer, CarvingEngine::kLiteral);
}
BENCHMARK(BM_GenerateLeicht)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GenerateSchwer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GenerateLeichtLiteral)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GenerateSchwerLiteral)->Unit(benchmark::kMicrosecond);

// The whole button click through the form: the grid shown on the cells, the carving, the
// presentation and the clue record.
void BM_ButtonClickSchwer(benchmark::State& state) {
  NoWindow window;
  EngineRandomSource random;
  SteppingClock clock(1.0, 1.0);
  MainForm form(window, random, clock);
  form.Form_Load();
  for (auto _ : state) {
    form.btnGO_Click();
    form.resume();
  }
}
BENCHMARK(BM_ButtonClickSchwer)->Unit(benchmark::kMicrosecond);

// "Computer soll Lösung suchen" on a freshly handed-out "Schwer" puzzle.
void BM_SolveButton(benchmark::State& state) {
  NoWindow window;
  EngineRandomSource random;
  SteppingClock clock(1.0, 1.0);
  MainForm form(window, random, clock);
  form.btnGO_Click();
  form.resume();
  const Board puzzle = form.game().board;
  for (auto _ : state) {
    state.PauseTiming();
    Board board = puzzle;
    state.ResumeTiming();
    benchmark::DoNotOptimize(solvePuzzle(board, knobs::kSolveButtonCycles));
  }
}
BENCHMARK(BM_SolveButton)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
