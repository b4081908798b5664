// The serial cable between the PC and the simulated radio: bytes travel one after the
// other at the radio's baud rate, so replies arrive when a real radio's would.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>

#include "link/radio_simulator.h"

namespace kol {

class SimulatedWire {
 public:
  explicit SimulatedWire(RadioSimulator& radio);

  // The PC transmits `bytes` at `nowNs` (any monotonic nanosecond scale).
  void FromPc(std::span<const std::uint8_t> bytes, std::int64_t nowNs);
  // Bytes for the PC that have fully arrived by `nowNs`.
  int ReadyCount(std::int64_t nowNs) const;
  // Takes the oldest arrived byte; call only when ReadyCount() is above 0.
  std::uint8_t Take();
  // When the next byte for the PC arrives, if one is on its way.
  std::optional<std::int64_t> NextArrivalNs() const;
  void DiscardArrived(std::int64_t nowNs);
  // The PC's port closed: whatever was on its way to it is lost.
  void DropAll();

 private:
  struct Arrival {
    std::int64_t atNs;
    std::uint8_t byte;
  };
  RadioSimulator& radio_;
  std::int64_t byteTimeNs_;
  std::int64_t pcLineFreeNs_ = 0;
  std::int64_t radioLineFreeNs_ = 0;
  std::deque<Arrival> toPc_;
};

}  // namespace kol
