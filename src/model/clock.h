// Time as the program sees it: a monotonic millisecond clock and a sleep. Tests use a
// virtual clock, so a ten-second time-out costs no real time.
#pragma once

#include <cstdint>

namespace kol {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t NowMs() = 0;
  virtual void SleepMs(int ms) = 0;
};

// The machine's steady clock.
class SystemClock final : public Clock {
 public:
  std::int64_t NowMs() override;
  void SleepMs(int ms) override;
};

}  // namespace kol
