#include "model/formatters.h"

#include <gtest/gtest.h>

#include <limits>

namespace kol {
namespace {

TEST(Formatters, ChannelCodeTexts) {
  const std::pair<ChannelCode, const char*> cases[] = {
      {0, "00"},     {32, "16"},     {33, "16A"}, {239, "119A"}, {240, "EXP1"},
      {279, "EXP40"}, {280, "Off"}, {-1, "Off"},  {4097, "Off"},
  };
  for (const auto& [code, text] : cases) EXPECT_EQ(ChannelCodeText(code), text) << code;
}

TEST(Formatters, OffsetTimeTexts) {
  const std::pair<int, const char*> cases[] = {
      {-24, "-12:00"}, {-11, "-5:30"}, {-1, "-0:30"}, {0, " 0"},  {1, "+0:30"},
      {11, "+5:30"},   {19, "+9:30"},  {24, "+12:00"}, {25, ""}, {-25, ""},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(OffsetTimeText(value), text) << value;
}

// Option lists: every index that names a text, one past each end, and the odd entries.
TEST(Formatters, OptionTexts) {
  EXPECT_EQ(StartingModeText(0), "Last CH");
  EXPECT_EQ(StartingModeText(1), "Fixed CH");
  EXPECT_EQ(StartingModeText(2), "");
  EXPECT_EQ(TxPowerDisplayText(1), "Lo Po on Changing CH");
  EXPECT_EQ(TxPowerDisplayText(-1), "");
  EXPECT_EQ(ResumeTimeText(0), "--");
  EXPECT_EQ(ResumeTimeText(5), "5Sec");
  EXPECT_EQ(ResumeTimeText(6), "");
  EXPECT_EQ(WeatherAlertText(3), "WX and SCAN");
  EXPECT_EQ(WeatherAlertText(255), "");
  EXPECT_EQ(TimeDisplayText(true), "Local");
  EXPECT_EQ(TimeDisplayText(false), "UTC");
  EXPECT_EQ(IntervalText(0), "OFF");
  EXPECT_EQ(IntervalText(3), "1 min");
  EXPECT_EQ(IntervalText(10), "20 min");
  EXPECT_EQ(IntervalText(11), "25 min");
  EXPECT_EQ(IntervalText(16), "50 min");
  EXPECT_EQ(IntervalText(17), "");
  EXPECT_EQ(SelectCallText(0, 0), "Individual");
  EXPECT_EQ(SelectCallText(1, 1), "Group");
  EXPECT_EQ(SelectCallText(1, 0), "Multi-st");
  EXPECT_EQ(SelectCallText(2, 1), "");
  EXPECT_EQ(OnOffText(true), "On");
  EXPECT_EQ(PowerText(false), "Low");
  EXPECT_EQ(ListMarkText(ListMark::kEnable, false), "------");
  EXPECT_EQ(ListMarkText(ListMark::kLow, true), "LOW");
  EXPECT_EQ(ListMarkText(ListMark::kDup, false), "---");
  EXPECT_EQ(ListMarkText(ListMark::kUp, false), "--");
}

TEST(Formatters, DirectoryNameComesFromSlotOneOnly) {
  SettingsModel model;
  model.individualDirectory[0].tagName = "FIRST";
  model.individualDirectory[47].tagName = "LAST";
  model.groupDirectory[19].tagName = "GROUP20";
  EXPECT_EQ(DirectoryNameText(model, 0, 1, 1), "FIRST");
  EXPECT_EQ(DirectoryNameText(model, 0, 48, 1), "LAST");
  EXPECT_EQ(DirectoryNameText(model, 1, 20, 1), "GROUP20");
  EXPECT_EQ(DirectoryNameText(model, 1, 21, 1), "");  // past the group directory
  EXPECT_EQ(DirectoryNameText(model, 0, 0, 1), "");   // entry numbers start at 1
  EXPECT_EQ(DirectoryNameText(model, 0, 49, 1), "");
  EXPECT_EQ(DirectoryNameText(model, 2, 1, 1), "");
  EXPECT_EQ(DirectoryNameText(model, 0, 1, 0), "");
}

TEST(Formatters, ColumnsAndEmptyMarks) {
  EXPECT_EQ(FixedWidthColumn("ABC", 5), "ABC  ");
  EXPECT_EQ(FixedWidthColumn("0123456789", 9), "012345678");
  EXPECT_EQ(FixedWidthColumn("", 9), "---------");
  EXPECT_EQ(FixedWidthColumn(" ", 3), "   ");  // a blank is a text, not an empty one
  EXPECT_EQ(EmptyTextMark("AB "), "AB ");
  EXPECT_EQ(EmptyTextMark(" \t "), "----");
  EXPECT_EQ(EmptyTextMark(""), "----");
  EXPECT_EQ(TrimBlanks(" \tA B\t "), "A B");
  EXPECT_EQ(TrimBlanks("\nA\r"), "\nA\r");  // only blanks and tabs are trimmed
}

struct FrequencyCase {
  double mhz;
  const char* three;
  const char* four;
};

TEST(Formatters, FrequencyTexts) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const FrequencyCase cases[] = {
      {156.8, "156.800", "156.8000"},
      {156.025, "156.025", "156.0250"},
      {156.0375, "156.038", "156.0375"},  // 12.5 kHz raster: kept
      {156.0312, "156.031", "156.0300"},  // off raster: down to 5 kHz
      {156.0349, "156.035", "156.0300"},
      {156.03501, "156.035", "156.0350"},  // within 100 Hz of the raster: kept
      {157.1, "157.100", "157.1000"},
      {99.5, "099.500", "099.5000"},
      {0.0, "---.---", "---.----"},
      {-5.0, "---.---", "---.----"},
      {nan, "---.---", "---.----"},
  };
  for (const FrequencyCase& c : cases) {
    SCOPED_TRACE(c.mhz);
    EXPECT_EQ(Frequency3Text(c.mhz), c.three);
    EXPECT_EQ(Frequency4Text(c.mhz), c.four);
  }
  EXPECT_EQ(Frequency3GatedText(156.8, true), "---.---");
  EXPECT_EQ(Frequency3GatedText(156.8, false), "156.800");
  EXPECT_EQ(Frequency3GatedText(0.0, false), "---.---");
}

TEST(Formatters, RasterCorrectionGivesTheExactStep) {
  EXPECT_EQ(RasterCorrected(156.0312), 156.03);
  EXPECT_EQ(RasterCorrected(156.0375), 156.0375);
  EXPECT_EQ(RasterCorrected(156.05), 156.05);
  EXPECT_EQ(RasterCorrected(161.9999), 161.995);
  EXPECT_EQ(RasterCorrected(1e300), 1e300);  // far out of range: left alone, no overflow
}

TEST(Formatters, HugeFrequencyDoesNotOverflow) {
  EXPECT_FALSE(Frequency4Text(1e300).empty());
  EXPECT_FALSE(Frequency3Text(std::numeric_limits<double>::infinity()).empty());
}

}  // namespace
}  // namespace kol
