// The transfer dialog's bar over one press of OK, which may run in phases (programming, then
// the read-back that verifies it, share one bar), and the estimate of the time left.
#pragma once

#include <cstdint>
#include <string>

#include "model/clock.h"

namespace kol::editor {

// The part of the bar a phase fills: from `offset` on, `share` per cent of it.
struct ProgressPhase {
  int offset = 0;
  int share = 100;
};

class TransferProgress {
 public:
  explicit TransferProgress(Clock& clock) : clock_(clock) {}

  // A new press of OK: the bar is at 0 and no time has been measured.
  void Begin(ProgressPhase first);
  void EnterPhase(ProgressPhase phase) { phase_ = phase; }
  // The running operation's own percentage of its phase; returns the bar's value. Within
  // one press the bar never goes back (each walk starts at its own 0).
  int Report(int percent);
  int Value() const { return value_; }
  // "About 40 s left" once the first blocks have gone and a second has passed; else empty.
  std::string TimeLeft() const;

 private:
  Clock& clock_;
  ProgressPhase phase_;
  int value_ = 0;
  bool timing_ = false;
  std::int64_t startMs_ = 0;
  int startValue_ = 0;
};

// The estimate in words: "About 8 s left", "About 35 s left", "About 1 min 5 s left".
std::string TimeLeftText(std::int64_t remainingMs);

}  // namespace kol::editor
