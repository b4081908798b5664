#include "editor/navigation.h"

#include <gtest/gtest.h>

namespace kol::editor {
namespace {

TEST(ResolveNode, EachNodeShowsItsPage) {
  struct Case {
    const char* key;
    const char* parent;
    NodeTarget expected;
  };
  const Case cases[] = {
      {"General", "", {PageKind::kGeneral, "General"}},
      {"PROGRAM", "", {PageKind::kGrey, "PROGRAM"}},
      {"DSCSetting", "", {PageKind::kGrey, "DSCSetting"}},
      {"ExpChannel", "", {PageKind::kExpList, "ExpChannel"}},
      {"usable", "General", {PageKind::kUsable, "usable"}},
      {"ATIS", "General", {PageKind::kAtis, "ATIS"}},
      {"PI", "Program", {PageKind::kPlanList, "PI", 1}},
      {"PW", "Program", {PageKind::kWeather, "PW"}},
      {"PC 239", "PC", {PageKind::kPlanChannel, "PC 239", 2, 239}},
      {"PU 0", "PU", {PageKind::kPlanChannel, "PU 0", 0, 0}},
      {"PU 240", "PU", {PageKind::kNone, "PU 240"}},
      {"E 40", "ExpChannel", {PageKind::kExpChannel, "E 40", 0, 40}},
      {"E 41", "ExpChannel", {PageKind::kNone, "E 41"}},
      {"SG", "DSCSetting", {PageKind::kDirectoryList, "SG", 0, 0, DirectoryKind::kGroup}},
      {"SM 48", "SM", {PageKind::kDirectoryEntry, "SM 48", 0, 48, DirectoryKind::kIndividual}},
      {"SG 21", "SG", {PageKind::kNone, "SG 21"}},
      {"Other", "", {PageKind::kNone, "Other"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(ResolveNode(c.key, c.parent), c.expected);
  }
}

TEST(NodeTexts, SuffixesAreReplacedNotStacked) {
  EXPECT_EQ(GroupNodeText("Group1(OLD)", "ABC"), "Group1(ABC)");
  EXPECT_EQ(GroupNodeText("Group1(OLD)", ""), "Group1");
  EXPECT_EQ(EnableSuffixedText("Memory ID3[Enable]", false), "Memory ID3");
  EXPECT_EQ(EnableSuffixedText("Memory ID3", true), "Memory ID3[Enable]");
  ChannelRecord channel;
  channel.position = 32;
  channel.enable = true;
  EXPECT_EQ(PlanChannelNodeText(channel), "CH16[Enable]");
  channel.position = 12;
  channel.enable = false;
  EXPECT_EQ(PlanChannelNodeText(channel), "CH06");
  EXPECT_EQ(LeafKey("PU", 0), "PU 0");
}

}  // namespace
}  // namespace kol::editor
