#include "link/qt_serial_port.h"

#include <QElapsedTimer>
#include <QSerialPortInfo>
#include <QThread>

namespace kol {
namespace {

constexpr int kWriteTimeoutMs = 1000;

}  // namespace

std::vector<PortInfo> ListSerialPorts() {
  std::vector<PortInfo> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    ports.push_back({info.systemLocation().toStdString(), info.description().toStdString()});
  }
  return ports;
}

std::string DeviceForPortNumber(int portNumber) {
#ifdef Q_OS_WIN
  return "COM" + std::to_string(portNumber);
#else
  return "/dev/ttyS" + std::to_string(portNumber - 1);
#endif
}

bool QtSerialPort::OpenNumber(int portNumber) { return OpenPath(DeviceForPortNumber(portNumber)); }

// Flow control, DTR and RTS stay at the port's defaults.
bool QtSerialPort::OpenPath(const std::string& devicePath) {
  port_.setPortName(QString::fromStdString(devicePath));
  port_.setBaudRate(kBaudRate);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  if (port_.open(QIODevice::ReadWrite)) {
    lastError_ = {};
    return true;
  }
  lastError_ = {static_cast<int>(port_.error()), port_.errorString().toStdString()};
  return false;
}

void QtSerialPort::Close() { port_.close(); }

int QtSerialPort::BytesWaiting() {
  if (!port_.isOpen()) return 0;
  // Without an event loop the port's buffer fills only when asked to look.
  if (port_.bytesAvailable() == 0) port_.waitForReadyRead(0);
  return static_cast<int>(port_.bytesAvailable());
}

std::uint8_t QtSerialPort::ReadByte() {
  char byte = 0;
  port_.getChar(&byte);
  return static_cast<std::uint8_t>(byte);
}

void QtSerialPort::DiscardInput() {
  if (port_.isOpen()) port_.clear(QSerialPort::Input);
}

bool QtSerialPort::Write(std::span<const std::uint8_t> bytes) {
  if (!port_.isOpen()) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (port_.write(reinterpret_cast<const char*>(bytes.data()), size) != size) return false;
  return port_.waitForBytesWritten(kWriteTimeoutMs) || port_.bytesToWrite() == 0;
}

// A port that fails at once (closed, or a device unplugged) still waits out the time, so
// that the receive loop never spins.
void QtSerialPort::WaitForInput(int maxMs) {
  if (port_.isOpen() && port_.bytesAvailable() > 0) return;
  QElapsedTimer timer;
  timer.start();
  if (port_.isOpen() && port_.waitForReadyRead(maxMs)) return;
  const qint64 left = maxMs - timer.elapsed();
  if (left > 0) QThread::msleep(static_cast<unsigned long>(left));
}

}  // namespace kol
