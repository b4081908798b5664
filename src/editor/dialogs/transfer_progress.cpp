#include "editor/dialogs/transfer_progress.h"

#include <algorithm>

namespace kol::editor {
namespace {

// An estimate from fewer blocks or less time than this jumps about too much to be shown.
constexpr int kFirstBlocksPercent = 2;
constexpr std::int64_t kFirstBlocksMs = 1000;

}  // namespace

void TransferProgress::Begin(ProgressPhase first) {
  phase_ = first;
  value_ = 0;
  timing_ = false;
}

int TransferProgress::Report(int percent) {
  const int mapped = phase_.offset + std::clamp(percent, 0, 100) * phase_.share / 100;
  value_ = std::max(value_, std::min(mapped, 100));
  if (!timing_) {
    // The clock starts with the first block walk, after the link set-up and the checks.
    timing_ = true;
    startMs_ = clock_.NowMs();
    startValue_ = value_;
  }
  return value_;
}

std::string TransferProgress::TimeLeft() const {
  if (!timing_) return {};
  const int done = value_ - startValue_;
  const std::int64_t elapsed = clock_.NowMs() - startMs_;
  if (done < kFirstBlocksPercent || elapsed < kFirstBlocksMs) return {};
  return TimeLeftText(elapsed * (100 - value_) / done);
}

std::string TimeLeftText(std::int64_t remainingMs) {
  std::int64_t seconds = (std::max<std::int64_t>(remainingMs, 0) + 999) / 1000;
  // Beyond ten seconds the estimate is not worth more than steps of five.
  if (seconds > 10) seconds = (seconds + 2) / 5 * 5;
  if (seconds < 60) return "About " + std::to_string(std::max<std::int64_t>(seconds, 1)) + " s left";
  const std::int64_t minutes = seconds / 60;
  const std::int64_t rest = seconds % 60;
  return "About " + std::to_string(minutes) + " min" +
         (rest > 0 ? " " + std::to_string(rest) + " s" : std::string()) + " left";
}

}  // namespace kol::editor
