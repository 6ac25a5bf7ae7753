// The clocks a new puzzle is seeded from: the local wall clock, and a stepping one for tests and
// tools.
#pragma once

namespace kalmotre {

// Seconds since midnight, with a fraction: the generator's seed.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual double secondsSinceMidnight() = 0;
};

// Reads `first`, then steps on by `step` seconds with every reading: repeatable seeds for the
// generator tool, the benchmarks and the tests (a step of 0 stands still).
class SteppingClock final : public Clock {
 public:
  explicit SteppingClock(double first = 43200.5, double step = 0.0) : next_(first), step_(step) {}
  double secondsSinceMidnight() override {
    const double now = next_;
    next_ += step_;
    return now;
  }
  void set(double seconds) { next_ = seconds; }

 private:
  double next_;
  double step_;
};

// The local wall clock.
class SystemClock final : public Clock {
 public:
  double secondsSinceMidnight() override;
};

}  // namespace kalmotre
