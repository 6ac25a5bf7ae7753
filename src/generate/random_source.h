// Where the generator's random numbers and its seed come from.
#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "generate/mersenne_twister.h"

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
  // The next n numbers into `out`, as n calls of next() would give them. Should the source fail
  // on the way, drawCount() counts the failed number too, as after next().
  void nextMany(double* out, int n) {
    const int bulk = drawMany(out, n);
    draws_ += bulk;
    for (int k = bulk; k < n; ++k) out[k] = next();
  }
  // How many numbers were drawn since this source was made.
  long long drawCount() const { return draws_; }

 protected:
  virtual double draw() = 0;
  // A source that can hand out numbers in bulk writes the first of them into `out` and says how
  // many; the rest come from draw().
  virtual int drawMany(double* /*out*/, int /*n*/) { return 0; }

 private:
  long long draws_ = 0;
};

// Int(u * n): one of 0..n-1 for a drawn u, the floor taken in double. Truncation is the floor
// for u * n >= 0 and needs no call into the maths library.
inline int scaleBelow(double u, int n) {
  const double x = u * static_cast<double>(n);
  return x >= 0.0 ? static_cast<int>(x) : static_cast<int>(std::floor(x));
}
inline int drawBelow(RandomSource& random, int n) {
  return scaleBelow(random.next(), n);
}

// The game's source: a 64-bit Mersenne Twister, 53 random bits per number.
class EngineRandomSource final : public RandomSource {
 public:
  // The bits of the clock reading are the seed, so every distinct reading gives its own numbers.
  void seed(double secondsSinceMidnight) override;
  // Any 64-bit seed, for tools that number their runs; seed(t) is seedBits of t's bits.
  void seedBits(std::uint64_t bits);

 protected:
  double draw() override;
  int drawMany(double* out, int n) override;

 private:
  MersenneTwister64 engine_;
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

}  // namespace kalmotre
