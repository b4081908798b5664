#include "model/value_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace kol {
namespace {

// Frequencies must print exactly at every decimal the program shows; the digits beyond
// the sixth catch a value that drifted by one bit.
std::string Exact(double mhz) {
  char text[32];
  std::snprintf(text, sizeof text, "%.12f", mhz);
  return text;
}

struct TableCase {
  int position;
  const char* number;
  const char* frequency;
  const char* duplexRx;  // "" when the entry has no duplex pair
};

TEST(ChannelTable, EntriesCarryNumberFrequencyAndDuplexPair) {
  const TableCase cases[] = {
      {0, "00", "156.000000000000", "160.600000000000"},
      {3, "01A", "156.050000000000", ""},
      {32, "16", "156.800000000000", "161.400000000000"},
      {33, "16A", "156.800000000000", ""},
      {118, "59", "158.950000000000", "163.550000000000"},
      {120, "60", "156.025000000000", "160.625000000000"},
      {14, "07", "156.350000000000", "160.950000000000"},
      {238, "119", "158.975000000000", "163.575000000000"},
      {239, "119A", "158.975000000000", ""},
  };
  const auto& table = ChannelTable();
  for (const TableCase& c : cases) {
    SCOPED_TRACE(c.position);
    const ChannelTableEntry& entry = table[c.position];
    EXPECT_EQ(entry.numberText, c.number);
    EXPECT_EQ(Exact(entry.frequency), c.frequency);
    EXPECT_EQ(entry.duplexCapable, *c.duplexRx != '\0');
    EXPECT_EQ(entry.duplexCapable ? Exact(entry.duplexRxFrequency) : "", c.duplexRx);
    if (!entry.duplexCapable) {
      EXPECT_EQ(entry.duplexRxFrequency, 0.0);
    }
  }
}

TEST(ChannelTable, EveryFrequencyIsTheNearestDoubleOfItsKilohertzValue) {
  for (const ChannelTableEntry& entry : ChannelTable()) {
    SCOPED_TRACE(entry.numberText);
    const double khz = entry.frequency * 1000.0;
    EXPECT_EQ(entry.frequency, std::round(khz) / 1000.0);
    if (entry.duplexCapable) {
      EXPECT_EQ(entry.duplexRxFrequency, (std::round(khz) + 4600) / 1000.0);
    }
  }
}

TEST(ChannelTable, PositionFindsNumberTexts) {
  EXPECT_EQ(ChannelPosition("16"), 32);
  EXPECT_EQ(ChannelPosition("01A"), 3);
  EXPECT_EQ(ChannelPosition("119A"), 239);
  EXPECT_EQ(ChannelPosition("1"), -1);
  EXPECT_EQ(ChannelPosition(""), -1);
  EXPECT_EQ(ChannelPosition("120"), -1);
}

int EnabledCount(const ChannelPlan& plan) {
  return static_cast<int>(std::count_if(plan.begin(), plan.end(),
                                        [](const ChannelRecord& r) { return r.enable; }));
}

TEST(ChannelPlan, PlansEnableTheListedChannelCounts) {
  const int expected[] = {51, 57, 59};
  for (int group = kGroup1; group <= kGroup3; ++group) {
    ChannelPlan plan;
    BuildChannelPlan(group, plan);
    ASSERT_EQ(plan.size(), 240u);
    EXPECT_EQ(EnabledCount(plan), expected[group]) << "group " << group;
    for (int i = 0; i < 240; ++i) EXPECT_EQ(plan[i].position, i);
  }
}

struct PlanCase {
  int group;
  const char* channel;
  const char* usage;
  bool receiveOnly;
  bool duplex;
  bool lowPower;
};

TEST(ChannelPlan, ListedChannelsGetUsageAndDefaults) {
  const PlanCase cases[] = {
      {kGroup1, "06", "SAFTY", false, false, false},
      {kGroup1, "15", "COMMERCIAL", true, false, false},
      {kGroup1, "16", "DISTRESS", false, false, false},
      {kGroup1, "20A", "PORT OPR", false, false, false},
      {kGroup1, "24", "TELEPHONE", false, true, false},
      {kGroup1, "70", "DSC", true, false, false},
      {kGroup1, "77", "PORT OPR", false, false, true},
      {kGroup2, "01", "TELEPHONE", false, true, false},
      {kGroup2, "15", "COMMERCIAL", false, false, true},
      {kGroup2, "83", "INTL", false, true, false},
      {kGroup2, "88", "PORT OPR", false, false, false},
      {kGroup3, "06", "SAFETY", false, false, false},
      {kGroup3, "20", "PORT OPR", false, true, true},
      {kGroup3, "65A", "PORT OPT", false, false, false},
      {kGroup3, "66A", "PORT OPT", false, false, true},
      {kGroup3, "70", "DSC", true, false, false},
      {kGroup3, "83A", "CCG", false, false, false},
  };
  for (const PlanCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.group) + " " + c.channel);
    ChannelPlan plan;
    BuildChannelPlan(c.group, plan);
    const ChannelRecord& record = plan.at(ChannelPosition(c.channel));
    EXPECT_TRUE(record.enable);
    EXPECT_EQ(record.usageName, c.usage);
    EXPECT_EQ(record.receiveOnly, c.receiveOnly);
    EXPECT_EQ(record.txEnable, !c.receiveOnly);
    EXPECT_EQ(record.duplex, c.duplex);
    EXPECT_EQ(record.lowPower, c.lowPower);
    const bool pairInTable = ChannelTable()[record.position].duplexCapable;
    EXPECT_EQ(record.duplexAllowed, pairInTable && !c.receiveOnly);
  }
}

// The builder resets what the plan fixes and leaves what decoding fills in.
TEST(ChannelPlan, RebuildResetsPlanFieldsAndKeepsImageFields) {
  ChannelPlan plan(240);
  for (ChannelRecord& r : plan) {
    r.enable = true;
    r.scanMemory = true;
    r.powerUp = true;
    r.displayA = true;
    r.receiveOnly = true;
    r.txEnable = false;
    r.duplex = true;
  }
  BuildChannelPlan(kGroup1, plan);
  const ChannelRecord& unlisted = plan[0];  // "00" is in no plan
  EXPECT_FALSE(unlisted.enable);
  EXPECT_FALSE(unlisted.receiveOnly);
  EXPECT_TRUE(unlisted.txEnable);
  EXPECT_TRUE(unlisted.duplexAllowed);
  EXPECT_TRUE(unlisted.scanMemory);
  EXPECT_TRUE(unlisted.powerUp);
  EXPECT_TRUE(unlisted.displayA);
  EXPECT_TRUE(unlisted.duplex);
  const ChannelRecord& listed = plan[ChannelPosition("01A")];
  EXPECT_FALSE(listed.duplex);     // listed channels get their duplex default
  EXPECT_TRUE(listed.enable);
  EXPECT_TRUE(listed.scanMemory);
}

TEST(WeatherPlan, TableAndPlanMatch) {
  const auto& table = WeatherTable();
  EXPECT_EQ(table[0].shortText, "162.550MHZ");
  EXPECT_EQ(table[0].displayText, "WX01[162.550MHz]");
  EXPECT_EQ(Exact(table[7].frequency), "161.650000000000");
  EXPECT_EQ(table[9].number, 10);
  EXPECT_EQ(table[9].displayText, "WX10[163.275MHz]");

  ChannelPlan plan(15);
  plan[0].scanMemory = true;
  BuildWeatherPlan(plan);
  ASSERT_EQ(plan.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(plan[i].position, i + 1);
    EXPECT_TRUE(plan[i].enable);
    EXPECT_FALSE(plan[i].displayA);
    EXPECT_FALSE(plan[i].scanMemory);
  }
}

TEST(ToneLists, HoldOffAndTheStandardTonesAscending) {
  const auto ctcss = CtcssTones();
  ASSERT_EQ(ctcss.size(), 51u);
  EXPECT_EQ(ctcss[0], "Off");
  EXPECT_EQ(ctcss[1], "67.0Hz");
  EXPECT_EQ(ctcss[13], "100.0Hz");
  EXPECT_EQ(ctcss[50], "254.1Hz");
  for (std::size_t i = 2; i < ctcss.size(); ++i) {
    EXPECT_LT(std::stod(std::string(ctcss[i - 1])), std::stod(std::string(ctcss[i])));
  }

  const auto dcs = DcsCodes();
  ASSERT_EQ(dcs.size(), 105u);
  EXPECT_EQ(dcs[0], "Off");
  EXPECT_EQ(dcs[1], "023");
  EXPECT_EQ(dcs[104], "754");
  for (std::size_t i = 1; i < dcs.size(); ++i) {
    EXPECT_EQ(dcs[i].size(), 3u);
    EXPECT_EQ(dcs[i].find_first_not_of("01234567"), std::string_view::npos) << dcs[i];
    if (i > 1) {
      EXPECT_LT(dcs[i - 1], dcs[i]);
    }
  }
}

}  // namespace
}  // namespace kol
