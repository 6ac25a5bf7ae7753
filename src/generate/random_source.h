// Where the generator's random numbers and its seed come from.
#pragma once

#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

namespace kalmotre {

// Numbers u with 0 <= u < 1, seeded once per generation.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void seed(double secondsSinceMidnight) = 0;
  double next() {
    ++draws_;
    return draw();
  }
  // How many numbers were drawn since this source was made.
  long long drawCount() const { return draws_; }

 protected:
  virtual double draw() = 0;

 private:
  long long draws_ = 0;
};

// Int(u * n): one of 0..n-1, the floor taken in double.
int drawBelow(RandomSource& random, int n);

// The game's source: a 64-bit Mersenne Twister, 53 random bits per number.
class EngineRandomSource final : public RandomSource {
 public:
  // The bits of the clock reading are the seed, so every distinct reading gives its own numbers.
  void seed(double secondsSinceMidnight) override;
  // Any 64-bit seed, for tools that number their runs; seed(t) is seedBits of t's bits.
  void seedBits(std::uint64_t bits);

 protected:
  double draw() override;

 private:
  std::mt19937_64 engine_;
};

class DrawsExhausted : public std::runtime_error {
 public:
  explicit DrawsExhausted(long long used);
  long long used() const { return used_; }

 private:
  long long used_;
};

// Plays back a recorded list of numbers; seeding changes nothing. Running out is an error.
class ScriptedRandomSource final : public RandomSource {
 public:
  explicit ScriptedRandomSource(std::vector<double> draws) : draws_(std::move(draws)) {}
  void seed(double) override {}
  std::size_t remaining() const { return draws_.size() - position_; }

 protected:
  double draw() override;

 private:
  std::vector<double> draws_;
  std::size_t position_ = 0;
};

// Seconds since midnight, with a fraction: the generator's seed.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual double secondsSinceMidnight() = 0;
};

// The local wall clock.
class SystemClock final : public Clock {
 public:
  double secondsSinceMidnight() override;
};

}  // namespace kalmotre
