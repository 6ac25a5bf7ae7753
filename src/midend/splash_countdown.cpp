// Countdown texts: a blank before a non-negative number, a minus sign before a negative one.
#include "midend/splash_countdown.h"

#include "midend/texts.h"

namespace kalmotre {

SplashCountdown::Tick SplashCountdown::tick() {
  if (tickCount_ < knobs::kSplashCountdownSeconds) {
    ++tickCount_;
    --secondsLeft_;
    std::string text(texts::kCountdownBefore);
    if (secondsLeft_ >= 0) text += ' ';
    text += std::to_string(secondsLeft_);
    text += texts::kCountdownAfter;
    return {false, text};
  }
  secondsLeft_ = knobs::kSplashCountdownSeconds;
  return {true, {}};
}

}  // namespace kalmotre
