#include "model/destination_image.h"

#include <gtest/gtest.h>

#include "model/default_document.h"
#include "model/image_codec.h"
#include "model/image_map.h"
#include "model/value_tables.h"

namespace kol {
namespace {

class DestinationImageTest : public ::testing::TestWithParam<int> {};

TEST_P(DestinationImageTest, OwnGroupIsUsableAndOperatingInASaneRadio) {
  const int group = GetParam();
  const RadioImage image = MakeDestinationImage(group);
  ASSERT_EQ(image.Size(), 8192u);
  EXPECT_EQ(image.ReadCh15(image_map::kModelIdentifier), kBuiltInModelIdentifier);
  EXPECT_EQ(image.ReadCh15(image_map::TrailingModelIdentifier(image.UpperBound())),
            kBuiltInModelIdentifier);
  EXPECT_EQ(image[image_map::kOperatingGroup], group);
  EXPECT_EQ(image[image_map::kOperatingMode], 0);
  // Programming a new document sends these bytes back to the radio.
  for (int i = 0; i < image_map::kProductCodeLength; ++i) {
    EXPECT_EQ(image[image_map::kProductCode + i], image_map::kProductCodeBytes[i]) << i;
  }

  ModelProfile profile;
  profile.atis = profile.weather = profile.weatherAlert = true;
  SettingsModel model;
  RadioImage scratch;
  BuildNewDocument(model, scratch, profile);
  DecodeImage(image, profile, model);
  for (int g = kGroup1; g <= kExpGroup; ++g) {
    EXPECT_EQ(model.usable.group[g].usable, g == group) << g;
    EXPECT_EQ(model.dscBasic.usableGroup[g], g == group) << g;
    if (g < kExpGroup) {
      EXPECT_EQ(model.usable.expChGroup[g], g == group) << g;
    }
  }
  const int operating = image.ReadCh15(image_map::kOperatingChannel);
  ASSERT_GE(operating, 0);
  ASSERT_LT(operating, kChannelTableSize);
  EXPECT_TRUE(model.group[group][operating].enable);
  EXPECT_EQ(model.common.channelNo, ChannelPosition("16"));
  EXPECT_EQ(model.common.weatherAlertMode, 0);
  EXPECT_EQ(model.common.offsetTime, 0);
  EXPECT_FALSE(model.common.timeDisplay);
  EXPECT_EQ(model.autoPos.slot[1].interval, "0");
  EXPECT_EQ(model.autoPos.slot[1].selectCall, 0);
  for (const ExpChannelRecord& exp : model.exp) EXPECT_FALSE(exp.enable);
}

INSTANTIATE_TEST_SUITE_P(Groups, DestinationImageTest,
                         ::testing::Values(kGroup1, kGroup2, kGroup3));

}  // namespace
}  // namespace kol
