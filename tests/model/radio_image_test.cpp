#include "model/radio_image.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace kol {
namespace {

using Bytes = std::vector<std::uint8_t>;

RadioImage ImageWith(int offset, const Bytes& bytes) {
  RadioImage image;
  for (std::size_t i = 0; i < bytes.size(); ++i) image[offset + i] = bytes[i];
  return image;
}

Bytes BytesAt(const RadioImage& image, int offset, int n) {
  return Bytes(image.Bytes().begin() + offset, image.Bytes().begin() + offset + n);
}

TEST(RadioImage, NewImageIsBlankAndSizedByItsUpperBound) {
  RadioImage image;
  EXPECT_EQ(image.Size(), 8192u);
  EXPECT_EQ(image.UpperBound(), 8191);
  EXPECT_TRUE(
      std::all_of(image.Bytes().begin(), image.Bytes().end(), [](auto b) { return b == 0xFF; }));
  image[5] = 0;
  image.Reset(32767);
  EXPECT_EQ(image.Size(), 32768u);
  EXPECT_EQ(image[5], 0xFF);
  EXPECT_THROW(image[32768], std::out_of_range);
}

TEST(RadioImage, Ch15IgnoresBitSevenOnReadAndMasksOnWrite) {
  EXPECT_EQ(ImageWith(0, {0x0C, 0xE4}).ReadCh15(0), 3300);
  EXPECT_EQ(ImageWith(0, {0x8C, 0xE4}).ReadCh15(0), 3300);
  EXPECT_EQ(ImageWith(0, {0xFF, 0xFF}).ReadCh15(0), 32767);

  const struct {
    std::int32_t value;
    Bytes bytes;
  } writes[] = {{0, {0x00, 0x00}}, {279, {0x01, 0x17}}, {-1, {0xFF, 0xFF}},
                {-300, {0xFF, 0xFF}}, {0x11170, {0x11, 0x70}}, {0xFFFF, {0xFF, 0xFF}}};
  for (const auto& w : writes) {
    RadioImage image;
    image.WriteCh15(10, w.value);
    EXPECT_EQ(BytesAt(image, 10, 2), w.bytes) << w.value;
  }
}

TEST(RadioImage, CharsEndAtTheFirstForeignByteAndLoseTrailingSpaces) {
  const struct {
    Bytes bytes;
    const char* text;
  } reads[] = {
      {{'A', 'B', 0xFF}, "AB"},   {{'A', ' ', 'B'}, "A B"}, {{'A', 'B', ' '}, "AB"},
      {{0xFF, 'A', 'B'}, ""},     {{'a', 0x01, 'B'}, "a"},  {{' ', ' ', ' '}, ""},
      {{'(', '+', '/'}, "(+/"},   {{'_', 'A', 'A'}, ""},
  };
  for (const auto& r : reads) EXPECT_EQ(ImageWith(0x30, r.bytes).ReadChars(0x30, 3), r.text);

  RadioImage image = ImageWith(0x30, {0, 0, 0, 0, 0});
  image.WriteChars(0x30, 4, "a#, ");
  EXPECT_EQ(BytesAt(image, 0x30, 5), (Bytes{'a', 0xFF, ',', ' ', 0}));
  image.WriteChars(0x30, 4, "Z");
  EXPECT_EQ(BytesAt(image, 0x30, 5), (Bytes{'Z', 0xFF, 0xFF, 0xFF, 0}));
  image.WriteChars(0x30, 2, "LONG");
  EXPECT_EQ(BytesAt(image, 0x30, 3), (Bytes{'L', 'O', 0xFF}));
}

TEST(RadioImage, IsRadioCharAcceptsDigitsLettersAndNinePunctuationMarks) {
  int permitted = 0;
  for (int c = 0; c < 256; ++c) permitted += IsRadioChar(static_cast<unsigned char>(c));
  EXPECT_EQ(permitted, 10 + 26 + 26 + 9);
  for (char c : std::string_view("-+().*/, 0Zz")) EXPECT_TRUE(IsRadioChar(c)) << c;
  for (int c : {int{'_'}, int{'#'}, int{'\''}, 0x00, 0x7F, 0xC4, 0xFF}) {
    EXPECT_FALSE(IsRadioChar(c)) << c;
  }
}

TEST(RadioImage, Bcd10ReadsDigitsUpToTheFirstNibbleAboveNine) {
  const struct {
    Bytes bytes;
    const char* digits;
  } reads[] = {
      {{0x12, 0x34, 0x5F, 0xFF, 0xF0}, "12345"},
      {{0x12, 0x34, 0x56, 0x78, 0x90}, "1234567890"},
      {{0x12, 0x34, 0x56, 0x78, 0x9A}, "123456789"},
      {{0xFF, 0x12, 0x34, 0x56, 0x78}, ""},
      {{0x0A, 0x12, 0x34, 0x56, 0x78}, "0"},
  };
  for (const auto& r : reads) EXPECT_EQ(ImageWith(0x54, r.bytes).ReadBcd10(0x54), r.digits);
}

TEST(RadioImage, Bcd10WritesDigitsWithTheTenthDigitRuleWhereAsked) {
  const struct {
    const char* text;
    bool tenthDigitRule;
    Bytes bytes;
  } writes[] = {
      {"12345", true, {0x12, 0x34, 0x5F, 0xFF, 0xF0}},
      {"123456789", true, {0x12, 0x34, 0x56, 0x78, 0x90}},
      {"1234567891", true, {0x12, 0x34, 0x56, 0x78, 0x90}},
      {"1234567891", false, {0x12, 0x34, 0x56, 0x78, 0x91}},
      {"12a4", false, {0x12, 0xF4, 0xFF, 0xFF, 0xFF}},
      {"123456789012", false, {0x12, 0x34, 0x56, 0x78, 0x90}},
      {"", true, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {" \t ", true, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const auto& w : writes) {
    RadioImage image = ImageWith(0x54, {0, 0, 0, 0, 0, 0x42});
    image.WriteBcd10(0x54, w.text, w.tenthDigitRule);
    EXPECT_EQ(BytesAt(image, 0x54, 6),
              (Bytes{w.bytes[0], w.bytes[1], w.bytes[2], w.bytes[3], w.bytes[4], 0x42}))
        << w.text;
  }
}

TEST(RadioImage, Freq3ReadsTheLeadingDecimalNumberOfItsDigits) {
  const struct {
    Bytes bytes;
    double mhz;
  } reads[] = {
      {{0x56, 0x12, 0x50}, 156.125},   {{0x56, 0x02, 0x50}, 156.025},
      {{0x00, 0x00, 0x00}, 0.0},       {{0xFF, 0xFF, 0xFF}, 0.0},
      {{0x5F, 0x12, 0x34}, 105.0},     {{0x56, 0x1E, 0x50}, 156.1},
      {{0x56, 0xE1, 0x23}, 156.0},     {{0x99, 0x99, 0x99}, 199.9999},
      {{0x00, 0x00, 0x01}, 100.0001},  {{0xA5, 0x12, 0x34}, 0.0},
      {{0x0D, 0x12, 0x34}, 0.0},       {{0x1E, 0x12, 0x34}, 101.0},
  };
  for (const auto& r : reads) {
    EXPECT_EQ(ImageWith(0x505, r.bytes).ReadFreq3(0x505), r.mhz)
        << std::hex << int(r.bytes[0]) << ' ' << int(r.bytes[1]) << ' ' << int(r.bytes[2]);
  }
}

// A stored frequency decodes to the double nearest its decimal text and encodes back to
// the same bytes (every seventh digit combination, which walks through all last digits).
TEST(RadioImage, Freq3RoundTripsStoredDigits) {
  RadioImage image;
  for (int digits = 1; digits <= 999999; digits += 7) {
    const Bytes bytes = {static_cast<std::uint8_t>((digits / 100000) << 4 | (digits / 10000) % 10),
                         static_cast<std::uint8_t>((digits / 1000) % 10 << 4 | (digits / 100) % 10),
                         static_cast<std::uint8_t>((digits / 10) % 10 << 4 | digits % 10)};
    char text[16];
    std::snprintf(text, sizeof text, "1%02d.%04d", digits / 10000, digits % 10000);
    double expected = 0;
    std::from_chars(text, text + 8, expected);
    for (int i = 0; i < 3; ++i) image[0x505 + i] = bytes[i];
    ASSERT_EQ(image.ReadFreq3(0x505), expected) << text;
    image.WriteFreq3(0x508, expected);
    ASSERT_EQ(BytesAt(image, 0x508, 3), bytes) << text;
  }
}

TEST(RadioImage, Freq3WritesFourDecimalsAndNothingOutsideTheBand) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double mhz;
    Bytes bytes;
  } writes[] = {
      {156.025, {0x56, 0x02, 0x50}},    {156.02505, {0x56, 0x02, 0x51}},
      {156.025049999, {0x56, 0x02, 0x50}}, {156.02515, {0x56, 0x02, 0x52}},
      {100.00004, {0x00, 0x00, 0x00}},  {100.00005, {0x00, 0x00, 0x01}},
      {100.0, {0x00, 0x00, 0x00}},      {0.0, {0x00, 0x00, 0x00}},
      {-156.025, {0x00, 0x00, 0x00}},   {200.0, {0x00, 0x00, 0x00}},
      {199.99996, {0x00, 0x00, 0x00}},  {250.5, {0x00, 0x00, 0x00}},
      {nan, {0x00, 0x00, 0x00}},        {1e300, {0x00, 0x00, 0x00}},
  };
  for (const auto& w : writes) {
    RadioImage image;
    image.WriteFreq3(0x508, w.mhz);
    EXPECT_EQ(BytesAt(image, 0x508, 4), (Bytes{w.bytes[0], w.bytes[1], w.bytes[2], 0xFF})) << w.mhz;
  }
}

TEST(RadioImage, BitFieldsLeaveTheOtherBitsAlone) {
  RadioImage image = ImageWith(0x1D, {0b1010'0101});
  EXPECT_TRUE(image.ReadBit(0x1D, 7));
  EXPECT_FALSE(image.ReadBit(0x1D, 6));
  EXPECT_EQ(image.ReadBits(0x1D, 4, 5), 0b00101);
  image.WriteBits(0x1D, 6, 7, 0x38);
  EXPECT_EQ(image[0x1D], 0b1011'1000);
  image.WriteBits(0x1D, 1, 2, -1);  // masked to the field
  EXPECT_EQ(image[0x1D], 0b1011'1011);
  image.WriteBit(0x1D, 7, false);
  EXPECT_EQ(image[0x1D], 0b0011'1011);

  const RadioImage bitmap = ImageWith(0x1C0, {0x80, 0x40});
  EXPECT_TRUE(bitmap.ReadBitmapFlag(0x1C0, 0));
  EXPECT_FALSE(bitmap.ReadBitmapFlag(0x1C0, 1));
  EXPECT_TRUE(bitmap.ReadBitmapFlag(0x1C0, 9));
  EXPECT_FALSE(bitmap.ReadBitmapFlag(0x1C0, 8));
}

}  // namespace
}  // namespace kol
