#include "link/tracing_serial_port.h"

#include <gtest/gtest.h>

#include <sstream>

#include "link_rig.h"

namespace kol::test {
namespace {

TEST(TracingSerialPortTest, WritesEveryByteBothWaysWithTimeStamps) {
  LinkRig rig;
  std::ostringstream trace;
  TracingSerialPort tracing(rig.port, rig.clock, trace);
  Link link({tracing, rig.clock, rig.host, rig.errorLog}, rig.context, rig.document);
  ASSERT_TRUE(link.LinkSetup());
  link.PortClose();
  const std::string text = trace.str();
  EXPECT_NE(text.find("       0 ms -- open port 1 4800,N,8,1\n"), std::string::npos) << text;
  EXPECT_NE(text.find("      10 ms -> 50  P\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" ms <- 50  P\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" ms -> 41 43 4D 44 3A 30 30 32 0D 0A  ACMD:002..\n"), std::string::npos);
  EXPECT_NE(text.find(" ms <- 23 43 4D 44 4F 4B 0D 0A  #CMDOK..\n"), std::string::npos);
  EXPECT_NE(text.find(" ms -- close\n"), std::string::npos);
}

}  // namespace
}  // namespace kol::test
