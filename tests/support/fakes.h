// Fake ports for the core: a view that records what it was asked.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "board/ports.h"
#include "generate/random_source.h"

namespace kalmotre::test {

class RecordingView : public FormView {
 public:
  void focusCell(CellIndex cell) override { calls.push_back("focus " + std::to_string(cell)); }
  void showMessage(std::string_view text) override { messages.emplace_back(text); }
  void processPendingEvents() override {
    calls.emplace_back("events");
    if (duringEvents) duringEvents();
  }
  void showSplash() override { calls.emplace_back("splash"); }
  void quit() override { calls.emplace_back("quit"); }

  std::vector<std::string> calls;
  std::vector<std::string> messages;
  std::function<void()> duringEvents;
};

// A draw that lands on k of n for Int(u * n).
inline double drawFor(int k, int n) {
  return (k + 0.5) / n;
}

}  // namespace kalmotre::test
