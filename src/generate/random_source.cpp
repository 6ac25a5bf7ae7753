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

double SystemClock::secondsSinceMidnight() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const auto fraction = duration_cast<microseconds>(now.time_since_epoch()) % seconds(1);
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
         static_cast<double>(fraction.count()) / 1e6;
}

}  // namespace kalmotre
