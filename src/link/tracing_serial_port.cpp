#include "link/tracing_serial_port.h"

#include <iomanip>

#include "link/frame.h"

namespace kol {
namespace {

// Bytes further apart than this start a new received line.
constexpr std::int64_t kGapMs = 10;

std::string Printable(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (std::uint8_t b : bytes) text += (b >= 0x20 && b < 0x7F) ? static_cast<char>(b) : '.';
  return text;
}

}  // namespace

TracingSerialPort::TracingSerialPort(SerialPort& port, Clock& clock, std::ostream& out)
    : port_(port), clock_(clock), out_(out), startMs_(clock.NowMs()) {}

TracingSerialPort::~TracingSerialPort() { FlushReceived(); }

bool TracingSerialPort::OpenNumber(int portNumber) {
  return Opened(port_.OpenNumber(portNumber), "port " + std::to_string(portNumber));
}

bool TracingSerialPort::OpenPath(const std::string& devicePath) {
  return Opened(port_.OpenPath(devicePath), devicePath);
}

bool TracingSerialPort::Opened(bool opened, const std::string& what) {
  FlushReceived();
  if (opened) {
    Note("open " + what + " " + port_.SettingsText());
  } else {
    const PortError error = port_.LastError();
    Note("cannot open " + what + ": " + error.description);
  }
  return opened;
}

void TracingSerialPort::Close() {
  FlushReceived();
  port_.Close();
  Note("close");
}

std::uint8_t TracingSerialPort::ReadByte() {
  const std::uint8_t byte = port_.ReadByte();
  const std::int64_t now = clock_.NowMs();
  if (!received_.empty() && now - lastReceivedMs_ > kGapMs) FlushReceived();
  if (received_.empty()) receivedAtMs_ = now;
  received_.push_back(byte);
  lastReceivedMs_ = now;
  return byte;
}

void TracingSerialPort::DiscardInput() {
  FlushReceived();
  std::vector<std::uint8_t> dropped;
  while (port_.BytesWaiting() > 0) dropped.push_back(port_.ReadByte());
  if (!dropped.empty()) Line(clock_.NowMs(), "<x", dropped);
  port_.DiscardInput();
}

bool TracingSerialPort::Write(std::span<const std::uint8_t> bytes) {
  FlushReceived();
  Line(clock_.NowMs(), "->", bytes);
  return Checked(port_.Write(bytes), "write");
}

bool TracingSerialPort::WaitForInput(int maxMs) {
  return Checked(port_.WaitForInput(maxMs), "wait for input");
}

bool TracingSerialPort::Checked(bool ok, std::string_view what) {
  if (!ok) {
    FlushReceived();
    const PortError error = port_.LastError();
    Note(std::string(what) + " failed: " + std::to_string(error.number) + " " + error.description);
  }
  return ok;
}

void TracingSerialPort::FlushReceived() {
  if (received_.empty()) return;
  Line(receivedAtMs_, "<-", received_);
  received_.clear();
}

void TracingSerialPort::Line(std::int64_t atMs, std::string_view direction,
                             std::span<const std::uint8_t> bytes) {
  out_ << std::setw(9) << atMs - startMs_ << " ms " << direction << ' ';
  for (std::uint8_t b : bytes) out_ << HexLength(b) << ' ';
  out_ << ' ' << Printable(bytes) << std::endl;
}

void TracingSerialPort::Note(const std::string& text) {
  out_ << std::setw(9) << clock_.NowMs() - startMs_ << " ms -- " << text << std::endl;
}

}  // namespace kol
