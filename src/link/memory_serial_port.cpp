#include "link/memory_serial_port.h"

#include <algorithm>

namespace kol {

namespace {

const PortError kNoDevice{2, "No such file or directory"};
const PortError kDeviceGone{5, "Input/output error"};
const PortError kNotOpen{9, "Bad file descriptor"};

}  // namespace

bool MemorySerialPort::Fail(PortError error) {
  lastError_ = std::move(error);
  return false;
}

bool MemorySerialPort::Open() {
  if (unplugged_ || (opensBeforeFailure >= 0 && openCount >= opensBeforeFailure)) {
    return Fail(kNoDevice);
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

int MemorySerialPort::BytesWaiting() {
  return open_ && !unplugged_ ? wire_.ReadyCount(NowNs()) : 0;
}

void MemorySerialPort::DiscardInput() { wire_.DiscardArrived(NowNs()); }

bool MemorySerialPort::Write(std::span<const std::uint8_t> bytes) {
  if (!open_) return Fail(kNotOpen);
  if (unplugged_) return Fail(kDeviceGone);
  wire_.FromPc(bytes, NowNs());
  return true;
}

// A failed wait still takes its time, so that a caller that ignored the failure would not
// spin on the virtual clock.
bool MemorySerialPort::WaitForInput(int maxMs) {
  if (!open_ || unplugged_) {
    clock_.SleepMs(maxMs);
    return Fail(open_ ? kDeviceGone : kNotOpen);
  }
  if (BytesWaiting() > 0) return true;
  int waitMs = maxMs;
  if (const std::optional<std::int64_t> next = wire_.NextArrivalNs(); next && open_) {
    const std::int64_t untilNs = *next - NowNs();
    waitMs = static_cast<int>(std::min<std::int64_t>(maxMs, (untilNs + 999'999) / 1'000'000));
  }
  clock_.SleepMs(waitMs);
  return true;
}

}  // namespace kol
