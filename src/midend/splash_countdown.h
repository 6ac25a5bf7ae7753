// The splash window's countdown: which text each timer tick shows and when the window closes.
#pragma once

#include <string>

#include "knobs/knobs.h"

namespace kalmotre {

class SplashCountdown {
 public:
  struct Tick {
    bool close = false;
    std::string text;  // the countdown line to show when not closing
  };

  // Every load starts a fresh count.
  void load() {
    secondsLeft_ = knobs::kSplashCountdownSeconds;
    tickCount_ = 0;
  }
  // Ticks 1..6 count "noch 5 sec ..." down to "noch 0 sec ..."; the seventh closes the window.
  Tick tick();

  int secondsLeft() const { return secondsLeft_; }
  int tickCount() const { return tickCount_; }

 private:
  int secondsLeft_ = knobs::kSplashCountdownSeconds;
  int tickCount_ = 0;
};

}  // namespace kalmotre
