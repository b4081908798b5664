#include "model/image_codec.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <map>
#include <string>
#include <vector>

#include "model/codec_fixtures.h"

namespace kol {
namespace {

using test::BuiltModel;
using test::Difference;
using test::FilledImage;
using test::Profile;
using Bytes = std::vector<std::uint8_t>;

Bytes BytesAt(const RadioImage& image, int offset, int n) {
  return Bytes(image.Bytes().begin() + offset, image.Bytes().begin() + offset + n);
}

void Put(RadioImage& image, int offset, const Bytes& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) image[offset + i] = bytes[i];
}

// ---------------------------------------------------------------------------
// Where each field lands: encode a base model and the same model with one field changed
// into the same image; exactly the listed bits may differ.
// ---------------------------------------------------------------------------

struct LocationCase {
  const char* name;
  std::function<void(SettingsModel&)> change;
  std::map<int, std::uint8_t> flipped;  // offset -> changed bits
};

std::map<int, std::uint8_t> EveryExpSlot(std::uint8_t bits) {
  std::map<int, std::uint8_t> flipped;
  for (int k = 0; k < 48; ++k) flipped[0x500 + 16 * k] = bits;
  return flipped;
}

std::map<int, std::uint8_t> FromBlank(int offset, const Bytes& written) {
  std::map<int, std::uint8_t> flipped;
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (written[i] != 0xFF) flipped[offset + static_cast<int>(i)] = written[i] ^ 0xFF;
  }
  return flipped;
}

const LocationCase kLocations[] = {
    {"usable Group1", [](SettingsModel& m) { m.usable.group[0].usable = true; }, {{0x10, 0x01}}},
    {"usable Exp CH", [](SettingsModel& m) { m.usable.group[3].usable = true; }, {{0x13, 0x01}}},
    {"priority CH Group2",
     [](SettingsModel& m) { m.usable.group[1].priorityCh = 0x0123; },
     {{0x2C, 0x01}, {0x2D, 0x23}}},
    {"priority CH Exp CH is not stored",
     [](SettingsModel& m) { m.usable.group[3].priorityCh = 5; },
     {}},
    {"status name Group3", [](SettingsModel& m) { m.usable.group[2].statusName = "CAN"; },
     FromBlank(0x38, {'C', 'A', 'N'})},
    {"status name Exp CH", [](SettingsModel& m) { m.usable.group[3].statusName = "EX"; },
     FromBlank(0x3C, {'E', 'X'})},
    {"Exp Ch Group 0", [](SettingsModel& m) { m.usable.expChGroup[0] = true; }, EveryExpSlot(0x08)},
    {"Exp Ch Group 2", [](SettingsModel& m) { m.usable.expChGroup[2] = true; }, EveryExpSlot(0x02)},
    {"starting channel mode",
     [](SettingsModel& m) { m.common.startingChannelMode = 1; },
     {{0x02, 0x01}}},
    {"channel no",
     [](SettingsModel& m) { m.common.channelNo = 0x0105; },
     {{0x03, 0x01}, {0x04, 0x05}}},
    {"TX Po display", [](SettingsModel& m) { m.common.txPoDisplay = 2; }, {{0x0D, 0x02}}},
    {"scan", [](SettingsModel& m) { m.common.scan = true; }, {{0x18, 0x01}}},
    {"PTT scan clear", [](SettingsModel& m) { m.common.pttScanClear = true; }, {{0x1A, 0x01}}},
    {"resume time", [](SettingsModel& m) { m.common.resumeTime = 5; }, {{0x1B, 0x05}}},
    {"weather alert", [](SettingsModel& m) { m.common.weatherAlertMode = 3; }, {{0x17, 0x03}}},
    {"time display", [](SettingsModel& m) { m.common.timeDisplay = true; }, {{0x1D, 0x80}}},
    {"offset time", [](SettingsModel& m) { m.common.offsetTime = -5; }, {{0x1D, 0x20 ^ 0x05}}},
    {"DSC usable flag 3",
     [](SettingsModel& m) { m.dscBasic.usableGroup[3] = true; },
     {{0x53, 0x01}}},
    {"user MMSI", [](SettingsModel& m) { m.dscBasic.userMmsi = "12345"; },
     FromBlank(0x54, {0x12, 0x34, 0x5F, 0xFF, 0xF0})},
    {"BeepOut 0", [](SettingsModel& m) { m.dscBasic.beepOut[0] = true; }, {{0x5F, 0x80}}},
    {"BeepOut 1", [](SettingsModel& m) { m.dscBasic.beepOut[1] = true; }, {{0x5F, 0x10}}},
    {"BeepOut 2", [](SettingsModel& m) { m.dscBasic.beepOut[2] = true; }, {{0x60, 0x01}}},
    {"BeepOut 3", [](SettingsModel& m) { m.dscBasic.beepOut[3] = true; }, {{0x61, 0x01}}},
    {"BeepOut 4", [](SettingsModel& m) { m.dscBasic.beepOut[4] = true; }, {{0x5F, 0x08}}},
    {"BeepOut 5", [](SettingsModel& m) { m.dscBasic.beepOut[5] = true; }, {{0x62, 0x01}}},
    {"BeepOut 6", [](SettingsModel& m) { m.dscBasic.beepOut[6] = true; }, {{0x63, 0x01}}},
    {"BeepOut 7 is not stored", [](SettingsModel& m) { m.dscBasic.beepOut[7] = true; }, {}},
    {"distress cancel call",
     [](SettingsModel& m) { m.dscBasic.distressCancelCall = true; },
     {{0x5F, 0x20}}},
    {"All Ships receive Distress",
     [](SettingsModel& m) { m.dscAdvanced.call[kAllShipsCall].receive[kDistress] = true; },
     {{0x5A, 0x80}}},
    {"Individual receive Urgency",
     [](SettingsModel& m) { m.dscAdvanced.call[kIndividualCall].receive[kUrgency] = true; },
     {{0x5C, 0x40}}},
    {"Group TX Safety",
     [](SettingsModel& m) { m.dscAdvanced.call[kGroupCall].tx[kSafety] = true; },
     {{0x5B, 0x02}}},
    {"PosRequest TX Routine",
     [](SettingsModel& m) { m.dscAdvanced.call[kPosRequest].tx[kRoutine] = true; },
     {{0x5D, 0x01}}},
    {"PosReport receive Routine",
     [](SettingsModel& m) { m.dscAdvanced.call[kPosReport].receive[kRoutine] = true; },
     {{0x5E, 0x10}}},
    {"Individual ACK menu",
     [](SettingsModel& m) { m.dscDisplay.individualAckMenu = true; },
     {{0x5F, 0x04}}},
    {"Individual ACK message menu",
     [](SettingsModel& m) { m.dscDisplay.individualAckMessageMenu = true; },
     {{0x5F, 0x02}}},
    {"POS request ACK menu",
     [](SettingsModel& m) { m.dscDisplay.posRequestAckMenu = true; },
     {{0x5F, 0x01}}},
    {"AutoPos enable", [](SettingsModel& m) { m.autoPos.slot[1].enable = true; }, {{0x80, 0x01}}},
    {"AutoPos channel",
     [](SettingsModel& m) { m.autoPos.slot[1].channel = "300"; },
     {{0x81, 0x01}, {0x82, 0x2C}}},
    {"AutoPos channel rounds half away",
     [](SettingsModel& m) { m.autoPos.slot[1].channel = "15.5"; },
     {{0x82, 0x10}}},
    {"AutoPos channel negative is none",
     [](SettingsModel& m) { m.autoPos.slot[1].channel = "-1"; },
     {{0x81, 0xFF}, {0x82, 0xFF}}},
    {"AutoPos channel masked",
     [](SettingsModel& m) { m.autoPos.slot[1].channel = "65552"; },
     {{0x82, 0x10}}},
    {"AutoPos channel not a number",
     [](SettingsModel& m) { m.autoPos.slot[1].channel = "16x"; },
     {}},
    {"AutoPos interval",
     [](SettingsModel& m) { m.autoPos.slot[1].interval = "300"; },
     {{0x83, 0x2C}}},
    {"AutoPos interval not a number",
     [](SettingsModel& m) { m.autoPos.slot[1].interval = "OFF"; },
     {}},
    {"AutoPos individual last address",
     [](SettingsModel& m) { m.autoPos.slot[1].lastAddress = 7; },
     {{0x6A, 0x07}}},
    {"AutoPos group last address",
     [](SettingsModel& m) {
       m.autoPos.slot[1].selectCall = 1;
       m.autoPos.slot[1].lastAddress = 7;
     },
     {{0x6D, 0x01}, {0x6B, 0x07}}},
    {"AutoPos other select call has no last address",
     [](SettingsModel& m) {
       m.autoPos.slot[1].selectCall = 2;
       m.autoPos.slot[1].lastAddress = 7;
     },
     {{0x6D, 0x02}}},
    {"AutoPos MMSI", [](SettingsModel& m) { m.autoPos.slot[1].mmsi = "1234567891"; },
     FromBlank(0x84, {0x12, 0x34, 0x56, 0x78, 0x90})},
    {"AutoPos slot 0 and menu display are not stored",
     [](SettingsModel& m) {
       m.autoPos.menuDisplay = true;
       m.autoPos.slot[0] = {"123", true, true, "16", "3", 1, 4};
       m.autoPos.slot[1].rcEnable = true;
     },
     {}},
    {"ATIS usable flag 1", [](SettingsModel& m) { m.atis.usableGroup[1] = true; }, {{0x71, 0x01}}},
    {"ATIS code keeps ten digits", [](SettingsModel& m) { m.atis.atisCode = "1234567891"; },
     FromBlank(0x74, {0x12, 0x34, 0x56, 0x78, 0x91})},
    {"Group2 scan memory",
     [](SettingsModel& m) { m.group[1][5].scanMemory = true; },
     {{0x160, 0x04}}},
    {"Group3 last channel",
     [](SettingsModel& m) { m.group[2][239].enable = !m.group[2][239].enable; },
     {{0x180 + 29, 0x01}}},
    {"Group1 power-up",
     [](SettingsModel& m) { m.group[0][33].powerUp = true; },
     {{0x200 + 33, 0x10}}},
    {"Group2 low power",
     [](SettingsModel& m) { m.group[1][32].lowPower = true; },
     {{0x300 + 32, 0x80}}},
    {"Group3 receive only",
     [](SettingsModel& m) { m.group[2][32].txEnable = false; },
     {{0x400 + 32, 0xC0}}},
    {"weather scan memory",
     [](SettingsModel& m) { m.weather[9].scanMemory = true; },
     {{0x1D1, 0x40}}},
    {"individual directory name",
     [](SettingsModel& m) { m.individualDirectory[47].tagName = "XY"; },
     FromBlank(0x800 + 47 * 16 + 5, {'X', 'Y'})},
    {"group directory MMSI", [](SettingsModel& m) { m.groupDirectory[19].mmsi = "12"; },
     FromBlank(0xB00 + 19 * 16, {0x12, 0xFF, 0xFF, 0xFF, 0xF0})},
    {"EXP40 scan memory", [](SettingsModel& m) { m.exp[39].scanMemory = true; }, {{0x1D6, 0x01}}},
    {"EXP1 receive frequency",
     [](SettingsModel& m) { m.exp[0].rxFreq = 156.025; },
     {{0x505, 0x56}, {0x506, 0x02}, {0x507, 0x50}}},
    {"EXP1 power-up", [](SettingsModel& m) { m.exp[0].powerUp = true; }, {{0x501, 0x10}}},
};

void PrintTo(const LocationCase& c, std::ostream* os) { *os << c.name; }

class FieldLocation : public ::testing::TestWithParam<LocationCase> {};

TEST_P(FieldLocation, ChangesExactlyItsOwnBits) {
  SettingsModel base = BuiltModel();
  base.exp[0].enable = true;  // so that Exp CH stays usable
  SettingsModel changed = base;
  GetParam().change(changed);
  RadioImage before = FilledImage(0x00);
  RadioImage after = before;
  EncodeImage(base, Profile(true), before);
  EncodeImage(changed, Profile(true), after);
  EXPECT_EQ(Difference(before, after), GetParam().flipped);
}

INSTANTIATE_TEST_SUITE_P(Codec, FieldLocation, ::testing::ValuesIn(kLocations),
                         [](const auto& info) {
                           std::string name;
                           for (char c : std::string(info.param.name)) {
                             name += std::isalnum(c) ? c : '_';
                           }
                           return name;
                         });

// ---------------------------------------------------------------------------
// Decoding
// ---------------------------------------------------------------------------

TEST(DecodeImage, BlankImageGivesEmptyTextsAndAllFlagsSet) {
  SettingsModel model = BuiltModel();
  DecodeImage(RadioImage(), Profile(true), model);

  EXPECT_EQ(model.common.channelNo, 32767);
  EXPECT_EQ(model.usable.group[0].priorityCh, 32767);
  EXPECT_EQ(model.common.offsetTime, 31);
  EXPECT_TRUE(model.common.timeDisplay);
  EXPECT_EQ(model.usable.group[1].statusName, "");
  EXPECT_EQ(model.dscBasic.userMmsi, "");
  EXPECT_EQ(model.atis.atisCode, "");
  EXPECT_EQ(model.autoPos.slot[1].channel, "32767");
  EXPECT_EQ(model.autoPos.slot[1].interval, "255");
  for (const ChannelPlan& plan : model.group) {
    for (const ChannelRecord& record : plan) {
      EXPECT_TRUE(record.enable && record.scanMemory && record.txEnable && record.duplex &&
                  record.powerUp);
      EXPECT_FALSE(record.lowPower);
    }
  }
  for (const ChannelRecord& record : model.weather) EXPECT_TRUE(record.enable && record.scanMemory);
  for (const ExpChannelRecord& exp : model.exp) {
    EXPECT_TRUE(exp.enable && exp.txEnable);
    EXPECT_FALSE(exp.lowPower);
    EXPECT_EQ(exp.chDisplayL + exp.chDisplayR, "");
    EXPECT_EQ(exp.rxFreq, 0.0);
    EXPECT_EQ(exp.txFreq, 0.0);
  }
  for (const DirectoryEntry& entry : model.individualDirectory) EXPECT_FALSE(entry.enable);
}

TEST(DecodeImage, KeepsTheFixedFieldsOfThePlans) {
  SettingsModel model = BuiltModel();
  const SettingsModel built = model;
  DecodeImage(FilledImage(0x00), Profile(true), model);
  for (int g = 0; g < 3; ++g) {
    for (std::size_t k = 0; k < model.group[g].size(); ++k) {
      const ChannelRecord& record = model.group[g][k];
      const ChannelRecord& fixed = built.group[g][k];
      EXPECT_EQ(record.position, fixed.position);
      EXPECT_EQ(record.usageName, fixed.usageName);
      EXPECT_EQ(record.receiveOnly, fixed.receiveOnly);
      EXPECT_EQ(record.duplexAllowed, fixed.duplexAllowed);
      EXPECT_FALSE(record.enable || record.txEnable);
    }
  }
}

TEST(DecodeImage, DirectoryEndsAtTheFirstEmptyMmsi) {
  RadioImage image;
  for (int n : {0, 1, 2, 4}) {
    Put(image, 0x800 + 16 * n, {0x21, 0x10, 0x00, 0x00, 0x00, 'S', 'H', 'I', 'P'});
  }
  Put(image, 0x800 + 16 * 3 + 5, {'G', 'H', 'O', 'S', 'T'});  // a name without an MMSI
  SettingsModel model = BuiltModel();
  model.individualDirectory[4].member[3] = true;  // member flags only come from .dat files
  DecodeImage(image, Profile(false), model);

  for (int n = 0; n < 3; ++n) {
    EXPECT_TRUE(model.individualDirectory[n].enable);
    EXPECT_EQ(model.individualDirectory[n].mmsi, "2110000000");
    EXPECT_EQ(model.individualDirectory[n].tagName, "SHIP");
  }
  DirectoryEntry dropped;  // entry 5 and its name are dropped; its member flags stay
  dropped.member[3] = true;
  for (int n = 3; n < kIndividualDirectorySize; ++n) {
    EXPECT_EQ(model.individualDirectory[n], n == 4 ? dropped : DirectoryEntry{}) << n;
  }
}

TEST(DecodeImage, TimeByteGivesDisplayAndSignedOffset) {
  const struct {
    std::uint8_t byte;
    bool local;
    int offset;
  } cases[] = {{0x85, true, -5}, {0xA5, true, 5}, {0x20, false, 0}, {0x40, false, 0},
               {0x18, false, -24}, {0x7F, false, 31}};
  for (const auto& c : cases) {
    RadioImage image;
    image[0x1D] = c.byte;
    SettingsModel model = BuiltModel();
    DecodeGeneral(image, model);
    EXPECT_EQ(model.common.timeDisplay, c.local) << int(c.byte);
    EXPECT_EQ(model.common.offsetTime, c.offset) << int(c.byte);
  }
}

TEST(DecodeImage, AttributeByteGivesTransmitModeDuplexAndPowerUp) {
  const struct {
    std::uint8_t byte;
    bool tx, low, duplex, powerUp;
  } cases[] = {{0x40, true, true, false, false}, {0x80, false, false, false, false},
               {0xC0, true, false, false, false}, {0x00, false, false, false, false},
               {0x3F, false, false, true, true}};
  for (const auto& c : cases) {
    RadioImage image;
    image[0x300 + 100] = c.byte;
    Put(image, 0x500 + 16 * 7 + 1, {c.byte});
    SettingsModel model = BuiltModel();
    DecodeImage(image, Profile(false), model);
    const ChannelRecord& record = model.group[1][100];
    EXPECT_EQ(record.txEnable, c.tx) << int(c.byte);
    EXPECT_EQ(record.lowPower, c.low) << int(c.byte);
    EXPECT_EQ(record.duplex, c.duplex) << int(c.byte);
    EXPECT_EQ(record.powerUp, c.powerUp) << int(c.byte);
    const ExpChannelRecord& exp = model.exp[7];
    EXPECT_EQ(exp.txEnable, c.tx) << int(c.byte);
    EXPECT_EQ(exp.lowPower, c.low) << int(c.byte);
    EXPECT_EQ(exp.powerUp, c.powerUp) << int(c.byte);
  }
}

TEST(DecodeImage, ExpSlotGivesNameFrequenciesAndGroupFlagsOfSlotZero) {
  RadioImage image;
  Put(image, 0x1C2, {0x40, 0x00, 0x00, 0x00, 0x01});
  Put(image, 0x500, {0xF1});  // no Exp Ch Group flag...
  Put(image, 0x510, {0xFE});  // ...slot 1 does not count
  Put(image, 0x510 + 1, {0x40, ' ', '6', 'A', 0x56, 0x12, 0x50, 0x00, 0x00, 0x00});
  SettingsModel model = BuiltModel();
  DecodeImage(image, Profile(false), model);

  EXPECT_EQ(model.usable.expChGroup, (std::array<bool, 3>{false, false, false}));
  const ExpChannelRecord& exp = model.exp[1];
  EXPECT_TRUE(exp.enable);
  EXPECT_TRUE(model.exp[39].enable);
  EXPECT_FALSE(model.exp[0].enable);
  EXPECT_EQ(exp.chDisplayL, " 6");
  EXPECT_EQ(exp.chDisplayR, "A");
  EXPECT_EQ(exp.rxFreq, 156.125);
  EXPECT_EQ(exp.txFreq, 0.0);

  Put(image, 0x500, {0x0A});
  DecodeGeneral(image, model);
  EXPECT_EQ(model.usable.expChGroup, (std::array<bool, 3>{true, false, true}));
}

TEST(DecodeImage, AutoPosTakesItsLastAddressFromTheSelectCallsByte) {
  RadioImage image;
  Put(image, 0x6A, {0x03, 0x09});
  Put(image, 0x81, {0x80, 0x10, 0x05});
  const struct {
    std::uint8_t selectCall;
    int lastAddress;
  } cases[] = {{0, 3}, {1, 9}, {2, 42}, {0xFF, 42}};
  for (const auto& c : cases) {
    image[0x6D] = c.selectCall;
    SettingsModel model = BuiltModel();
    model.autoPos.slot[1].lastAddress = 42;
    DecodeGeneral(image, model);
    EXPECT_EQ(model.autoPos.slot[1].selectCall, c.selectCall);
    EXPECT_EQ(model.autoPos.slot[1].lastAddress, c.lastAddress) << int(c.selectCall);
    EXPECT_EQ(model.autoPos.slot[1].channel, "16");
    EXPECT_EQ(model.autoPos.slot[1].interval, "5");
  }
}

TEST(DecodeImage, WeatherChannelsOnlyWhenTheModelHasThem) {
  RadioImage image;
  Put(image, 0x1C0, {0x00, 0x00});
  for (bool weather : {false, true}) {
    SettingsModel model = BuiltModel();
    DecodeImage(image, Profile(weather), model);
    EXPECT_EQ(model.weather[0].enable, !weather);
  }
}

// ---------------------------------------------------------------------------
// Encoding
// ---------------------------------------------------------------------------

class EncodeExp : public ::testing::Test {
 protected:
  RadioImage Encode(const ExpChannelRecord& record) {
    model.exp[4] = record;
    RadioImage image = FilledImage(0x00);
    image[kSlot] = 0xF1;
    EncodeImage(model, Profile(false), image);
    return image;
  }
  static constexpr int kSlot = 0x500 + 16 * 4;
  SettingsModel model = BuiltModel();
};

TEST_F(EncodeExp, EnabledChannelWithoutTransmitFrequencyBecomesReceiveOnly) {
  ExpChannelRecord record;
  record.enable = record.lowPower = record.txEnable = true;
  record.rxFreq = 156.05;
  RadioImage image = Encode(record);
  EXPECT_FALSE(model.exp[4].txEnable);
  EXPECT_EQ(image[kSlot + 1] & 0xC0, 0x00);

  record.txFreq = 156.05;
  image = Encode(record);
  EXPECT_TRUE(model.exp[4].txEnable);
  EXPECT_EQ(image[kSlot + 1] & 0xC0, 0x40);
}

TEST_F(EncodeExp, NameIsRightAlignedLeftPartThenRightPart) {
  const struct {
    const char* left;
    const char* right;
    Bytes bytes;
  } cases[] = {{"6", "A", {0x20, '6', 'A'}}, {"16", "", {'1', '6', ' '}},
               {"", "", {' ', ' ', ' '}},   {"ABC", "XY", {'B', 'C', 'Y'}},
               {"_1", "#", {0xFF, '1', 0xFF}}};
  for (const auto& c : cases) {
    ExpChannelRecord record;
    record.enable = true;
    record.chDisplayL = c.left;
    record.chDisplayR = c.right;
    RadioImage image = Encode(record);
    EXPECT_EQ(BytesAt(image, kSlot + 2, 3), c.bytes) << c.left << '|' << c.right;
  }
}

TEST_F(EncodeExp, DisabledChannelBlanksItsSlotButKeepsTheGroupByte) {
  model.usable.expChGroup = {true, false, true};
  ExpChannelRecord record;
  record.chDisplayL = "AB";
  record.rxFreq = 156.05;
  RadioImage image = Encode(record);
  EXPECT_EQ(image[kSlot], 0xF0 | 0x08 | 0x02 | 0x01);
  EXPECT_EQ(BytesAt(image, kSlot + 1, 15), Bytes(15, 0xFF));
  EXPECT_EQ(image[kSlot + 16], 0x0A);  // the next slot is another disabled channel
  EXPECT_EQ(image[0x1C2], 0x00);
}

TEST(EncodeImage, OffsetTimeIsClampedInTheModelAndWrittenWithItsSign) {
  const struct {
    int offset;
    bool local;
    int stored;
    std::uint8_t byte;
  } cases[] = {{30, false, 24, 0x38}, {-30, true, -24, 0x98}, {0, false, 0, 0x20},
               {-1, false, -1, 0x01}, {24, true, 24, 0xB8}};
  for (const auto& c : cases) {
    SettingsModel model = BuiltModel();
    model.common.offsetTime = static_cast<std::int16_t>(c.offset);
    model.common.timeDisplay = c.local;
    RadioImage image;  // bit 6 set before, cleared after
    EncodeImage(model, Profile(false), image);
    EXPECT_EQ(model.common.offsetTime, c.stored);
    EXPECT_EQ(image[0x1D], c.byte) << c.offset;
  }
}

TEST(EncodeImage, DuplexNeedsADuplexPair) {
  SettingsModel model = BuiltModel();
  ASSERT_FALSE(model.group[0][33].duplexAllowed);
  model.group[0][33].duplex = true;
  model.group[0][32].duplex = true;
  RadioImage image = FilledImage(0x0F);
  EncodeImage(model, Profile(false), image);
  EXPECT_EQ(image[0x200 + 33] & 0x2F, 0x0F);
  EXPECT_EQ(image[0x200 + 32] & 0x2F, 0x2F);
}

TEST(EncodeImage, WeatherBitmapZeroesItsSpareBitsOnlyWhenTheModelHasWeather) {
  SettingsModel model = BuiltModel();
  RadioImage image = FilledImage(0xFF);
  model.weather[1].scanMemory = true;
  EncodeImage(model, Profile(true), image);
  EXPECT_EQ(BytesAt(image, 0x1C0, 2), (Bytes{0xFF, 0xC0}));
  EXPECT_EQ(BytesAt(image, 0x1D0, 2), (Bytes{0x40, 0x00}));

  RadioImage untouched = FilledImage(0xFF);
  EncodeImage(model, Profile(false), untouched);
  EXPECT_EQ(BytesAt(untouched, 0x1C0, 2), (Bytes{0xFF, 0xFF}));
}

TEST(EncodeImage, GroupsWithoutEnabledChannelsAreNotUsableOnTheBuiltInModel) {
  SettingsModel model = BuiltModel();
  for (ChannelRecord& record : model.group[1]) record.enable = false;
  for (UsableGroup& group : model.usable.group) group.usable = true;
  SettingsModel other = model;

  RadioImage image;
  EncodeImage(model, Profile(false), image);
  EXPECT_EQ(BytesAt(image, 0x10, 4), (Bytes{1, 0, 1, 0}));
  EXPECT_TRUE(model.usable.group[0].usable);
  EXPECT_FALSE(model.usable.group[1].usable);
  EXPECT_FALSE(model.usable.group[3].usable);

  ModelProfile unknown = Profile(false);
  unknown.modelCode = 2;
  EncodeImage(other, unknown, image);
  EXPECT_EQ(BytesAt(image, 0x10, 4), (Bytes{1, 1, 1, 1}));
}

TEST(EncodeImage, NeverWritesIdentifierOperatingStateOrProductCode) {
  SettingsModel model = BuiltModel();
  RadioImage image = FilledImage(0x5A);
  EncodeImage(model, Profile(true), image);
  for (int offset :
       {0x00, 0x01, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x20, 0x26, 0x59, 0x1FFE, 0x1FFF}) {
    EXPECT_EQ(image[offset], 0x5A) << std::hex << offset;
  }
}

}  // namespace
}  // namespace kol
