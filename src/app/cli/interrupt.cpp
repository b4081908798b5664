#include "app/cli/interrupt.h"

#include <csignal>

namespace kol::cli {
namespace {

// A signal handler can reach nothing but a lock-free flag of static storage.
std::atomic<bool> gInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

struct sigaction gPreviousInt;
struct sigaction gPreviousTerm;

extern "C" void OnInterrupt(int) { gInterrupted.store(true); }

}  // namespace

InterruptGuard::InterruptGuard() {
  gInterrupted.store(false);
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;  // the second Ctrl+C is not caught
  sigaction(SIGINT, &action, &gPreviousInt);
  sigaction(SIGTERM, &action, &gPreviousTerm);
}

InterruptGuard::~InterruptGuard() {
  sigaction(SIGINT, &gPreviousInt, nullptr);
  sigaction(SIGTERM, &gPreviousTerm, nullptr);
}

const std::atomic<bool>& InterruptGuard::Flag() { return gInterrupted; }

}  // namespace kol::cli
