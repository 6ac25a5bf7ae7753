// The form model driven through its ports by a decoded sequence of player actions, with the
// game's invariants checked after each one. Any failed check aborts, so libFuzzer keeps the input.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "board/one_line.h"
#include "input/free_cells.h"
#include "knobs/knobs.h"
#include "midend/main_form.h"

namespace {

using namespace kalmotre;

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "form invariant broken: %s\n", what);
  std::abort();
}

// Draws for one generation: the production engine under a fuzz-chosen seed, or a short
// fuzz-chosen list of numbers played round and round (all zeros, numbers just below 1...), which
// walks the removal passes into corners no clock reading reaches.
class FuzzRandomSource final : public RandomSource {
 public:
  void seed(double) override {}
  void useEngine(std::uint64_t seed) {
    cycle_.clear();
    engine_.seedBits(seed);
  }
  void useCycle(std::vector<double> cycle) {
    cycle_ = std::move(cycle);
    position_ = 0;
  }

 protected:
  double draw() override {
    if (cycle_.empty()) return engine_.next();
    const double u = cycle_[position_];
    position_ = (position_ + 1) % cycle_.size();
    return u;
  }

 private:
  EngineRandomSource engine_;
  std::vector<double> cycle_;
  std::size_t position_ = 0;
};

class Harness final : public WindowPort {
 public:
  explicit Harness(FuzzedDataProvider& data) : data_(data), form_(*this, random_, clock_) {}

  void run() {
    form_.Form_Load();
    recordHandedOut();
    checkInvariants();
    while (data_.remaining_bytes() > 0) {
      act();
      checkInvariants();
    }
    checkSnapshot();
  }

  // WindowPort
  void showMessage(std::string_view) override {}
  // Generation's one pass through the window's events between its two halves: whatever the
  // player did meanwhile is handled now, with the form busy. None of it may touch the board.
  void eventPass() {
    require(form_.ui().busy, "an event pass outside a command");
    const std::string before = oneLine(form_.game().board);
    const int queued = data_.ConsumeIntegralInRange(0, 3);
    for (int k = 0; k < queued && data_.remaining_bytes() > 0; ++k) act();
    require(form_.ui().busy, "a queued action ended the running command");
    require(oneLine(form_.game().board) == before, "a queued action changed the board");
    require(form_.takeRequests().focus == kNoControl, "a queued action moved the focus");
  }

 private:
  std::string text() {
    switch (data_.ConsumeIntegralInRange(0, 7)) {
      case 0: {
        // A long paste: a short piece many times over.
        const std::string piece = data_.ConsumeRandomLengthString(8);
        std::string pasted;
        const int times = data_.ConsumeIntegralInRange(1, 2500);
        for (int k = 0; k < times; ++k) pasted += piece;
        return pasted;
      }
      case 1:
        return std::string(1, static_cast<char>('0' + data_.ConsumeIntegralInRange(0, 9)));
      default:
        return data_.ConsumeRandomLengthString(16);
    }
  }

  CellIndex cell() { return data_.ConsumeIntegralInRange<CellIndex>(0, kCells - 1); }

  void generate() {
    if (form_.ui().busy) {
      // A click during the event pass: the running generation keeps its own draws.
      form_.btnGO_Click();
      return;
    }
    if (data_.ConsumeBool()) {
      random_.useEngine(data_.ConsumeIntegral<std::uint64_t>());
    } else {
      // Numbers of the whole range 0 <= u < 1, the largest below 1 included.
      static constexpr double kBelowOne = 0x1.fffffffffffffp-1;
      std::vector<double> cycle;
      const int length = data_.ConsumeIntegralInRange(1, 16);
      for (int k = 0; k < length; ++k) {
        const auto step = data_.ConsumeIntegral<std::uint16_t>();
        cycle.push_back(step == 0xFFFF ? kBelowOne : step / 65535.0);
      }
      random_.useCycle(std::move(cycle));
    }
    form_.btnGO_Click();
    if (form_.resumePending()) {
      eventPass();
      form_.resume();
    }
    ++generations_;
    recordHandedOut();
  }

  void act() {
    const bool busy = form_.ui().busy;
    switch (data_.ConsumeIntegralInRange(0, 11)) {
      case 0:
        // A generation costs a hundred times any other action: one per input, and only when a
        // second choice asks for it too, keeps millions of executions within reach.
        if (data_.ConsumeIntegralInRange(0, 7) == 0 && (busy || generations_ == 0)) generate();
        break;
      case 1:
        form_.btnLoesung_Click();
        break;
      case 2:
        form_.btnPlus_Click();
        break;
      case 3:
      case 4: {
        data_.ConsumeBool() ? form_.BtnZur_Click() : form_.SudokuLaden_Click();
        if (!busy) require(oneLine(form_.game().board) == handedOut_, "restart lost the puzzle");
        break;
      }
      case 5:
        form_.mnuEnde_Click();
        break;
      case 6: {
        const std::string shown = form_.ui().chosenDigit;
        const bool taken = form_.playerEditedShowText(text());
        require(taken != busy, "the digit box edit taken while busy or refused while idle");
        if (!taken) require(form_.ui().chosenDigit == shown, "a refused edit changed the box");
        require(form_.ui().chosenDigit.size() <= 4, "the digit box holds more than one character");
        break;
      }
      case 7:
        if (data_.ConsumeBool()) {
          const auto k = data_.ConsumeIntegralInRange<std::size_t>(0, kLevels.size() - 1);
          form_.playerChoseLevel(kLevels[k].level);
        } else {
          form_.playerMovedFocus(static_cast<FocusStep>(data_.ConsumeIntegralInRange(0, 3)));
        }
        break;
      case 8:
        form_.cellGotFocus(cell());
        break;
      case 9: {
        const CellIndex c = data_.ConsumeBool() ? form_.focusedCell() : cell();
        if (isCell(c)) form_.cellLostFocus(c);
        break;
      }
      default: {
        const CellIndex c = cell();
        if (data_.ConsumeBool()) form_.cellGotFocus(c);
        const std::string before(form_.game().board.text(c));
        const bool locked = form_.game().board.locked(c);
        const bool taken = form_.playerEditedCell(c, text());
        require(taken == (!busy && !locked), "a cell edit taken or refused wrongly");
        if (!taken) require(form_.game().board.text(c) == before, "a refused edit changed a cell");
        break;
      }
    }
  }

  void recordHandedOut() {
    handedOut_ = oneLine(form_.game().board);
    for (CellIndex i = 0; i < kCells; ++i) {
      lockedText_[static_cast<std::size_t>(i)] =
          form_.game().board.locked(i) ? std::string(form_.game().board.text(i)) : std::string();
    }
  }

  void checkInvariants() {
    const Requests requests = form_.takeRequests();
    require(requests.focus == kNoControl || cellOfControl(requests.focus) >= 0,
            "focus moved off the board");
    require(requests.focus == kNoControl || cellOfControl(requests.focus) == form_.focusedCell(),
            "the focus asked for is not the form's");
    static constexpr std::array<Color, 5> kBackgrounds = {
        colors::kWhite, colors::kYellow, colors::kGreen, colors::kMidGrey, colors::kLightGrey};
    const InterfaceState& ui = form_.ui();
    const GameState& s = form_.game();
    require(!ui.busy, "busy after a handler returned");
    require(!form_.quitPending(), "a quit asked for during a command was not carried out");
    require(!ui.thinking, "the thinking frame left on");
    require(form_.lblFrei() == freeCellsCaption(countFreeCells(s.board)), "the counter is wrong");
    for (CellIndex i = 0; i < kCells; ++i) {
      const std::size_t k = static_cast<std::size_t>(i);
      require(s.board.locked(i) == !lockedText_[k].empty(), "a cell's lock changed");
      require(s.board.text(i).size() <= 4 * std::size_t{knobs::kCellTextLimit},
              "a cell holds more than a cell may");
      if (s.board.locked(i)) require(s.board.text(i) == lockedText_[k], "a clue changed");
      require(std::find(kBackgrounds.begin(), kBackgrounds.end(), s.board.background(i)) !=
                  kBackgrounds.end(),
              "a background the game does not use");
      require(s.board.foreground(i) == colors::kBlack || s.board.foreground(i) == colors::kBlue,
              "a text colour the game does not use");
    }
  }

  // Whatever the player brought about, the game keeps across a reload.
  void checkSnapshot() {
    const std::string kept = form_.snapshot();
    MainForm reloaded(*this, random_, clock_);
    require(reloaded.restore(kept), "the game refuses its own snapshot");
    require(reloaded.snapshot() == kept, "a snapshot not brought back as it was");
  }

  FuzzedDataProvider& data_;
  FuzzRandomSource random_;
  SteppingClock clock_;
  MainForm form_;
  int generations_ = 0;
  std::string handedOut_;
  std::array<std::string, kCells> lockedText_{};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  Harness(data).run();
  return 0;
}
