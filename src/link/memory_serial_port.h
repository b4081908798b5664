// A serial port whose other end is the simulated radio, on any clock: on the virtual clock
// of the tests a ten-second time-out costs no real time.
#pragma once

#include "link/serial_port.h"
#include "link/simulated_wire.h"
#include "model/clock.h"

namespace kol {

class MemorySerialPort final : public SerialPort {
 public:
  MemorySerialPort(SimulatedWire& wire, Clock& clock) : wire_(wire), clock_(clock) {}

  bool OpenNumber(int portNumber) override;
  bool OpenPath(const std::string& devicePath) override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  int BytesWaiting() override;
  std::uint8_t ReadByte() override { return wire_.Take(); }
  void DiscardInput() override;
  bool Write(std::span<const std::uint8_t> bytes) override;
  bool WaitForInput(int maxMs) override;
  PortError LastError() const override { return lastError_; }
  std::string SettingsText() const override { return kLineSettings; }

  // After this many successful opens every further open fails (-1: never).
  int opensBeforeFailure = -1;
  int openCount = 0;
  // The adapter is pulled out: from now on the port fails every write, wait and open.
  void Unplug() { unplugged_ = true; }

 private:
  bool Open();
  bool Fail(PortError error);
  std::int64_t NowNs() { return clock_.NowMs() * 1'000'000; }

  SimulatedWire& wire_;
  Clock& clock_;
  bool open_ = false;
  bool unplugged_ = false;
  PortError lastError_;
};

}  // namespace kol
