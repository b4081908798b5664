#include "link/qt_serial_port.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <memory>
#include <thread>

#include "link/qt_pty_radio.h"

namespace kol {
namespace {

// A pseudo-terminal whose other end goes away stands for a USB adapter pulled out: the
// port reports the failure instead of looking like a radio that is merely silent.
TEST(QtSerialPort, DeviceThatGoesAwayFailsWritesAndWaits) {
  RadioSimulator radio;
  auto pty = std::make_unique<PtyRadio>(radio);
  std::string error;
  ASSERT_TRUE(pty->Open(error)) << error;
  QtSerialPort port;
  ASSERT_TRUE(port.OpenPath(pty->DevicePath())) << port.LastError().description;
  const std::uint8_t probe[] = {'P'};
  {
    std::atomic<bool> stop{false};
    std::thread radioSide([&] { pty->Serve(stop, [] {}); });
    EXPECT_TRUE(port.Write(probe));
    // The wait also returns true when its time is up; the echoed probe must be there.
    EXPECT_TRUE(port.WaitForInput(5000));
    EXPECT_EQ(port.BytesWaiting(), 1);
    EXPECT_EQ(port.ReadByte(), 'P');
    stop = true;
    radioSide.join();
  }

  pty.reset();
  EXPECT_FALSE(port.WaitForInput(1000));
  EXPECT_NE(port.LastError().description, "");
  EXPECT_EQ(port.LastError().number, EIO);
  EXPECT_FALSE(port.Write(probe));
  EXPECT_NE(port.LastError().description, "");
  EXPECT_EQ(port.LastError().number, EIO);
  EXPECT_TRUE(port.IsOpen());  // the program closes it; the system does not
}

TEST(QtSerialPort, MissingDeviceGivesTheSystemsReason) {
  QtSerialPort port;
  EXPECT_FALSE(port.OpenPath("/dev/kolprog-no-such-port"));
  EXPECT_NE(port.LastError().description.find("No such file"), std::string::npos)
      << port.LastError().description;
  // The error log takes the system's number, as for a file.
  EXPECT_EQ(port.LastError().number, ENOENT);
  const std::uint8_t probe[] = {'P'};
  EXPECT_FALSE(port.Write(probe));
  EXPECT_EQ(port.LastError().description, "The port is not open");
  EXPECT_EQ(port.LastError().number, EBADF);
}

// The lock file the port takes stands for any other program that holds the port.
TEST(QtSerialPort, PortHeldByAnotherProgramIsInUse) {
  RadioSimulator radio;
  PtyRadio pty(radio);
  std::string error;
  ASSERT_TRUE(pty.Open(error)) << error;
  QtSerialPort first;
  ASSERT_TRUE(first.OpenPath(pty.DevicePath())) << first.LastError().description;
  QtSerialPort second;
  EXPECT_FALSE(second.OpenPath(pty.DevicePath()));
  EXPECT_EQ(second.LastError().description, "it is in use by another program");
}

TEST(QtSerialPort, OpenFailureTexts) {
  struct Case {
    QSerialPort::SerialPortError error;
    const char* system;
    const char* text;  // the start of the text
  };
  const Case cases[] = {
      {QSerialPort::PermissionError, "Permission error while locking the device",
       "it is in use by another program"},
      {QSerialPort::PermissionError, "Device or resource busy", "it is in use by another program"},
      {QSerialPort::PermissionError, "Permission denied",
       "Permission denied (serial ports belong to the group 'dialout'"},
      {QSerialPort::DeviceNotFoundError, "No such file or directory", "No such file or directory"},
  };
  for (const Case& c : cases) {
    const std::string text = OpenFailureText(c.error, QString::fromLatin1(c.system));
    EXPECT_EQ(text.rfind(c.text, 0), 0u) << c.system << " -> " << text;
  }
}

}  // namespace
}  // namespace kol
