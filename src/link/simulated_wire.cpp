#include "link/simulated_wire.h"

#include <algorithm>

namespace kol {
namespace {

constexpr std::int64_t kBitsPerByte = 10;  // start bit, 8 data bits, stop bit

}  // namespace

SimulatedWire::SimulatedWire(RadioSimulator& radio)
    : radio_(radio),
      byteTimeNs_(radio.Options().baudRate > 0
                      ? kBitsPerByte * 1'000'000'000 / radio.Options().baudRate
                      : 0) {}

void SimulatedWire::FromPc(std::span<const std::uint8_t> bytes, std::int64_t nowNs) {
  for (std::uint8_t byte : bytes) {
    const std::int64_t arrivedNs = std::max(nowNs, pcLineFreeNs_) + byteTimeNs_;
    pcLineFreeNs_ = arrivedNs;
    for (const RadioByte& reply : radio_.Receive(byte)) {
      const std::int64_t sentNs =
          std::max(arrivedNs, radioLineFreeNs_) + reply.delayNs + byteTimeNs_;
      radioLineFreeNs_ = sentNs;
      toPc_.push_back({sentNs, reply.byte});
    }
  }
}

int SimulatedWire::ReadyCount(std::int64_t nowNs) const {
  const auto firstLater = std::find_if(toPc_.begin(), toPc_.end(),
                                       [&](const Arrival& a) { return a.atNs > nowNs; });
  return static_cast<int>(firstLater - toPc_.begin());
}

std::uint8_t SimulatedWire::Take() {
  const std::uint8_t byte = toPc_.front().byte;
  toPc_.pop_front();
  return byte;
}

std::optional<std::int64_t> SimulatedWire::NextArrivalNs() const {
  if (toPc_.empty()) return std::nullopt;
  return toPc_.front().atNs;
}

void SimulatedWire::DiscardArrived(std::int64_t nowNs) {
  while (!toPc_.empty() && toPc_.front().atNs <= nowNs) toPc_.pop_front();
}

void SimulatedWire::DropAll() { toPc_.clear(); }

}  // namespace kol
