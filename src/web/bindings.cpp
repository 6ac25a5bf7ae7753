// The game core for the browser: MainForm and the splash countdown behind a small embind class.
// The page shows what this reports and forwards the player's doings; every rule stays in C++.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <string>

#include "generate/carving.h"
#include "generate/level.h"
#include "generate/random_source.h"
#include "generate/shuffle.h"
#include "midend/main_form.h"
#include "midend/splash_countdown.h"

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

// What a command needs of the page while it runs: the message box, and generation's one pass,
// in which the page shows the state (a browser paints only once the command has returned).
class PagePort final : public WindowPort {
 public:
  void showMessage(std::string_view text) override { val::global("alert")(std::string(text)); }
  void processPendingEvents() override {
    if (!eventPass_.isUndefined()) eventPass_();
  }
  void setEventPass(val callback) { eventPass_ = callback; }

 private:
  val eventPass_ = val::undefined();
};

}  // namespace

class WebGame {
 public:
  WebGame() : form_(port_, random_, clock_) {}

  // Handlers under the game's names.
  void Form_Load() { form_.Form_Load(); }
  void btnGO_Click() { form_.btnGO_Click(); }
  void btnLoesung_Click() { form_.btnLoesung_Click(); }
  void btnPlus_Click() { form_.btnPlus_Click(); }
  void BtnZur_Click() { form_.BtnZur_Click(); }
  void SudokuLaden_Click() { form_.SudokuLaden_Click(); }
  void mnuEnde_Click() { form_.mnuEnde_Click(); }

  // The player's doings.
  bool playerEditedCell(int cell, const std::string& text) {
    return isCell(cell) && form_.playerEditedCell(cell, text);
  }
  bool playerEditedShowText(const std::string& text) { return form_.playerEditedShowText(text); }
  void playerChoseLevel(int option) {
    if (option >= 0 && option < static_cast<int>(kLevels.size())) {
      form_.playerChoseLevel(kLevels[static_cast<std::size_t>(option)].level);
    }
  }
  void playerMovedFocus(int step) {
    if (step >= 0 && step <= 3) form_.playerMovedFocus(static_cast<FocusStep>(step));
  }
  void cellGotFocus(int cell) {
    if (isCell(cell)) form_.cellGotFocus(cell);
  }
  void cellLostFocus(int cell) {
    if (isCell(cell)) form_.cellLostFocus(cell);
  }

  // What the page shows. Colours are 0xBBGGRR.
  std::string cellText(int cell) const { return form_.game().board.text(cell); }
  int cellBackground(int cell) const {
    return static_cast<int>(form_.game().board.background(cell).bgr);
  }
  int cellForeground(int cell) const {
    return static_cast<int>(form_.game().board.foreground(cell).bgr);
  }
  bool cellLocked(int cell) const { return form_.game().board.locked(cell); }
  std::string lblFrei() const { return form_.lblFrei(); }
  std::string lblZahl(int cell) const { return form_.lblZahl(cell); }
  std::string txtShow() const { return form_.ui().chosenDigit; }
  int level() const {
    for (std::size_t k = 0; k < kLevels.size(); ++k) {
      if (kLevels[k].level == form_.ui().level) return static_cast<int>(k);
    }
    return 0;
  }
  bool thinking() const { return form_.ui().thinking; }
  bool busy() const { return form_.ui().busy; }
  int focusedCell() const { return form_.focusedCell(); }

  // What the commands so far ask of the page: {focus, splash, quit}.
  val takeRequests() {
    const Requests r = form_.takeRequests();
    val out = val::object();
    out.set("focus", r.focus);
    out.set("splash", r.splash);
    out.set("quit", r.quit);
    return out;
  }

  // The splash window's count: a fresh one on load, then one line per tick until it closes.
  void splashLoad() { countdown_.load(); }
  val splashTick() {
    const SplashCountdown::Tick tick = countdown_.tick();
    val out = val::object();
    out.set("close", tick.close);
    out.set("text", tick.text);
    return out;
  }

  void setEventPass(val callback) { port_.setEventPass(callback); }
  // A test seam: every new puzzle seeded from this clock reading. Not a player's option.
  void fixClock(double seconds) { clock_.fix(seconds); }

 private:
  PagePort port_;
  EngineRandomSource random_;
  PageClock clock_;
  MainForm form_;
  SplashCountdown countdown_;
};

std::string levelCaption(int option) {
  if (option < 0 || option >= static_cast<int>(kLevels.size())) return {};
  return std::string(kLevels[static_cast<std::size_t>(option)].caption);
}

int levelCount() {
  return static_cast<int>(kLevels.size());
}

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
    const Digits puzzle = carvePuzzle(solution, digitsOf(solution), level, random);
    open += puzzle[0] == 0;
  }
  const double elapsed = emscripten_get_now() - start;
  return open >= 0 ? elapsed * 1000.0 / count : 0.0;
}

std::string countdownDesignText() {
  return kCountdownDesignText;
}

EMSCRIPTEN_BINDINGS(kalmotre) {
  emscripten::class_<WebGame>("WebGame")
      .constructor<>()
      .function("Form_Load", &WebGame::Form_Load)
      .function("btnGO_Click", &WebGame::btnGO_Click)
      .function("btnLoesung_Click", &WebGame::btnLoesung_Click)
      .function("btnPlus_Click", &WebGame::btnPlus_Click)
      .function("BtnZur_Click", &WebGame::BtnZur_Click)
      .function("SudokuLaden_Click", &WebGame::SudokuLaden_Click)
      .function("mnuEnde_Click", &WebGame::mnuEnde_Click)
      .function("playerEditedCell", &WebGame::playerEditedCell)
      .function("playerEditedShowText", &WebGame::playerEditedShowText)
      .function("playerChoseLevel", &WebGame::playerChoseLevel)
      .function("playerMovedFocus", &WebGame::playerMovedFocus)
      .function("cellGotFocus", &WebGame::cellGotFocus)
      .function("cellLostFocus", &WebGame::cellLostFocus)
      .function("cellText", &WebGame::cellText)
      .function("cellBackground", &WebGame::cellBackground)
      .function("cellForeground", &WebGame::cellForeground)
      .function("cellLocked", &WebGame::cellLocked)
      .function("lblFrei", &WebGame::lblFrei)
      .function("lblZahl", &WebGame::lblZahl)
      .function("txtShow", &WebGame::txtShow)
      .function("level", &WebGame::level)
      .function("thinking", &WebGame::thinking)
      .function("busy", &WebGame::busy)
      .function("focusedCell", &WebGame::focusedCell)
      .function("takeRequests", &WebGame::takeRequests)
      .function("splashLoad", &WebGame::splashLoad)
      .function("splashTick", &WebGame::splashTick)
      .function("setEventPass", &WebGame::setEventPass)
      .function("fixClock", &WebGame::fixClock);
  emscripten::function("levelCaption", &levelCaption);
  emscripten::function("levelCount", &levelCount);
  emscripten::function("countdownDesignText", &countdownDesignText);
  emscripten::function("generationMicroseconds", &generationMicroseconds);
}

}  // namespace kalmotre::web
