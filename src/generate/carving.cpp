// The passes run on the trials policy the engine names.
#include "generate/carving.h"

#include "generate/fast_trials.h"
#include "generate/literal_trials.h"
#include "generate/removal_passes.h"

namespace kalmotre {

Grid carvePuzzle(const Grid& solution, const Grid& start, Level level, RandomSource& random,
                 CarvingEngine engine) {
  const LevelInfo& info = levelInfo(level);
  if (engine == CarvingEngine::kFast && FastTrials::applies(solution, start)) {
    FastTrials trials(solution);
    runRemovalPasses(trials, info, random);
    return trials.cells();
  }
  LiteralTrials trials(solution, start);
  runRemovalPasses(trials, info, random);
  return trials.cells();
}

}  // namespace kalmotre
