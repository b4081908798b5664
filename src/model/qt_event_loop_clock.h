// The window's clock: a pause runs the event loop, so the window keeps painting and a
// Cancel button keeps answering while the program waits.
#pragma once

#include "model/clock.h"

namespace kol {

class QtEventLoopClock final : public Clock {
 public:
  std::int64_t NowMs() override;
  void SleepMs(int ms) override;
};

}  // namespace kol
