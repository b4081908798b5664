#include "link/memory_serial_port.h"

#include <algorithm>

namespace kol {

bool MemorySerialPort::Open() {
  if (opensBeforeFailure >= 0 && openCount >= opensBeforeFailure) {
    lastError_ = {2, "No such file or directory"};
    return false;
  }
  ++openCount;
  open_ = true;
  return true;
}

bool MemorySerialPort::OpenNumber(int) { return Open(); }

bool MemorySerialPort::OpenPath(const std::string&) { return Open(); }

void MemorySerialPort::Close() {
  open_ = false;
  wire_.DropAll();
}

int MemorySerialPort::BytesWaiting() { return open_ ? wire_.ReadyCount(NowNs()) : 0; }

void MemorySerialPort::DiscardInput() { wire_.DiscardArrived(NowNs()); }

bool MemorySerialPort::Write(std::span<const std::uint8_t> bytes) {
  if (!open_) return false;
  wire_.FromPc(bytes, NowNs());
  return true;
}

void MemorySerialPort::WaitForInput(int maxMs) {
  if (BytesWaiting() > 0) return;
  int waitMs = maxMs;
  if (const std::optional<std::int64_t> next = wire_.NextArrivalNs(); next && open_) {
    const std::int64_t untilNs = *next - NowNs();
    waitMs = static_cast<int>(std::min<std::int64_t>(maxMs, (untilNs + 999'999) / 1'000'000));
  }
  clock_.SleepMs(waitMs);
}

}  // namespace kol
