#include "files/dat_text.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/default_document.h"
#include "model/value_tables.h"

namespace kol {
namespace {

std::string CrLf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

ModelProfile FullProfile() {
  ModelProfile profile;
  profile.atis = profile.weather = profile.weatherAlert = true;
  return profile;
}

// Everything up to the first directory section, for a model whose plans are empty.
constexpr std::string_view kHead = R"([MAIN]
MODEL=#LZ3300T
TYPE=#KOL
VERSION=#1.00
MODELTYPE=1
[Usable CH Group Setup]
Group1=0
Group2=1
Group3=0
Exp CH=0
Priority CH 0=0
Priority CH 1=5
Priority CH 2=0
Priority CH 3=0
Status name 0=
Status name 1=AB
Status name 2=
Status name 3=
Exp Ch Group 0=False
Exp Ch Group 1=True
Exp Ch Group 2=False
[Common Setup]
Starting Channel Mode=1
Channel No=0
TX Po Display=2
SCAN=1
Resume Time=0
PTT SCAN Clear=0
Offset Time=-3
Time Display=0
Weater=1
[DSC Setup (Basic Setup)]
Group1=0
Group2=0
Group3=1
User MMSI=#123
BeepOut0=0
BeepOut1=0
BeepOut2=0
BeepOut3=0
BeepOut4=0
BeepOut5=0
BeepOut6=0
BeepOut7=1
EXP=1
Distress Cancel Call=0
[DSC Setup (Advanced Setup)]
All Ships Call0=0
All Ships CallTX0=0
All Ships Call1=0
All Ships CallTX1=0
All Ships Call2=0
All Ships CallTX2=0
All Ships Call3=0
All Ships CallTX3=0
Group Call0=0
Group CallTX0=0
Group Call1=0
Group CallTX1=0
Group Call2=1
Group CallTX2=0
Group Call3=0
Group CallTX3=0
Individual Call0=0
Individual CallTX0=0
Individual Call1=0
Individual CallTX1=0
Individual Call2=0
Individual CallTX2=0
Individual Call3=0
Individual CallTX3=1
PosRequest0=0
PosRequestTX0=0
PosRequest1=0
PosRequestTX1=0
PosRequest2=0
PosRequestTX2=0
PosRequest3=0
PosRequestTX3=0
PosReport0=0
PosReportTX0=0
PosReport1=0
PosReportTX1=0
PosReport2=0
PosReportTX2=0
PosReport3=0
PosReportTX3=0
[DSC Setup (Display Setup)]
Individual ACK Menu=0
Individual ACK Message Menu=1
POS Request ACK Menu=0
[DSC Setup (AutoPos Setup)]
MENUDISPLAY=1
ENABLE0=0
CHANNEL0=0
INTERVAL0=0
SELECTCALL0=0
LASTADDRESS0=0
RCENABLE0=0
MMSI0=
ENABLE1=1
CHANNEL1=EXP
INTERVAL1=3
SELECTCALL1=1
LASTADDRESS1=48
RCENABLE1=1
MMSI1=987654321
[ATIS Setup]
Usable ATIS CH Group0=0
Usable ATIS CH Group1=0
Usable ATIS CH Group2=0
Usable ATIS CH Group3=1
Atis Code=# 9
[CHMMSID1]
)";

TEST(FormatSettingsText, WritesTheSectionsKeysAndValueFormsInOrder) {
  SettingsModel model;
  model.usable.group[1] = {true, -5, "AB"};
  model.usable.expChGroup[1] = true;
  model.common = {1, 0, -2, true, 0, false, -3, false, -1};
  model.dscBasic.usableGroup[2] = true;
  model.dscBasic.usableGroup[kExpGroup] = true;
  model.dscBasic.userMmsi = "123";
  model.dscBasic.beepOut[7] = true;
  model.dscAdvanced.call[kGroupCall].receive[2] = true;
  model.dscAdvanced.call[kIndividualCall].tx[3] = true;
  model.dscDisplay.individualAckMessageMenu = true;
  model.autoPos.menuDisplay = true;
  model.autoPos.slot[1] = {"987654321", true, true, "EXP", "3", 1, 48};
  model.atis.usableGroup[3] = true;
  model.atis.atisCode = " 9";
  const std::string text = FormatSettingsText(model, FullProfile());
  const std::string expected = CrLf(kHead);
  EXPECT_EQ(text.substr(0, expected.size()), expected);
}

std::vector<std::string> Headers(const std::string& text) {
  std::vector<std::string> headers;
  for (std::size_t at = text.find("\r\n["); at != std::string::npos;
       at = text.find("\r\n[", at + 1)) {
    headers.push_back(text.substr(at + 2, text.find(']', at) - at - 1));
  }
  return headers;
}

TEST(FormatSettingsText, OneSectionPerChannelRecordThenWeatherDirectoriesAndExp) {
  SettingsModel model;
  RadioImage image;
  const ModelProfile profile = FullProfile();
  BuildNewDocument(model, image, profile);
  model.exp[39] = {true, true, false, true, true, "6", "A", 156.05, 157.1};
  const std::string text = FormatSettingsText(model, profile);
  const std::vector<std::string> headers = Headers(text);
  ASSERT_EQ(headers.size(), 7u + 720 + 10 + 48 + 20 + 40);
  EXPECT_EQ(headers[7], "[CHUSA0]");
  EXPECT_EQ(headers[7 + 240], "[CHINT0]");
  EXPECT_EQ(headers[7 + 719], "[CHCAN239]");
  EXPECT_EQ(headers[7 + 720], "[CHWX0]");
  EXPECT_EQ(headers[7 + 730], "[CHMMSID1]");
  EXPECT_EQ(headers[7 + 778], "[CHGRPID1]");
  EXPECT_EQ(headers.back(), "[CHEXP40]");
  const ChannelRecord& usa5 = model.group[kGroup1][5];
  auto flag = [](bool b) { return b ? "1" : "0"; };
  EXPECT_NE(text.find(std::string("[CHUSA5]\r\nPosition=5\r\nEnable=") + flag(usa5.enable) +
                      "\r\nLowPower=" + flag(usa5.lowPower) + "\r\nPowUp=" + flag(usa5.powerUp) +
                      "\r\nDuplex=" + flag(usa5.duplex) + "\r\nTxEnable=" + flag(usa5.txEnable) +
                      "\r\nDispayA=" + flag(usa5.displayA) +
                      "\r\nScanMemory=" + flag(usa5.scanMemory) + "\r\n[CHUSA6]"),
            std::string::npos);
  EXPECT_TRUE(
      text.ends_with("[CHEXP40]\r\nEnable=1\r\nCHDisplayL=6\r\nCHDisplayR=A\r\nRxfreq=156.05\r\n"
                     "Txfreq=157.1\r\nLowPower=0\r\nPowUp=1\r\nScanMemory=1\r\n"));
  EXPECT_EQ(text.find("\n\n"), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));

  const std::string bare = FormatSettingsText(model, ModelProfile{});
  EXPECT_EQ(bare.find("[ATIS Setup]"), std::string::npos);
  EXPECT_EQ(bare.find("[CHWX"), std::string::npos);
}

TEST(FormatSettingsText, FrequenciesAreTheShortestPositionalText) {
  const std::pair<double, const char*> cases[] = {{156.05, "156.05"},
                                                  {157.1, "157.1"},
                                                  {0.0, "0"},
                                                  {156.0375, "156.0375"},
                                                  {1e21, "1000000000000000000000"}};
  for (const auto& [mhz, written] : cases) {
    SettingsModel model;
    model.exp[0].rxFreq = mhz;
    EXPECT_NE(FormatSettingsText(model, ModelProfile{})
                  .find(std::string("\r\nRxfreq=") + written + "\r\n"),
              std::string::npos)
        << written;
  }
}

// A model whose every field the file holds is known, read back from a file that has none:
// the changes a case expects are then exactly what its lines bring.
class ApplySettingsTableTest : public ::testing::Test {
 protected:
  ApplySettingsTableTest() {
    RadioImage image;
    BuildNewDocument(base, image, profile);
    base.usable = {};
    base.common = {};
    base.dscBasic = {};
    base.autoPos = {};
    ApplySettingsTable(SectionTable::Parse(""), profile, base);
  }
  void ExpectApplied(std::string_view text, const std::function<void(SettingsModel&)>& change) {
    SettingsModel expected = base;
    change(expected);
    SettingsModel actual = base;
    ApplySettingsTable(SectionTable::Parse(text), profile, actual);
    EXPECT_EQ(actual, expected) << text;
  }

  ModelProfile profile = FullProfile();
  SettingsModel base;
};

TEST_F(ApplySettingsTableTest, ConvertsEachValueKind) {
  ExpectApplied("[common setup]\r\nscan=1\r\n", [](SettingsModel& m) { m.common.scan = true; });
  ExpectApplied("[Common Setup]\r\nChannel No = 12\r\n",
                [](SettingsModel& m) { m.common.channelNo = 12; });
  ExpectApplied("[Common Setup]\nOffset Time=2.5\nResume Time=-2.5\nTime Display=True\n",
                [](SettingsModel& m) {
                  m.common.offsetTime = 3;
                  m.common.resumeTime = -3;
                  m.common.timeDisplay = true;
                });
  ExpectApplied(
      "[Usable CH Group Setup]\r\nPriority CH 0=70000\r\nExp Ch Group 2=tRUE\r\n"
      "Status name 1= #AB \r\nGroup2=-1\r\n",
      [](SettingsModel& m) {
        m.usable.group[0].priorityCh = 70000;
        m.usable.expChGroup[2] = true;
        m.usable.group[1].statusName = "AB";
        m.usable.group[1].usable = true;
      });
  ExpectApplied(
      "[DSC Setup (AutoPos Setup)]\r\nENABLE0=True\r\nENABLE1=2abc\r\nRCENABLE1=-0.5\r\n"
      "CHANNEL0= x7 \r\nSELECTCALL1=1\r\n",
      [](SettingsModel& m) {
        m.autoPos.slot[1].enable = true;
        m.autoPos.slot[1].rcEnable = true;
        m.autoPos.slot[0].channel = "x7";
        m.autoPos.slot[1].selectCall = 1;
      });
  ExpectApplied("[CHEXP3]\r\nRxfreq=156.05\r\nTxfreq=1e3\r\nCHDisplayL=#6\r\nEnable=1\r\n",
                [](SettingsModel& m) {
                  m.exp[2].rxFreq = 156.05;
                  m.exp[2].chDisplayL = "6";
                  m.exp[2].enable = true;
                });
  ExpectApplied("[CHMMSID2]\r\nTagName=#  AB \r\nMmsid=#123\r\nEnable=True\r\n",
                [](SettingsModel& m) {
                  m.individualDirectory[1] = {true, "  AB", "123", {}};
                });
  ExpectApplied("[ATIS Setup]\r\nAtis Code=#0\r\n[CHWX9]\r\nEnable=0\r\n", [](SettingsModel& m) {
    m.atis.atisCode = "0";
    m.weather[9].enable = false;
  });
}

TEST_F(ApplySettingsTableTest, UnconvertibleValuesKeepTheField) {
  ExpectApplied(
      "[Common Setup]\r\nOffset Time=32768\r\nResume Time=abc\r\nTX Po Display=1e2\r\n"
      "SCAN=yes\r\nChannel No=0x10\r\n[DSC Setup (AutoPos Setup)]\r\nLASTADDRESS1=3000000000\r\n"
      "[CHEXP1]\r\nRxfreq=1,5\r\n",
      [](SettingsModel&) {});
}

TEST_F(ApplySettingsTableTest, ChannelSectionsNameTheirRecordAndStopAtTheFirstGap) {
  ExpectApplied(
      "[CHUSA0]\r\nPosition=7\r\nScanMemory=1\r\n[CHUSA1]\r\nPosition=240\r\nScanMemory=1\r\n"
      "[CHUSA2]\r\nPosition=-1\r\n[CHUSA3]\r\nPosition=8.6\r\nScanMemory=1\r\n"
      "[CHUSA5]\r\nPosition=10\r\nScanMemory=1\r\n",
      [](SettingsModel& m) {
        m.group[kGroup1][7].scanMemory = true;
        m.group[kGroup1][9].scanMemory = true;
      });
  int fixed = 0;
  while (base.group[kGroup2][fixed].duplexAllowed) ++fixed;
  ExpectApplied("[CHINT0]\r\nPosition=" + std::to_string(fixed) + "\r\nDuplex=1\r\nTxEnable=0\r\n",
                [&](SettingsModel& m) { m.group[kGroup2][fixed].txEnable = false; });
}

TEST_F(ApplySettingsTableTest, AtisAndWeatherOnlyForModelsThatHaveThem) {
  profile = ModelProfile{};
  ExpectApplied("[ATIS Setup]\r\nAtis Code=#123\r\n[CHWX0]\r\nEnable=0\r\n", [](SettingsModel&) {});
}

}  // namespace
}  // namespace kol
