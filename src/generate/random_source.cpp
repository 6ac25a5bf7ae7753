// The production random source, the scripted one for replays, and the wall clock.
#include "generate/random_source.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <string>

namespace kalmotre {

void EngineRandomSource::seed(double secondsSinceMidnight) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
  seedBits(bits);
}

void EngineRandomSource::seedBits(std::uint64_t bits) {
  engine_.seed(static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32));
}

double EngineRandomSource::draw() {
  return engine_.nextUnit();
}

int EngineRandomSource::drawMany(double* out, int n) {
  engine_.nextUnits(out, n);
  return n;
}

DrawsExhausted::DrawsExhausted(long long used)
    : std::runtime_error("ran out of random numbers after " + std::to_string(used)), used_(used) {}

double ScriptedRandomSource::draw() {
  if (position_ >= draws_.size()) throw DrawsExhausted(static_cast<long long>(draws_.size()));
  return draws_[position_++];
}

}  // namespace kalmotre
