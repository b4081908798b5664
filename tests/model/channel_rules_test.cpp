#include "model/channel_rules.h"

#include <gtest/gtest.h>

#include "model/formatters.h"

namespace kol {
namespace {

ChannelPlan UsaPlan() {
  ChannelPlan plan;
  BuildChannelPlan(kGroup1, plan);
  return plan;
}

TEST(ChannelRules, ExpFrequencyTextsOnTheRasterBetween137And174AreTaken) {
  constexpr auto kBand = FrequencyRefusal::kOutsideBand;
  constexpr auto kRaster = FrequencyRefusal::kOffRaster;
  struct Case {
    const char* text;
    std::optional<double> stored;
    FrequencyRefusal why = kBand;  // when refused
  };
  const Case cases[] = {
      {"156.025", 156.025},   {"156.0250", 156.025}, {"174.0", 174.0},          {"137", 137.0},
      {"", 0.0},              {"  ", 0.0},           {"156.0125", {}, kRaster}, {"136.975", {}},
      {"174.025", {}},        {"0", {}},             {".", {}},                 {"156.05.5", 156.05},
      {"156.02500001", 156.025},  // the step is stored, not the typed digits
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    FrequencyRefusal why = c.why == kBand ? kRaster : kBand;  // the opposite, to see it set
    const std::optional<double> stored = ExpFrequencyFromText(c.text, &why);
    ASSERT_EQ(stored.has_value(), c.stored.has_value());
    if (stored) {
      EXPECT_EQ(*stored, *c.stored);  // exactly the double the decimal text reads as
    } else {
      EXPECT_EQ(why, c.why);
    }
  }
}

TEST(ChannelRules, AnEnabledExpChannelIsCompleteWithAReceiveFrequencyAndANumber) {
  const ExpChannelRecord complete{.enable = true, .chDisplayL = " 7", .rxFreq = 156.025};
  EXPECT_TRUE(ExpChannelComplete(complete));
  ExpChannelRecord channel = complete;
  channel.rxFreq = 0;
  EXPECT_FALSE(ExpChannelComplete(channel));
  channel.enable = false;  // a disabled channel needs nothing
  EXPECT_TRUE(ExpChannelComplete(channel));
  channel = complete;
  channel.chDisplayL = "  ";
  EXPECT_FALSE(ExpChannelComplete(channel));
}

TEST(ChannelRules, PlanSwitchesChangeOnlyWhereTheChannelEditorLetsThem) {
  const ChannelPlan plan = UsaPlan();
  const ChannelRecord& ch15 = plan[30];   // receive-only
  const ChannelRecord& ch01a = plan[3];   // no duplex pair
  const ChannelRecord& ch20 = plan[40];   // duplex pair
  const ChannelRecord& ch70 = plan[kDscChannelPosition];
  ASSERT_TRUE(ch15.receiveOnly);
  ASSERT_FALSE(ch01a.duplexAllowed);
  ASSERT_TRUE(ch20.duplexAllowed);
  struct Case {
    const ChannelRecord* channel;
    PlanSwitch which;
    bool on;
    bool allowed;
  };
  const Case cases[] = {
      {&ch15, PlanSwitch::kTxEnable, true, false},   {&ch15, PlanSwitch::kTxEnable, false, true},
      {&ch15, PlanSwitch::kLowPower, true, true},    {&ch01a, PlanSwitch::kDuplex, true, false},
      {&ch20, PlanSwitch::kDuplex, false, true},     {&ch70, PlanSwitch::kScanMemory, true, false},
      {&ch70, PlanSwitch::kScanMemory, false, true},  // its stored value
      {&ch01a, PlanSwitch::kScanMemory, true, true}, {&ch01a, PlanSwitch::kEnable, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(PlanTableEntry(*c.channel).numberText + " switch " + std::to_string(static_cast<int>(c.which)));
    EXPECT_EQ(PlanSwitchAllowed(*c.channel, c.which, c.on), c.allowed);
  }
  ChannelRecord stored = ch15;
  stored.txEnable = true;  // as a radio may hold it: keeping it is no change
  EXPECT_TRUE(PlanSwitchAllowed(stored, PlanSwitch::kTxEnable, true));
}

TEST(ChannelRules, TypedChannelNumberIsStoredRightAlignedAndShownWithItsSuffix) {
  EXPECT_EQ(StoredDisplayLeft("7"), " 7");
  EXPECT_EQ(StoredDisplayLeft("16"), "16");
  EXPECT_EQ(StoredDisplayLeft(""), "  ");
  EXPECT_EQ(StoredDisplayLeft("123"), "23");
  const std::pair<ExpChannelRecord, const char*> names[] = {
      {{.chDisplayL = "6", .chDisplayR = "A"}, " 6A"},
      {{.chDisplayL = "16", .chDisplayR = ""}, "16 "},
      {{.chDisplayL = "", .chDisplayR = "XY"}, "  Y"},
  };
  for (const auto& [channel, name] : names) EXPECT_EQ(ExpDisplayName(channel), name);
}

TEST(ChannelRules, PlanChannelNumberSplitsTheSuffixAndPadsTheNumber) {
  const std::pair<int, ChannelNumberParts> cases[] = {
      {3, {"01", "A"}}, {32, {"16", ""}}, {200, {"100", ""}}, {239, {"119", "A"}}};
  for (const auto& [position, parts] : cases) {
    const ChannelNumberParts shown = PlanChannelNumber({.position = static_cast<std::int16_t>(position)});
    EXPECT_EQ(shown.number, parts.number) << position;
    EXPECT_EQ(shown.suffix, parts.suffix) << position;
  }
}

// A duplex bit on a channel without a duplex pair (a radio image can carry one) is never
// used by the radio: the list shows the channel as it works, and the bit stays as read.
TEST(ChannelRules, PlanChannelIsShownDuplexOnlyWhereItHasADuplexPair) {
  struct Case {
    std::int16_t position;
    bool duplex;
    bool duplexAllowed;
    const char* receive;
    const char* mark;
  };
  const Case cases[] = {
      {40, false, true, "157.000", "---"},   // channel 20, simplex
      {40, true, true, "161.600", "DUP"},    // channel 20, duplex
      {40, true, false, "157.000", "---"},   // a plan without its duplex pair
      {3, true, false, "156.050", "---"},    // 01A has none anywhere
      {241, true, false, "---.---", "---"},  // outside the channel table
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    const ChannelRecord channel{.position = c.position, .duplex = c.duplex,
                                .duplexAllowed = c.duplexAllowed};
    EXPECT_EQ(PlanDuplexInUse(channel), std::string_view(c.mark) == "DUP");
    EXPECT_EQ(Frequency3Text(PlanReceiveFrequency(channel)), c.receive);
    const std::vector<std::string> row = PlanListRow(channel);
    EXPECT_EQ(row[1], c.receive);
    EXPECT_EQ(row[6], c.mark);
    EXPECT_EQ(channel.duplex, c.duplex);
  }
}

// The texts of a record in every column of a list.
template <typename Columns, typename Record, typename... Number>
std::vector<std::string> ListRow(Columns columns, const Record& record, Number... number) {
  std::vector<std::string> cells;
  for (const auto& column : columns) cells.push_back(column.text(record, number...));
  return cells;
}

TEST(ChannelRules, PlanListRowsShowTheTableAndTheChannelsFlags) {
  ChannelPlan plan = UsaPlan();
  std::vector<std::string> headers;
  for (const PlanListColumn& column : PlanListColumns()) headers.emplace_back(column.header);
  EXPECT_EQ(headers, (std::vector<std::string>{"CH", "ENABLE", "RX[MHz]", "TX[MHz]", "TX", "LOW", "UP", "DUP", "MEM"}));
  // Channel 20 starts in duplex; channel 15 only receives.
  plan[40].enable = true;
  plan[30].enable = false;
  EXPECT_EQ(ListRow(PlanListColumns(), plan[40]),
            (std::vector<std::string>{"20", "[Enable]", "161.600", "157.000", "TX", "---", "--", "DUP", "---"}));
  EXPECT_EQ(ListRow(PlanListColumns(), plan[30]),
            (std::vector<std::string>{"15", "", "156.750", "---.---", "--", "---", "--", "---", "---"}));
  plan[3].scanMemory = plan[3].powerUp = plan[3].lowPower = true;
  // The report's row leaves the enable column out: it lists enabled channels only.
  EXPECT_EQ(PlanListRow(plan[3]),
            (std::vector<std::string>{"01A", "156.050", "156.050", "TX", "LOW", "UP", "---", "MEM"}));
  // A column of marks is on exactly where its mark shows.
  for (const ChannelRecord& record : {plan[3], plan[30], plan[40]}) {
    for (const PlanListColumn& column : PlanListColumns()) {
      if (!column.marked) continue;
      SCOPED_TRACE(std::string(column.header));
      const std::string text = column.text(record);
      EXPECT_EQ(column.marked(record), text == column.header || text == "[Enable]");
    }
  }
}

TEST(ChannelRules, ExpListRowsShowNameEnableAndFrequencies) {
  const ExpChannelRecord channel{.enable = true, .lowPower = true, .chDisplayL = "7", .chDisplayR = "",
                                 .rxFreq = 156.025, .txFreq = 0.0};
  EXPECT_EQ(ExpListColumns()[1].header, "ENABLE");
  EXPECT_EQ(ListRow(ExpListColumns(), channel, 7),
            (std::vector<std::string>{"7", "[Enable]", " 7 ", "156.0250", "---.----", "LOW", "--", "---"}));
  EXPECT_EQ(ListRow(ExpListColumns(), ExpChannelRecord{}, 40)[0], "40");
  EXPECT_EQ(ListRow(ExpListColumns(), ExpChannelRecord{}, 40)[1], "");
}

}  // namespace
}  // namespace kol
