// Benchmarks of the window on the offscreen platform: what a click or a key costs from the event
// to the widgets showing the result.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/main_window.h"
#include "app/web_page.h"

namespace {

using namespace kalmotre;

struct Window {
  Window() : window(random, clock, desktop) {
    window.show();
    QApplication::processEvents();
  }
  QPushButton* button(const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
  }
  EngineRandomSource random;
  SteppingClock clock{1.0, 1.0};
  app::SystemDesktop desktop;
  app::MainWindow window;
};

// "Erzeuge neues Sodoku" at "Schwer": generation, then every changed widget brought in line.
void BM_WindowGenerateClick(benchmark::State& state) {
  Window w;
  QPushButton* go = w.button("btnGO");
  for (auto _ : state) go->click();
}
BENCHMARK(BM_WindowGenerateClick)->Unit(benchmark::kMicrosecond);

// Digit and blank in turns into the cell, so every key really changes it; with `repaint`, the
// widgets' painting is timed too.
void typeInTurns(benchmark::State& state, QLineEdit* cell, bool repaint) {
  bool digit = true;
  for (auto _ : state) {
    state.PauseTiming();
    cell->setFocus(Qt::MouseFocusReason);
    cell->selectAll();
    state.ResumeTiming();
    QTest::keyClick(cell, digit ? Qt::Key_5 : Qt::Key_Delete);
    if (repaint) QApplication::processEvents();
    digit = !digit;
  }
}

// One digit typed into an open cell with the possibilities display on: recount, focus move,
// validation, the possibilities' repaint and the widgets that changed.
void BM_WindowCellEntryWithPossibilities(benchmark::State& state) {
  Window w;
  w.button("btnGO")->click();
  for (int k = 0; k < 5; ++k) w.button("btnPlus")->click();
  CellIndex open = 0;
  while (!w.window.cell(open)->text().isEmpty()) ++open;
  typeInTurns(state, w.window.cell(open), false);
}
BENCHMARK(BM_WindowCellEntryWithPossibilities)->Unit(benchmark::kMicrosecond);

// The same key with every open cell as full as a cell gets (pasted text at the cell's limit): what
// a repaint costs does not grow with what was pasted.
void BM_WindowCellEntryFullCells(benchmark::State& state) {
  Window w;
  w.button("btnGO")->click();
  CellIndex open = kNoCell;
  for (CellIndex i = 0; i < kCells; ++i) {
    if (!w.window.cell(i)->text().isEmpty()) continue;
    if (open == kNoCell) open = i;
    w.window.form().playerEditedCell(i, std::string(100'000, '1'));
  }
  w.window.refresh();
  typeInTurns(state, w.window.cell(open), true);
}
BENCHMARK(BM_WindowCellEntryFullCells)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
