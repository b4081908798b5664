#include "link/qt_serial_port.h"

#include <gtest/gtest.h>

#include <memory>

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
  EXPECT_TRUE(port.Write(probe));
  EXPECT_TRUE(port.WaitForInput(0));

  pty.reset();
  EXPECT_FALSE(port.WaitForInput(1000));
  EXPECT_NE(port.LastError().description, "");
  EXPECT_FALSE(port.Write(probe));
  EXPECT_NE(port.LastError().description, "");
  EXPECT_TRUE(port.IsOpen());  // the program closes it; the system does not
}

TEST(QtSerialPort, MissingDeviceGivesTheSystemsReason) {
  QtSerialPort port;
  EXPECT_FALSE(port.OpenPath("/dev/kolprog-no-such-port"));
  EXPECT_NE(port.LastError().description.find("No such file"), std::string::npos)
      << port.LastError().description;
  const std::uint8_t probe[] = {'P'};
  EXPECT_FALSE(port.Write(probe));
  EXPECT_EQ(port.LastError().description, "The port is not open");
}

}  // namespace
}  // namespace kol
