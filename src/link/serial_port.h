// The serial port as the link needs it: open at 4800,N,8,1, poll and take received bytes
// one by one, discard input, transmit, and wait a bounded time for input to arrive.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kol {

// Why the platform refused an operation: the system's error number (errno) and a
// description.
struct PortError {
  int number = 0;
  std::string description;
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Open port number 1-4, or a device path, with the line settings 4800,N,8,1.
  virtual bool OpenNumber(int portNumber) = 0;
  virtual bool OpenPath(const std::string& devicePath) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  virtual int BytesWaiting() = 0;
  // Takes one waiting byte; call only when BytesWaiting() is above 0.
  virtual std::uint8_t ReadByte() = 0;
  virtual void DiscardInput() = 0;
  // False when the port refused the bytes (closed, or its device gone).
  virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
  // Returns once a byte is waiting or `maxMs` milliseconds have passed; false when the port
  // itself failed meanwhile (an unplugged adapter).
  virtual bool WaitForInput(int maxMs) = 0;

  // The last failure of an open, a write or a wait, and the line settings as text
  // ("4800,N,8,1").
  virtual PortError LastError() const = 0;
  virtual std::string SettingsText() const = 0;
};

inline constexpr const char* kLineSettings = "4800,N,8,1";
inline constexpr int kBaudRate = 4800;

}  // namespace kol
