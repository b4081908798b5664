#include "model/default_document.h"

#include <gtest/gtest.h>

#include <map>

#include "model/image_codec.h"

namespace kol {
namespace {

TEST(WriteBuiltInDefaultImage, IsAllFfButTheFactoryBytes) {
  const std::map<int, int> factory = {
      {0x0000, 0x0C}, {0x0001, 0xE4}, {0x0002, 0x00}, {0x0003, 0x00}, {0x0004, 0x00},
      {0x0005, 0x00}, {0x0006, 0x00}, {0x0007, 0x00}, {0x0008, 0x00}, {0x000A, 0x00},
      {0x000C, 0x00}, {0x000D, 0x00}, {0x000E, 0x00}, {0x001B, 0x03}, {0x002A, 0x20},
      {0x002C, 0x20}, {0x002E, 0x20}, {0x0059, 0x00}, {0x005A, 0x60}, {0x005B, 0x10},
      {0x005C, 0x10}, {0x005D, 0xAC}, {0x005E, 0xAC}, {0x005F, 0xFE}, {0x1FFE, 0x0C},
      {0x1FFF, 0xE4}};
  RadioImage image(100);
  image[5] = 0x12;
  WriteBuiltInDefaultImage(image);
  ASSERT_EQ(image.Size(), 8192u);
  for (int i = 0; i < 8192; ++i) {
    const auto found = factory.find(i);
    EXPECT_EQ(image[i], found == factory.end() ? 0xFF : found->second) << "offset " << i;
  }
}

TEST(BuildNewDocument, StartsWithEmptyDirectoriesAndNoExpChannels) {
  const ModelProfile profile;
  SettingsModel model;
  model.individualDirectory[3] = {true, "OLD", "123456789", {}};
  model.groupDirectory[0].member[5] = true;
  model.exp[7].enable = true;
  // Fields the image never holds keep their values.
  model.autoPos.menuDisplay = true;
  model.autoPos.slot[0].channel = "kept";
  model.dscBasic.beepOut[7] = true;
  RadioImage image;
  BuildNewDocument(model, image, profile);

  EXPECT_EQ(model.individualDirectory[3], DirectoryEntry{});
  EXPECT_EQ(model.groupDirectory[0], DirectoryEntry{});
  for (const ExpChannelRecord& exp : model.exp) EXPECT_EQ(exp, ExpChannelRecord{});
  EXPECT_EQ(model.group[kGroup1].size(), 240u);
  EXPECT_TRUE(model.autoPos.menuDisplay);
  EXPECT_EQ(model.autoPos.slot[0].channel, "kept");
  EXPECT_TRUE(model.dscBasic.beepOut[7]);
  EXPECT_EQ(model.common.resumeTime, 3);
  EXPECT_EQ(image.ReadCh15(0), 3300);
  EXPECT_EQ(image.ReadCh15(8190), 3300);

  // The image holds the disabled EXP channels: decoding it gives them back.
  SettingsModel decoded = model;
  DecodeImage(image, profile, decoded);
  for (const ExpChannelRecord& exp : decoded.exp) EXPECT_FALSE(exp.enable);
}

}  // namespace
}  // namespace kol
