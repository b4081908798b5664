// Ctrl+C (or a termination request) while a command talks to the radio: the first one is
// noted for the command to act on, a second one ends the program at once.
#pragma once

#include <atomic>

namespace kol::cli {

class InterruptGuard {
 public:
  InterruptGuard();   // catches SIGINT and SIGTERM
  ~InterruptGuard();  // puts the previous handlers back
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

  bool Interrupted() const { return Flag().load(); }
  static const std::atomic<bool>& Flag();
};

}  // namespace kol::cli
