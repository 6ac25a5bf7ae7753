// Benchmarks of the work behind one click: a whole generation and one solve.
#include <benchmark/benchmark.h>

#include "board/knobs.h"
#include "board/ports.h"
#include "generate/driver.h"
#include "input/main_form.h"
#include "solve/solver.h"

namespace {

using namespace kalmotre;

void generateAt(benchmark::State& state, Level level, CarvingEngine engine) {
  NullView view;
  EngineRandomSource random;
  SteppingClock clock(1.0, 1.0);
  FormState form;
  form.level = level;
  for (auto _ : state) {
    generatePuzzle(form, view, random, clock, engine);
    benchmark::DoNotOptimize(form.board.text(0));
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

// The whole button click through the form, change handling included.
void BM_ButtonClickSchwer(benchmark::State& state) {
  NullView view;
  EngineRandomSource random;
  SteppingClock clock(1.0, 1.0);
  MainForm form(view, random, clock);
  form.Form_Load();
  for (auto _ : state) form.btnGO_Click();
}
BENCHMARK(BM_ButtonClickSchwer)->Unit(benchmark::kMicrosecond);

// "Computer soll Lösung suchen" on a freshly handed-out "Schwer" puzzle.
void BM_SolveButton(benchmark::State& state) {
  NullView view;
  EngineRandomSource random;
  SteppingClock clock(1.0, 1.0);
  FormState puzzle;
  generatePuzzle(puzzle, view, random, clock);
  for (auto _ : state) {
    state.PauseTiming();
    FormState form = puzzle;
    state.ResumeTiming();
    benchmark::DoNotOptimize(solvePuzzle(form, knobs::kSolveButtonCycles));
  }
}
BENCHMARK(BM_SolveButton)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
