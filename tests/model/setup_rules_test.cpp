#include "model/setup_rules.h"

#include <gtest/gtest.h>

#include <set>

#include "model/default_document.h"
#include "model/image_map.h"
#include "model/value_tables.h"

namespace kol {
namespace {

TEST(SetGroupUsable, SwitchingAPlanGroupOffTakesTheExpChannelsOutOfIt) {
  for (int group = kGroup1; group <= kExpGroup; ++group) {
    SCOPED_TRACE(group);
    UsableSetup usable;
    usable.expChGroup = {true, true, true};
    SetGroupUsable(usable, group, true);
    EXPECT_TRUE(usable.group[group].usable);
    EXPECT_EQ(usable.expChGroup, (std::array<bool, 3>{true, true, true}));
    SetGroupUsable(usable, group, false);
    EXPECT_FALSE(usable.group[group].usable);
    for (int g = 0; g < 3; ++g) EXPECT_EQ(usable.expChGroup[g], g != group) << g;
  }
}

TEST(StatusName, IsCutToThreeAndCaptionsCarryItInBrackets) {
  EXPECT_EQ(CommittedStatusName(""), "");
  EXPECT_EQ(CommittedStatusName("AB"), "AB");
  EXPECT_EQ(CommittedStatusName("AB12"), "AB1");
  EXPECT_EQ(BracketedStatusName(""), "");
  EXPECT_EQ(BracketedStatusName("AB1"), "[AB1]");
  EXPECT_EQ(GroupBoxCaption(kGroup2, "ABC"), "Group2[ABC]");
  EXPECT_EQ(GroupBoxCaption(kGroup1, ""), "Group1");
  EXPECT_EQ(GroupBoxCaption(kExpGroup, "X"), "EXP CH Group[X]");
}

class ChannelNoItemsTest : public ::testing::Test {
 protected:
  ChannelNoItemsTest() { BuildNewDocument(model, image, ModelProfile{}); }
  void Operate(int group, bool usableInImage) {
    image[image_map::kOperatingGroup] = static_cast<std::uint8_t>(group);
    if (group < 3) image[image_map::kUsableFlags + group] = usableInImage ? 1 : 0;
  }
  SettingsModel model;
  RadioImage image;
};

TEST_F(ChannelNoItemsTest, OfferTheEnabledChannelsOfTheGroupTheRadioOperatesOn) {
  for (ChannelRecord& channel : model.group[kGroup2]) channel.enable = false;
  model.group[kGroup2][32].enable = true;  // 16
  model.group[kGroup2][14].enable = true;  // 07
  Operate(kGroup2, true);
  const std::vector<options::Item> items = ChannelNoItems(model, image);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0], (options::Item{"07", model.group[kGroup2][14].position}));
  EXPECT_EQ(items[1], (options::Item{"16", ChannelPosition("16")}));
}

TEST_F(ChannelNoItemsTest, OfferNothingWhenTheImageDoesNotMarkThatGroupUsable) {
  model.usable.group[kGroup3].usable = true;  // the model's flag is not what counts
  Operate(kGroup3, false);
  EXPECT_TRUE(ChannelNoItems(model, image).empty());
  Operate(3, false);  // no group at all
  EXPECT_TRUE(ChannelNoItems(model, image).empty());
  Operate(kGroup3, true);
  EXPECT_FALSE(ChannelNoItems(model, image).empty());
}

TEST(AdvancedFlag, EachSlotIsOneFlagOfTheModelInTheListsOrder) {
  struct Case {
    CallType call;
    bool tx;
    CallCategory category;
    int slot;
  };
  const Case cases[] = {
      {kAllShipsCall, false, kDistress, 0}, {kAllShipsCall, false, kRoutine, 3},
      {kAllShipsCall, true, kDistress, 4},  {kIndividualCall, false, kUrgency, 9},
      {kGroupCall, true, kSafety, 22},      {kPosRequest, false, kDistress, 24},
      {kPosReport, true, kRoutine, 39},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot);
    EXPECT_EQ(AdvancedSlot(c.call, c.tx, c.category), c.slot);
    DscAdvancedSetup advanced;
    AdvancedFlag(advanced, c.slot) = true;
    const CallTypeFlags& flags = advanced.call[c.call];
    EXPECT_TRUE(c.tx ? flags.tx[c.category] : flags.receive[c.category]);
    int set = 0;
    for (int s = 0; s < kAdvancedSlotCount; ++s) set += AdvancedFlag(advanced, s);
    EXPECT_EQ(set, 1);
  }
  // Every slot names a flag of its own.
  DscAdvancedSetup advanced;
  std::set<const bool*> flags;
  for (int s = 0; s < kAdvancedSlotCount; ++s) flags.insert(&AdvancedFlag(advanced, s));
  EXPECT_EQ(flags.size(), static_cast<std::size_t>(kAdvancedSlotCount));
}

TEST(HasRequiredLength, TakesEmptyOrExactlyTheLength) {
  EXPECT_TRUE(HasRequiredLength("", 9));
  EXPECT_TRUE(HasRequiredLength("123456789", 9));
  EXPECT_FALSE(HasRequiredLength("12345678", 9));
  EXPECT_FALSE(HasRequiredLength("1234567890", 9));
}

}  // namespace
}  // namespace kol
