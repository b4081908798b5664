#include "report/report_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "report_fixture.h"
#include "support/test_paths.h"

namespace kol {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Index of the first line equal to `line`, or -1.
int Find(const std::vector<std::string>& lines, const std::string& line) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == line) return static_cast<int>(i);
  }
  return -1;
}

std::string Padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

// The golden file was checked line by line against the report's layout rules: padded
// and cut columns, the empty lines between sections, and every formatter's text.
TEST(ReportText, SmallDocumentMatchesTheGoldenReport) {
  const std::string golden = ReadFile(test::TestDataDir() + "/report_small_document.txt");
  ASSERT_FALSE(golden.empty());
  const std::string text = BuildReportText(test::SmallDocument(), test::FullProfile());
  const std::vector<std::string> expected = Lines(golden);
  const std::vector<std::string> actual = Lines(text);
  for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
  }
  EXPECT_EQ(actual.size(), expected.size());
  EXPECT_EQ(text, golden);  // also no line end after the last line
}

TEST(ReportText, ModelWithoutAtisWeatherAndAlertLeavesTheirLinesOut) {
  ModelProfile plain;  // the built-in model without options
  const std::vector<std::string> lines = Lines(BuildReportText(test::SmallDocument(), plain));
  const int offset = Find(lines, Padded("Offset Time:", 35) + Padded("-5:30", 18));
  ASSERT_GE(offset, 0);
  EXPECT_EQ(lines[offset + 1], "");
  EXPECT_EQ(lines[offset + 2], "##### DSC Setup (Basic Setup) #####");

  const int usa = Find(lines, "##### Programmable USA Channel #####");
  ASSERT_GE(usa, 3);
  EXPECT_EQ(lines[usa - 3], Padded("Dir Name:", 35) + Padded("CLUB", 18));
  EXPECT_EQ(lines[usa - 2], "");
  EXPECT_EQ(lines[usa - 1], "");

  EXPECT_EQ(Find(lines, "##### ATIS Setup #####"), -1);
  EXPECT_EQ(Find(lines, "##### Programmable Wx Channel #####"), -1);
  EXPECT_EQ(Find(lines, "[Weather CH Function]"), -1);
  EXPECT_EQ(lines[Find(lines, "##### Memory ID Setting #####") - 1], "");
}

TEST(ReportText, EachModelFlagGatesItsOwnLines) {
  for (int flag = 0; flag < 3; ++flag) {
    SCOPED_TRACE(flag);
    ModelProfile profile;
    profile.atis = flag == 0;
    profile.weather = flag == 1;
    profile.weatherAlert = flag == 2;
    const std::vector<std::string> lines = Lines(BuildReportText(test::SmallDocument(), profile));
    EXPECT_EQ(Find(lines, "##### ATIS Setup #####") >= 0, profile.atis);
    EXPECT_EQ(Find(lines, "##### Programmable Wx Channel #####") >= 0, profile.weather);
    EXPECT_EQ(Find(lines, "[Weather CH Function]") >= 0, profile.weatherAlert);
  }
}

TEST(ReportText, UnusableExpGroupShowsDashesAndEmptyStatusNames) {
  SettingsModel model = test::SmallDocument();
  model.usable.group[kExpGroup].usable = false;
  model.usable.group[kGroup3].statusName = " \t";
  const std::vector<std::string> lines = Lines(BuildReportText(model, test::FullProfile()));
  const std::string dashes = Padded("---", 18);
  EXPECT_NE(Find(lines, Padded("EXP CH", 35) + dashes + dashes + dashes), -1);
  EXPECT_NE(Find(lines, Padded("Status Name", 35) + Padded("USA", 18) + Padded("----", 18) +
                            Padded("----", 18) + Padded("EXP", 18)),
            -1);
  // DSC Basic and ATIS use the name as it stands.
  EXPECT_NE(Find(lines, Padded(" \t:", 35) + Padded("On", 20)), -1);
  EXPECT_NE(Find(lines, Padded("", 35) + Padded("USA", 18) + Padded("", 18) +
                            Padded(" \t", 18) + Padded("EXP", 18)),
            -1);
}

struct AutoPosCase {
  const char* channel;
  const char* interval;
  int selectCall;
  int lastAddress;
  const char* channelText;
  const char* intervalText;
  const char* selectCallText;
  const char* dirName;
};

class AutoPosRows : public ::testing::TestWithParam<AutoPosCase> {};

TEST_P(AutoPosRows, ShowTheSlotTheRadioUses) {
  const AutoPosCase& c = GetParam();
  SettingsModel model = test::SmallDocument();
  AutoPosSlot& slot = model.autoPos.slot[1];
  slot.channel = c.channel;
  slot.interval = c.interval;
  slot.selectCall = static_cast<std::int16_t>(c.selectCall);
  slot.lastAddress = c.lastAddress;
  const std::vector<std::string> lines = Lines(BuildReportText(model, test::FullProfile()));
  const int channel = Find(lines, "[Auto POS Reporting]") + 2;
  EXPECT_EQ(lines[channel], Padded("Channel:", 35) + Padded(c.channelText, 18));
  EXPECT_EQ(lines[channel + 1], Padded("Interval:", 35) + Padded(c.intervalText, 18));
  EXPECT_EQ(lines[channel + 2], Padded("SelectCall:", 35) + Padded(c.selectCallText, 18));
  EXPECT_EQ(lines[channel + 3], Padded("Dir Name:", 35) + Padded(c.dirName, 18));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AutoPosRows,
    ::testing::Values(
        // EXP channels stand under 4096 + their number; a disabled one shows nothing.
        AutoPosCase{"4097", "0", 0, 1, "A1", "OFF", "Individual", "HARBOUR"},
        AutoPosCase{"4098", "16", 0, 3, "BC", "50 min", "Individual", ""},
        AutoPosCase{"4136", "11", 1, 1, "", "25 min", "Group", "FLEET"},
        // A USA channel that is disabled, an EXP channel code of the editor's lists.
        AutoPosCase{"33", "17", 1, 21, "", "", "Group", ""},
        AutoPosCase{"241", "-1", 2, 1, "", "", "", ""},
        // Texts from a hand-edited file count as the image takes them: a number with
        // blanks around it, anything else is 0.
        AutoPosCase{" 32\t", "2.4", 0, 0, "16", "30 sec", "Individual", ""},
        AutoPosCase{"32abc", "5 min", 0, 0, "", "OFF", "Individual", ""},
        AutoPosCase{"junk", "99999999999999999999", 0, -5, "", "", "Individual", ""}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST(ReportText, BuildingTheReportChangesNothing) {
  const SettingsModel model = test::SmallDocument();
  SettingsModel copy = model;
  BuildReportText(copy, test::FullProfile());
  EXPECT_EQ(copy, model);
  EXPECT_EQ(copy.exp[0].txFreq, 156.0312);  // shown raster-corrected, kept as entered
}

TEST(ReportText, RecordsOutsideTheChannelTableDoNotBreakTheReport) {
  SettingsModel model = test::SmallDocument();
  model.group[kGroup1][0].enable = true;
  model.group[kGroup1][0].position = 500;
  model.group[kGroup1][1].enable = true;
  model.group[kGroup1][1].position = -3;
  const std::vector<std::string> lines = Lines(BuildReportText(model, test::FullProfile()));
  const int usa = Find(lines, "##### Programmable USA Channel #####");
  EXPECT_EQ(lines[usa + 3].substr(0, 23), "     ---.---  ---.---  ");
  EXPECT_EQ(lines[usa + 4].substr(0, 23), "     ---.---  ---.---  ");
}

// An image can carry the duplex bit on a channel without a duplex pair; the radio works
// that channel simplex, and the report says so while the document keeps the bit.
TEST(ReportText, DuplexBitWithoutADuplexPairShowsASimplexChannel) {
  SettingsModel model = test::SmallDocument();
  model.group[kGroup1][ChannelPosition("01A")].duplex = true;
  const std::vector<std::string> lines = Lines(BuildReportText(model, test::FullProfile()));
  const int usa = Find(lines, "##### Programmable USA Channel #####");
  ASSERT_GE(usa, 0);
  EXPECT_EQ(lines[usa + 3], "01A  156.050  156.050  TX  LOW  --  ---  ---  ");
  EXPECT_EQ(lines[usa + 6], "24   161.800  157.200  TX  ---  --  DUP  ---  ");
  EXPECT_TRUE(model.group[kGroup1][ChannelPosition("01A")].duplex);
}

}  // namespace
}  // namespace kol
