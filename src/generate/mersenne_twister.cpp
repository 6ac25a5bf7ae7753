// Seeding and state regeneration of the 64-bit Mersenne Twister.
#include "generate/mersenne_twister.h"

#include <algorithm>
#include <bit>

namespace kalmotre {

namespace {

constexpr int kShift = 156;  // the twister's middle distance
constexpr std::uint64_t kUpper = ~std::uint64_t{0} << 31;
constexpr std::uint64_t kLower = ~kUpper;
constexpr std::uint64_t kMatrix = 0xB5026F5AA96619E9u;

constexpr std::uint64_t twist(std::uint64_t upper, std::uint64_t lower, std::uint64_t far) {
  const std::uint64_t y = (upper & kUpper) | (lower & kLower);
  return far ^ (y >> 1) ^ ((0 - (y & 1)) & kMatrix);
}

constexpr std::uint32_t mix(std::uint32_t x) {
  return x ^ (x >> 27);
}

}  // namespace

void MersenneTwister64::seed(std::uint32_t a, std::uint32_t b) {
  // The seed sequence's generate() for two words into 2 * 312 words of output.
  constexpr int n = 2 * kStateSize;
  constexpr int t = 11, p = (n - t) / 2, q = p + t;
  std::array<std::uint32_t, n> w;
  w.fill(0x8b8b8b8bu);
  std::uint32_t* const v = w.data();
  // Step k touches words k, k + p and k + q, the last two taken modulo n. Run in the three
  // stretches where neither, only k + q, or both wrap, the steps need no division.
  constexpr int stretches[4] = {0, n - q, n - p, n};
  // Each step reads the word the step before wrote; it is carried in `last`, not read back.
  std::uint32_t last = v[n - 1];
  const std::uint32_t added[3] = {2u, a, b};  // the sequence's length and its two words
  for (int k = 0; k < 3; ++k) {
    const std::uint32_t r1 = 1664525u * mix(v[k] ^ v[k + p] ^ last);
    const std::uint32_t r2 = r1 + static_cast<std::uint32_t>(k) + added[k];
    v[k + p] += r1;
    v[k + q] += r2;
    v[k] = last = r2;
  }
  for (int part = 0; part < 3; ++part) {
    const int atP = part < 2 ? p : p - n, atQ = part < 1 ? q : q - n;
    for (int k = part == 0 ? 3 : stretches[part]; k < stretches[part + 1]; ++k) {
      const std::uint32_t r1 = 1664525u * mix(v[k] ^ v[k + atP] ^ last);
      const std::uint32_t r2 = r1 + static_cast<std::uint32_t>(k);
      v[k + atP] += r1;
      v[k + atQ] += r2;
      v[k] = last = r2;
    }
  }
  for (int part = 0; part < 3; ++part) {
    const int atP = part < 2 ? p : p - n, atQ = part < 1 ? q : q - n;
    for (int k = stretches[part]; k < stretches[part + 1]; ++k) {
      const std::uint32_t r3 = 1566083941u * mix(v[k] + v[k + atP] + last);
      const std::uint32_t r4 = r3 - static_cast<std::uint32_t>(k);
      v[k + atP] ^= r3;
      v[k + atQ] ^= r4;
      v[k] = last = r4;
    }
  }

  bool zero = true;
  for (int i = 0; i < kStateSize; ++i) {
    const std::uint64_t x = w[static_cast<std::size_t>(2 * i)] |
                            std::uint64_t{w[static_cast<std::size_t>(2 * i + 1)]} << 32;
    state_[static_cast<std::size_t>(i)] = x;
    if ((i == 0 ? x & kUpper : x) != 0) zero = false;
  }
  // An all-zero state would only ever give zeros; the standard engine then sets the top bit.
  if (zero) state_[0] = std::uint64_t{1} << 63;
  next_ = kStateSize;
  unitsReady_ = false;
}

void MersenneTwister64::regenerate() {
  std::uint64_t* x = state_.data();
  for (int k = 0; k < kStateSize - kShift; ++k) x[k] = twist(x[k], x[k + 1], x[k + kShift]);
  for (int k = kStateSize - kShift; k < kStateSize - 1; ++k) {
    x[k] = twist(x[k], x[k + 1], x[k - (kStateSize - kShift)]);
  }
  x[kStateSize - 1] = twist(x[kStateSize - 1], x[0], x[kShift - 1]);
  next_ = 0;
  unitsReady_ = false;
}

void MersenneTwister64::nextUnits(double* out, int n) {
  while (n > 0) {
    if (next_ >= kStateSize) regenerate();
    if (!unitsReady_) makeUnits();
    const int take = std::min(n, kStateSize - next_);
    std::copy_n(units_.begin() + next_, take, out);
    next_ += take;
    out += take;
    n -= take;
  }
}

void MersenneTwister64::makeUnits() {
  // u = top 53 bits as a whole number. Its upper 52 bits and its last bit each become exact
  // doubles through the exponent trick (2^52 + h, minus 2^52), and 2 * high + low is u exactly:
  // no scalar integer conversion in the loop.
  constexpr std::uint64_t kTwoTo52Bits = 0x4330000000000000u;
  for (std::size_t k = 0; k < units_.size(); ++k) {
    const std::uint64_t u = temper(state_[k]) >> 11;
    const double high = __builtin_bit_cast(double, kTwoTo52Bits | (u >> 1)) - 0x1.0p52;
    const double low = __builtin_bit_cast(double, kTwoTo52Bits | (u & 1)) - 0x1.0p52;
    units_[k] = (2.0 * high + low) * 0x1.0p-53;
  }
  unitsReady_ = true;
}

}  // namespace kalmotre
