// Fake ports for the core: a window that records what it was asked.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "generate/random_source.h"
#include "input/window_port.h"

namespace kalmotre::test {

class RecordingWindow : public WindowPort {
 public:
  void showMessage(std::string_view text) override { messages.emplace_back(text); }
  void processPendingEvents() override {
    ++eventPasses;
    if (duringEvents) duringEvents();
  }

  std::vector<std::string> messages;
  int eventPasses = 0;
  std::function<void()> duringEvents;
};

// A draw that lands on k of n for Int(u * n).
inline double drawFor(int k, int n) {
  return (k + 0.5) / n;
}

}  // namespace kalmotre::test
