#include "link/frame.h"

#include <gtest/gtest.h>

namespace kol {
namespace {

TEST(FrameTest, StatusRequestCarriesChecksum74) {
  EXPECT_EQ(BuildFrame("#CEPSR", "00"), "#CEPSR\t00\t74\r\n");
}

TEST(FrameTest, EmptyLastFieldAddsNoTab) {
  const std::string frame = BuildFrame("#CEPRD", HexAddress(0x20), HexLength(7));
  EXPECT_EQ(frame, "#CEPRD\t0020\t07\t6F\r\n");
  EXPECT_EQ(frame.size(), 19u);
}

TEST(FrameTest, WriteFrameCarriesUpperCaseData) {
  const std::uint8_t data[] = {0xAB, 0x01};
  const std::string frame = BuildFrame("#CEPWR", HexAddress(0x1FF0), HexLength(2), HexBytes(data));
  EXPECT_EQ(frame.substr(0, frame.size() - 4), "#CEPWR\t1FF0\t02\tAB01\t");
  EXPECT_TRUE(VerifyChecksum(frame.substr(0, frame.size() - 2)));
}

TEST(FrameTest, VerifyChecksum) {
  struct Case {
    std::string text;
    bool valid;
  };
  const Case cases[] = {
      {"#CEPSD\t00\t74", false},  // "SD" differs from "SR" in one bit
      {"#CEPSR\t00\t74", true},
      {std::string("A") + "41", true},
      {"a\t68", true},
      {"a\t69", false},
      {"\x0b\x0b" "00", true},
      {"j6a", true},               // lower-case hex accepted
      {"j6A", true},
      {"j6g", false},              // not hex
      {"41", false},               // fewer than 3 characters
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(VerifyChecksum(c.text), c.valid) << c.text;
}

TEST(FrameTest, HexTexts) {
  EXPECT_EQ(HexAddress(0x54), "0054");
  EXPECT_EQ(HexLength(16), "10");
  EXPECT_EQ(HexNumber(0x26), "26");
  EXPECT_EQ(HexNumber(0), "0");
  EXPECT_EQ(ParseHex("1fF0"), 0x1FF0u);
  for (std::string_view bad : {"", "-1", "0x10", "12 ", "123456789", "g"}) {
    EXPECT_FALSE(ParseHex(bad).has_value()) << bad;
  }
  EXPECT_EQ(ParseHexBytes("0aFF"), (std::vector<std::uint8_t>{0x0A, 0xFF}));
  EXPECT_FALSE(ParseHexBytes("0aF").has_value());
  EXPECT_FALSE(ParseHexBytes("0x").has_value());
}

TEST(FrameTest, SplitTabsKeepsEmptyPieces) {
  const auto pieces = SplitTabs("\t00\t74");
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(Piece(pieces, 0), "");
  EXPECT_EQ(Piece(pieces, 1), "00");
  EXPECT_EQ(Piece(pieces, 5), "");
}

}  // namespace
}  // namespace kol
