// The generation driver: seed, grid, check, one event pass, carving, presentation.
#include "generate/driver.h"

#include <string>

#include "board/display.h"
#include "board/knobs.h"
#include "generate/clue_record.h"
#include "generate/fast_removal.h"
#include "generate/grid_check.h"
#include "generate/removal.h"
#include "generate/shuffle.h"
#include "solve/candidates.h"

namespace kalmotre {

namespace {

void repeatDrawnTimes(RandomSource& random, Grid& solution,
                      void (*transform)(Grid&, RandomSource&)) {
  const int n = drawBelow(random, knobs::kShuffleRepeatsBelow);
  for (int k = 0; k < n; ++k) transform(solution, random);
}

void carveClues(FormState& form, RandomSource& random, CarvingEngine engine) {
  Carving carving{{}, form.state, random};
  for (CellIndex i = 0; i < kCells; ++i) {
    const int digit = form.board.isEmptyText(i) ? 0 : digitClassOf(form.board.value(i));
    assert(digit >= 0 && "generation keeps every cell empty or a single digit");
    carving.at(i) = static_cast<std::int8_t>(digit);
  }

  const LevelInfo& level = levelInfo(form.level);
  if (engine == CarvingEngine::kLiteral || !carveCluesFast(carving, level)) {
    if (level.forcedPass) removeForcedClues(carving);
    if (level.crossHatchedPass) removeCrossHatchedClues(carving);
    if (level.randomPass) removeRandomClues(carving);
  }

  for (CellIndex i = 0; i < kCells; ++i) {
    if (carving.isEmpty(i)) form.board.setText(i, "");
  }
}

}  // namespace

void generatePuzzle(FormState& form, FormView& view, RandomSource& random, Clock& clock,
                    CarvingEngine engine) {
  ModuleState& s = form.state;
  const BusyScope busy(s);
  s.possibilitiesOn = false;
  // Declared after `busy`, so on any way out the frame is hidden before `busy` clears.
  struct HideThinkingFrame {
    FormState& form;
    ~HideThinkingFrame() { form.thinkingFrameVisible = false; }
  } const hideFrame{form};
  random.seed(clock.secondsSinceMidnight());

  buildBaseGrid(s.solution);
  repeatDrawnTimes(random, s.solution, swapBandsOrStacks);
  repeatDrawnTimes(random, s.solution, swapColumnsInStack);
  repeatDrawnTimes(random, s.solution, swapRowsInBand);
  relabelDigits(s.solution, random);

  showSolution(form, view);
  checkGrid(form, view);
  form.thinkingFrameVisible = true;
  view.processPendingEvents();

  carveClues(form, random, engine);

  presentPuzzle(form);
  // The clue record is the puzzle as handed out, so a restart brings back exactly this board.
  recordGivens(form);
}

}  // namespace kalmotre
