// The local wall clock as seconds since midnight.
#include "generate/clock.h"

#include <chrono>
#include <ctime>

namespace kalmotre {

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
