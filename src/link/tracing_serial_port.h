// A serial port that writes every byte sent and received, with a millisecond time stamp,
// to a text stream: what anyone asks for first when a cable misbehaves.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "model/clock.h"

namespace kol {

// Every line is flushed as it is written, so that the trace is complete up to the moment
// the program stopped, however it stopped.
class TracingSerialPort final : public SerialPort {
 public:
  TracingSerialPort(SerialPort& port, Clock& clock, std::ostream& out);
  ~TracingSerialPort() override;

  bool OpenNumber(int portNumber) override;
  bool OpenPath(const std::string& devicePath) override;
  void Close() override;
  bool IsOpen() const override { return port_.IsOpen(); }
  int BytesWaiting() override { return port_.BytesWaiting(); }
  std::uint8_t ReadByte() override;
  void DiscardInput() override;
  bool Write(std::span<const std::uint8_t> bytes) override;
  bool WaitForInput(int maxMs) override;
  PortError LastError() const override { return port_.LastError(); }
  std::string SettingsText() const override { return port_.SettingsText(); }

 private:
  // Received bytes are gathered into one line while they follow each other closely.
  void FlushReceived();
  void Line(std::int64_t atMs, std::string_view direction, std::span<const std::uint8_t> bytes);
  void Note(const std::string& text);
  bool Opened(bool opened, const std::string& what);
  // Notes a failure of the port itself and passes the result on.
  bool Checked(bool ok, std::string_view what);

  SerialPort& port_;
  Clock& clock_;
  std::ostream& out_;
  std::int64_t startMs_;
  std::vector<std::uint8_t> received_;
  std::int64_t receivedAtMs_ = 0;
  std::int64_t lastReceivedMs_ = 0;
};

}  // namespace kol
