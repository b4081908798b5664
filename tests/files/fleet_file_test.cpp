#include "files/fleet_file.h"

#include <gtest/gtest.h>

namespace kol {
namespace {

TEST(FleetFile, ReadsOneRadioPerLine) {
  // As a spreadsheet saves it: a byte-order mark, CR LF, a header in its own letter case,
  // blanks around cells, a quoted device path and a line without its last cells.
  const Fleet fleet = ReadFleet(
      "\xEF\xBB\xBFport, user mmsi ,ATIS CODE\r\n"
      "/dev/ttyUSB0,366123456,9211234567\r\n"
      "\r\n"
      " 2 ,,9211234568\r\n"
      "\"/dev/serial/by-id/usb-FTDI,1\",366123457,\r\n"
      "/dev/ttyUSB3\r\n");
  ASSERT_TRUE(fleet.problems.empty()) << fleet.problems.front().text;
  ASSERT_EQ(fleet.radios.size(), 4u);
  EXPECT_EQ(fleet.radios[0].line, 2);
  EXPECT_EQ(fleet.radios[0].portChoice, (PortChoice{1, "/dev/ttyUSB0"}));
  EXPECT_EQ(fleet.radios[0].userMmsi, "366123456");
  EXPECT_EQ(fleet.radios[0].atisCode, "9211234567");
  EXPECT_EQ(fleet.radios[1].line, 4);
  EXPECT_EQ(fleet.radios[1].portChoice, (PortChoice{2, ""}));
  EXPECT_EQ(fleet.radios[1].userMmsi, "");  // the radio keeps its own
  EXPECT_EQ(fleet.radios[2].port, "/dev/serial/by-id/usb-FTDI,1");
  EXPECT_EQ(fleet.radios[2].atisCode, "");
  EXPECT_EQ(fleet.radios[3].port, "/dev/ttyUSB3");
  EXPECT_EQ(fleet.radios[3].userMmsi + fleet.radios[3].atisCode, "");
}

TEST(FleetFile, EveryProblemIsNamedWithItsLine) {
  constexpr const char* kHeader = "Port,User MMSI,Atis Code\n";
  struct Case {
    std::string text;
    int line;
    std::string problem;
  };
  const Case cases[] = {
      {"", 1, "the first line must be Port,User MMSI,Atis Code"},
      {"Port,MMSI\n1,366123456\n", 1, "the first line must be Port,User MMSI,Atis Code"},
      {kHeader, 1, "lists no radio"},
      {std::string(kHeader) + "1,366123456,9211234567,x\n", 2,
       "has 4 cells; a line holds Port,User MMSI,Atis Code"},
      {std::string(kHeader) + ",366123456,\n", 2, "names no port"},
      {std::string(kHeader) + "5,366123456,\n", 2, "port '5': a port is 1-4 or a device path"},
      // A spreadsheet that took the MMSI for a number drops its leading zero.
      {std::string(kHeader) + "1,36612345,\n", 2,
       "User MMSI '36612345': takes nine digits, or nothing to keep the radio's own"},
      {std::string(kHeader) + "1,3661234S6,\n", 2,
       "User MMSI '3661234S6': takes nine digits, or nothing to keep the radio's own"},
      {std::string(kHeader) + "1,,921123456\n", 2,
       "Atis Code '921123456': takes ten digits, or nothing to keep the radio's own"},
      {std::string(kHeader) + "1,366123456,\n2,366123456,\n", 3,
       "User MMSI 366123456 is on line 2 already: two radios would answer as one station"},
      {std::string(kHeader) + "1,,9211234567\n\n2,,9211234567\n", 4,
       "Atis Code 9211234567 is on line 2 already: two radios would answer as one station"},
      {std::string(kHeader) + "\"/dev/ttyUSB0,366123456,\n", 2, "a quoted value is not closed"},
  };
  for (const Case& c : cases) {
    const Fleet fleet = ReadFleet(c.text);
    ASSERT_EQ(fleet.problems.size(), 1u) << c.text;
    EXPECT_EQ(fleet.problems[0].line, c.line) << c.text;
    EXPECT_EQ(fleet.problems[0].text, c.problem) << c.text;
  }
}

}  // namespace
}  // namespace kol
