#include "files/hex_listing.h"

#include <gtest/gtest.h>

namespace kol {
namespace {

TEST(HexListingTest, HeadingsThenOneLinePerSixteenBytesUnderTheirColumns) {
  RadioImage image;  // all 0xFF
  image[0x1FF0] = 0x00;
  image[0x1FFF] = 0xA5;
  image[0x0012] = 0x3C;
  const std::vector<std::string> lines = HexListing(image);
  ASSERT_EQ(lines.size(), 514u);
  EXPECT_EQ(lines[0], "       00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F");
  EXPECT_EQ(lines[1], " ----  -- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --");
  EXPECT_EQ(lines[2], " 0000: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
  EXPECT_EQ(lines[3], " 0010: FF FF 3C FF FF FF FF FF FF FF FF FF FF FF FF FF");
  EXPECT_EQ(lines[513], " 1FF0: 00 FF FF FF FF FF FF FF FF FF FF FF FF FF FF A5");
  // Each byte stands under its column heading.
  EXPECT_EQ(lines[3].find("3C"), lines[0].find("02"));
}

TEST(HexListingTest, ImageNotAMultipleOfSixteenEndsItsLastLineWithBlanks) {
  const RadioImage image(17);  // 18 bytes
  const std::vector<std::string> lines = HexListing(image);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], " 0010: FF FF" + std::string(14 * 3, ' '));
}

}  // namespace
}  // namespace kol
