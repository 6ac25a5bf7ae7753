// The 64-bit Mersenne Twister seeded from two 32-bit words through the standard seed sequence:
// number for number what std::mt19937_64 gives after seed(std::seed_seq{a, b}), in less time.
// Seeding and the regeneration of the state are written out so the compiler can keep the seed
// sequence's index arithmetic out of the loop and run the regeneration two words at a time.
#pragma once

#include <array>
#include <cstdint>

namespace kalmotre {

class MersenneTwister64 {
 public:
  static constexpr int kStateSize = 312;

  void seed(std::uint32_t a, std::uint32_t b);

  std::uint64_t operator()() {
    if (next_ >= kStateSize) regenerate();
    return temper(state_[static_cast<std::size_t>(next_++)]);
  }

  // (next() >> 11) * 2^-53, a number in [0, 1) from the top 53 bits. The numbers of a whole
  // state are made at once, which the compiler turns into vector code.
  double nextUnit() {
    if (next_ >= kStateSize) regenerate();
    if (!unitsReady_) makeUnits();
    return units_[static_cast<std::size_t>(next_++)];
  }
  // n of them, the same as n calls of nextUnit().
  void nextUnits(double* out, int n);

 private:
  static constexpr std::uint64_t temper(std::uint64_t y) {
    y ^= (y >> 29) & 0x5555555555555555u;
    y ^= (y << 17) & 0x71D67FFFEDA60000u;
    y ^= (y << 37) & 0xFFF7EEE000000000u;
    return y ^ (y >> 43);
  }
  void regenerate();
  void makeUnits();

  std::array<std::uint64_t, kStateSize> state_{};
  std::array<double, kStateSize> units_{};
  int next_ = kStateSize;
  bool unitsReady_ = false;  // units_ belongs to the current state
};

}  // namespace kalmotre
