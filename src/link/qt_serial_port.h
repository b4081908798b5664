// The serial port on QSerialPort: port numbers 1-4 name the machine's first four serial
// devices, and any device path (a USB adapter, a pseudo-terminal) opens as well.
#pragma once

#include <QSerialPort>

#include <string>
#include <vector>

#include "link/serial_port.h"

namespace kol {

struct PortInfo {
  std::string name;         // what --port and the port menu take: "/dev/ttyUSB0", "COM3"
  std::string description;  // "FT232R USB UART"
};

// The serial ports present on this machine.
std::vector<PortInfo> ListSerialPorts();

// "COM1".."COM4" on Windows, "/dev/ttyS0".."/dev/ttyS3" elsewhere.
std::string DeviceForPortNumber(int portNumber);
// The device a port choice opens: the path when there is one, else the numbered port's.
std::string DeviceOfPort(int portNumber, const std::string& devicePath);

// Why a port could not be opened, from the port's error and the system's text, in words a
// user can act on: a port that another program holds is "in use", and a device the user
// may not open says how to get the right to.
std::string OpenFailureText(QSerialPort::SerialPortError error, const QString& systemText);

class QtSerialPort final : public SerialPort {
 public:
  bool OpenNumber(int portNumber) override;
  bool OpenPath(const std::string& devicePath) override;
  void Close() override;
  bool IsOpen() const override { return port_.isOpen(); }
  int BytesWaiting() override;
  std::uint8_t ReadByte() override;
  void DiscardInput() override;
  bool Write(std::span<const std::uint8_t> bytes) override;
  bool WaitForInput(int maxMs) override;
  // Empty once an open has succeeded, until the port fails.
  PortError LastError() const override { return lastError_; }
  std::string SettingsText() const override { return kLineSettings; }

 private:
  // Keeps `error` with its description as the last error; returns false.
  bool Failed(QSerialPort::SerialPortError error);

  QSerialPort port_;
  PortError lastError_;
};

}  // namespace kol
