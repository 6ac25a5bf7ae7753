// The game core for the browser: the mid end behind a small embind class. The page builds its
// windows from the control table, forwards every event and applies the change list it gets
// back; every rule stays in C++.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <optional>
#include <string>

#include "generate/carving.h"
#include "generate/level.h"
#include "generate/random_source.h"
#include "generate/shuffle.h"
#include "midend/json.h"
#include "midend/mid_end.h"

namespace kalmotre::web {

namespace {

using emscripten::val;

// The clock of the browser's local time, or a fixed reading for tests.
class PageClock final : public Clock {
 public:
  double secondsSinceMidnight() override {
    return fixed_ ? seconds_ : system_.secondsSinceMidnight();
  }
  void fix(double seconds) {
    fixed_ = true;
    seconds_ = seconds;
  }

 private:
  SystemClock system_;
  bool fixed_ = false;
  double seconds_ = 0.0;
};

// What a command needs of the page while it runs: the modal message.
class PagePort final : public WindowPort {
 public:
  void showMessage(std::string_view text) override { val::global("alert")(std::string(text)); }
};

}  // namespace

// The page's one door into the game: each event is one call, which answers with the change list
// as JSON. What the page builds from comes the same way, once.
class WebGame {
 public:
  WebGame() : midEnd_(port_, random_, clock_) {}

  // An event as the page reports it: its kind by its place in the setup's "events", the
  // control, a text (an edited box's, a key's name) and flags (the modifiers held, the focus
  // cause, a pad button). A kind that is none answers with what changed.
  std::string handle(int kind, int control, const std::string& text, int flags) {
    Event event{EventKind::Changes, control, text, static_cast<unsigned>(flags)};
    if (kind >= 0 && kind < static_cast<int>(std::size(kEventNames))) {
      event.kind = static_cast<EventKind>(kind);
    }
    return changeListJson(midEnd_.handle(event));
  }

  // The game as text for the tab's session storage; empty while a command runs.
  std::string snapshot() const { return midEnd_.snapshot(); }
  // The change list that shows a kept game brought back, or "" when the text is not one.
  std::string restore(const std::string& text) {
    const std::optional<ChangeList> list = midEnd_.restore(text);
    return list ? changeListJson(*list) : std::string();
  }

  // What a printout of the board shows, as JSON.
  std::string printSheet() const { return printSheetJson(midEnd_.printSheet()); }

  // A test seam: every new puzzle seeded from this clock reading. Not a player's option.
  void fixClock(double seconds) { clock_.fix(seconds); }

 private:
  PagePort port_;
  EngineRandomSource random_;
  PageClock clock_;
  MidEnd midEnd_;
};

// The pure steps of a new puzzle `count` times at the level, for the benchmark: microseconds per
// puzzle, as bench/ measures the native build.
double generationMicroseconds(int option, int count) {
  const Level level = kLevels[static_cast<std::size_t>(option == 0 ? 0 : 1)].level;
  EngineRandomSource random;
  int open = 0;
  const double start = emscripten_get_now();
  for (int k = 0; k < count; ++k) {
    random.seed(1.0 + k);
    const Grid solution = shuffledGrid(random);
    const Grid puzzle = carvePuzzle(solution, solution, level, random);
    open += puzzle[0] == 0;
  }
  const double elapsed = emscripten_get_now() - start;
  return open >= 0 ? elapsed * 1000.0 / count : 0.0;
}

EMSCRIPTEN_BINDINGS(kalmotre) {
  emscripten::class_<WebGame>("WebGame")
      .constructor<>()
      .function("handle", &WebGame::handle)
      .function("snapshot", &WebGame::snapshot)
      .function("restore", &WebGame::restore)
      .function("printSheet", &WebGame::printSheet)
      .function("fixClock", &WebGame::fixClock);
  emscripten::function("setup", &setupJson);
  emscripten::function("generationMicroseconds", &generationMicroseconds);
}

}  // namespace kalmotre::web
