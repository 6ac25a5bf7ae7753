// Fake ports for the core: a window that records what it was asked.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "generate/random_source.h"
#include "midend/main_form.h"
#include "midend/window_port.h"

namespace kalmotre::test {

class RecordingWindow : public WindowPort {
 public:
  void showMessage(std::string_view text) override { messages.emplace_back(text); }
  // What a window does when a command asks it to paint and resume: its one event pass.
  void eventPass() {
    ++eventPasses;
    if (duringEvents) duringEvents();
  }

  std::vector<std::string> messages;
  int eventPasses = 0;
  std::function<void()> duringEvents;
};

// A click on "Erzeuge neues Sodoku" carried through as a window carries it: the first half, the
// window's event pass, the second half.
inline void clickGenerate(MainForm& form, RecordingWindow& window) {
  form.btnGO_Click();
  if (form.resumePending()) {
    window.eventPass();
    form.resume();
  }
}

// A draw that lands on k of n for Int(u * n).
inline double drawFor(int k, int n) {
  return (k + 0.5) / n;
}

}  // namespace kalmotre::test
