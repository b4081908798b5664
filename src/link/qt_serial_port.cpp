#include "link/qt_serial_port.h"

#include <QElapsedTimer>
#include <QSerialPortInfo>
#include <QThread>

#include <cerrno>
#include <cstring>

namespace kol {
namespace {

constexpr int kWriteTimeoutMs = 1000;

// What failed, in words, and whether the system's own text says more. A read that ends
// because the device hung up carries whatever the system said last, which is unrelated
// ("Inappropriate ioctl for device").
struct FailureText {
  QSerialPort::SerialPortError error;
  const char* text;
  bool withSystemText;
};

constexpr FailureText kFailureTexts[] = {
    {QSerialPort::ReadError, "Error reading from the device", false},
    {QSerialPort::WriteError, "Error writing to the device", true},
    {QSerialPort::ResourceError, "The device disappeared", true},
    {QSerialPort::NotOpenError, "The port is not open", false},
    {QSerialPort::TimeoutError, "The device took no bytes", true},
};

// The system's error number of each kind of failure, for the error log, where the system's
// text does not name one.
struct ErrorNumber {
  QSerialPort::SerialPortError error;
  int number;
};

constexpr ErrorNumber kErrorNumbers[] = {
    {QSerialPort::DeviceNotFoundError, ENOENT}, {QSerialPort::PermissionError, EACCES},
    {QSerialPort::OpenError, EBUSY},            {QSerialPort::NotOpenError, EBADF},
    {QSerialPort::WriteError, EIO},             {QSerialPort::ReadError, EIO},
    {QSerialPort::ResourceError, EIO},          {QSerialPort::TimeoutError, ETIMEDOUT},
    {QSerialPort::UnsupportedOperationError, EOPNOTSUPP},
};

// The error log wants the system's number, and Qt keeps only its kind of error and the
// system's text: the number is the one whose text that is, else the kind's usual cause.
int SystemErrorNumber(QSerialPort::SerialPortError error, const std::string& systemText) {
  constexpr int kLastErrorNumber = 255;
  for (int number = 1; number <= kLastErrorNumber && !systemText.empty(); ++number) {
    if (systemText == std::strerror(number)) return number;
  }
  for (const ErrorNumber& entry : kErrorNumbers) {
    if (entry.error == error) return entry.number;
  }
  return EIO;
}

// True for the errors after which the port no longer works; a wait that merely timed out
// is not one of them.
bool IsPortFailure(QSerialPort::SerialPortError error) {
  return error == QSerialPort::ReadError || error == QSerialPort::WriteError ||
         error == QSerialPort::ResourceError;
}

// The texts QSerialPort gives (untranslated) for a port that another program holds: its
// lock file is taken, or the device is open for exclusive use.
const QString kLockedText = QStringLiteral("Permission error while locking the device");
const QString kBusyText = QString::fromLocal8Bit(std::strerror(EBUSY));
const QString kAccessText = QString::fromLocal8Bit(std::strerror(EACCES));

}  // namespace

std::string OpenFailureText(QSerialPort::SerialPortError error, const QString& systemText) {
  if (error != QSerialPort::PermissionError) return systemText.toStdString();
  if (systemText == kLockedText || systemText == kBusyText) {
    return "it is in use by another program";
  }
#ifdef Q_OS_LINUX
  if (systemText == kAccessText) {
    return systemText.toStdString() +
           " (serial ports belong to the group 'dialout': add your user to it with "
           "'sudo usermod -aG dialout $USER', then log in again)";
  }
#endif
  return systemText.toStdString();
}

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

std::string DeviceOfPort(int portNumber, const std::string& devicePath) {
  return devicePath.empty() ? DeviceForPortNumber(portNumber) : devicePath;
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
    port_.clearError();
    lastError_ = {};
    return true;
  }
  const QString system = port_.errorString();
  // Another program's lock on the port is a busy device, whatever Qt calls it.
  const int number =
      system == kLockedText ? EBUSY : SystemErrorNumber(port_.error(), system.toStdString());
  lastError_ = {number, OpenFailureText(port_.error(), system)};
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
  if (!port_.isOpen()) return Failed(QSerialPort::NotOpenError);
  port_.clearError();
  const auto size = static_cast<qint64>(bytes.size());
  if (port_.write(reinterpret_cast<const char*>(bytes.data()), size) == size &&
      (port_.waitForBytesWritten(kWriteTimeoutMs) || port_.bytesToWrite() == 0)) {
    return true;
  }
  return Failed(port_.error() == QSerialPort::NoError ? QSerialPort::WriteError : port_.error());
}

// A port that returns at once without input still waits out the time, so that the receive
// loop never spins.
bool QtSerialPort::WaitForInput(int maxMs) {
  if (!port_.isOpen()) return Failed(QSerialPort::NotOpenError);
  if (port_.bytesAvailable() > 0) return true;
  QElapsedTimer timer;
  timer.start();
  port_.clearError();
  if (port_.waitForReadyRead(maxMs)) return true;
  if (IsPortFailure(port_.error())) return Failed(port_.error());
  const qint64 left = maxMs - timer.elapsed();
  if (left > 0) QThread::msleep(static_cast<unsigned long>(left));
  return true;
}

bool QtSerialPort::Failed(QSerialPort::SerialPortError error) {
  const std::string system = port_.errorString().toStdString();
  std::string description = system;
  std::string systemText = system;
  for (const FailureText& failure : kFailureTexts) {
    if (failure.error != error) continue;
    description = failure.text;
    if (failure.withSystemText && port_.error() == error) {
      description += " (" + system + ")";
    } else {
      systemText.clear();  // unrelated to this failure
    }
  }
  lastError_ = {SystemErrorNumber(error, systemText), description};
  return false;
}

}  // namespace kol
