// General settings: one walk over the fields that map one-to-one onto the image, run with
// a reader to decode and with a writer to encode, so the two directions cannot drift apart.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "model/image_codec.h"
#include "model/image_codec_parts.h"
#include "model/number_text.h"

namespace kol {
namespace {

namespace im = image_map;

class FieldReader {
 public:
  explicit FieldReader(const RadioImage& image) : image_(image) {}
  void Bool8(int offset, bool& value) const { value = image_.ReadBool8(offset); }
  void Bit(int offset, int bit, bool& value) const { value = image_.ReadBit(offset, bit); }
  void U8(int offset, std::int16_t& value) const { value = image_[offset]; }
  void Ch15(int offset, ChannelCode& value) const { value = image_.ReadCh15(offset); }
  void Chars(int offset, int n, std::string& value) const { value = image_.ReadChars(offset, n); }
  void Bcd10(int offset, std::string& value, bool /*tenthDigitRule*/) const {
    value = image_.ReadBcd10(offset);
  }

 private:
  const RadioImage& image_;
};

class FieldWriter {
 public:
  explicit FieldWriter(RadioImage& image) : image_(image) {}
  void Bool8(int offset, bool value) const { image_.WriteBool8(offset, value); }
  void Bit(int offset, int bit, bool value) const { image_.WriteBit(offset, bit, value); }
  void U8(int offset, std::int16_t value) const {
    image_[offset] = static_cast<std::uint8_t>(value);
  }
  void Ch15(int offset, ChannelCode value) const { image_.WriteCh15(offset, value); }
  void Chars(int offset, int n, const std::string& value) const {
    image_.WriteChars(offset, n, value);
  }
  void Bcd10(int offset, const std::string& value, bool tenthDigitRule) const {
    image_.WriteBcd10(offset, value, tenthDigitRule);
  }

 private:
  RadioImage& image_;
};

template <typename Fields, typename Flag>
void FlagField(Fields& fields, im::FlagLocation location, Flag& value) {
  if (location.bit == im::kWholeByte) {
    fields.Bool8(location.offset, value);
  } else {
    fields.Bit(location.offset, location.bit, value);
  }
}

// Every general field that reads and writes symmetrically; the writer only reads the model.
template <typename Fields>
void GeneralFields(Fields& f, SettingsModel& m) {
  for (int i = 0; i < 4; ++i) {
    UsableGroup& group = m.usable.group[i];
    f.Bool8(im::kUsableFlags + i, group.usable);
    if (i < 3) f.Ch15(im::kPriorityCh + im::kPriorityChStride * i, group.priorityCh);
    f.Chars(im::kStatusName + im::kStatusNameStride * i, im::kStatusNameLength, group.statusName);
  }

  CommonSetup& common = m.common;
  f.U8(im::kStartingChannelMode, common.startingChannelMode);
  f.Ch15(im::kChannelNo, common.channelNo);
  f.U8(im::kTxPoDisplay, common.txPoDisplay);
  f.Bool8(im::kScan, common.scan);
  f.Bool8(im::kPttScanClear, common.pttScanClear);
  f.U8(im::kResumeTime, common.resumeTime);
  f.Bit(im::kTimeByte, im::kTimeDisplayBit, common.timeDisplay);
  f.U8(im::kWeater, common.weatherAlertMode);

  DscBasicSetup& basic = m.dscBasic;
  for (int i = 0; i < 4; ++i) f.Bool8(im::kDscUsableFlags + i, basic.usableGroup[i]);
  f.Bcd10(im::kUserMmsi, basic.userMmsi, true);
  for (std::size_t i = 0; i < im::kBeepOut.size(); ++i) {
    FlagField(f, im::kBeepOut[i], basic.beepOut[i]);
  }
  f.Bit(im::kDscFlags, im::kDistressCancelCallBit, basic.distressCancelCall);

  for (int type = 0; type < kCallTypeCount; ++type) {
    CallTypeFlags& call = m.dscAdvanced.call[type];
    for (int j = 0; j < 4; ++j) {
      f.Bit(im::kCallTypeFlags[type], im::kReceiveTopBit - j, call.receive[j]);
      f.Bit(im::kCallTypeFlags[type], im::kTxTopBit - j, call.tx[j]);
    }
  }

  DscDisplaySetup& display = m.dscDisplay;
  f.Bit(im::kDscFlags, im::kIndividualAckMenuBit, display.individualAckMenu);
  f.Bit(im::kDscFlags, im::kIndividualAckMessageMenuBit, display.individualAckMessageMenu);
  f.Bit(im::kDscFlags, im::kPosRequestAckMenuBit, display.posRequestAckMenu);

  AutoPosSlot& autoPos = m.autoPos.slot[1];
  f.Bool8(im::kAutoPosEnable, autoPos.enable);
  f.U8(im::kAutoPosSelectCall, autoPos.selectCall);
  f.Bcd10(im::kAutoPosMmsi, autoPos.mmsi, true);

  for (int i = 0; i < 4; ++i) f.Bool8(im::kAtisUsableFlags + i, m.atis.usableGroup[i]);
  f.Bcd10(im::kAtisCode, m.atis.atisCode, false);
}

// LASTADDRESS has one byte per select call type; other select calls have none.
int LastAddressOffset(int selectCall) {
  if (selectCall == 0) return im::kAutoPosLastAddressIndividual;
  if (selectCall == 1) return im::kAutoPosLastAddressGroup;
  return -1;
}

constexpr int kMaxOffsetHalfHours = 24;

int DecodeOffsetTime(const RadioImage& image) {
  const int magnitude =
      image.ReadBits(im::kTimeByte, im::kOffsetMagnitudeTopBit, im::kOffsetMagnitudeBits);
  return image.ReadBit(im::kTimeByte, im::kOffsetSignBit) ? magnitude : -magnitude;
}

// The spare bit 6 is written 0 together with the offset.
void EncodeOffsetTime(int halfHours, RadioImage& image) {
  const int sign = halfHours >= 0 ? 1 << im::kOffsetSignBit : 0;
  image.WriteBits(im::kTimeByte, im::kOffsetFieldBits - 1, im::kOffsetFieldBits,
                  sign + std::abs(halfHours));
}

// CHANNEL holds any text a settings file gave it; the image takes the number it holds.
ChannelCode ChannelFromText(const std::string& text) {
  const double number = TextFieldNumber(text);
  return number < 0 ? -1 : static_cast<ChannelCode>(LowBits(number, 16));
}

}  // namespace

void DecodeGeneral(const RadioImage& image, SettingsModel& model) {
  FieldReader reader(image);
  GeneralFields(reader, model);
  for (int i = 0; i < 3; ++i) {
    model.usable.expChGroup[i] =
        image.ReadBit(im::ExpSlot(0) + im::kExpGroupFlagsByte, im::kExpGroupFlagBits[i]);
  }
  model.common.offsetTime = static_cast<std::int16_t>(DecodeOffsetTime(image));
  AutoPosSlot& autoPos = model.autoPos.slot[1];
  autoPos.channel = std::to_string(image.ReadCh15(im::kAutoPosChannel));
  autoPos.interval = std::to_string(image[im::kAutoPosInterval]);
  if (const int offset = LastAddressOffset(autoPos.selectCall); offset >= 0) {
    autoPos.lastAddress = image[offset];
  }
}

namespace codec {

void EncodeGeneral(SettingsModel& model, RadioImage& image) {
  FieldWriter writer(image);
  GeneralFields(writer, model);
  for (int k = 0; k < im::kExpSlotCount; ++k) {
    for (int i = 0; i < 3; ++i) {
      image.WriteBit(im::ExpSlot(k) + im::kExpGroupFlagsByte, im::kExpGroupFlagBits[i],
                     model.usable.expChGroup[i]);
    }
  }
  CommonSetup& common = model.common;
  common.offsetTime = static_cast<std::int16_t>(
      std::clamp<int>(common.offsetTime, -kMaxOffsetHalfHours, kMaxOffsetHalfHours));
  EncodeOffsetTime(common.offsetTime, image);
  const AutoPosSlot& autoPos = model.autoPos.slot[1];
  image.WriteCh15(im::kAutoPosChannel, ChannelFromText(autoPos.channel));
  image[im::kAutoPosInterval] =
      static_cast<std::uint8_t>(LowBits(TextFieldNumber(autoPos.interval), 8));
  if (const int offset = LastAddressOffset(autoPos.selectCall); offset >= 0) {
    image[offset] = static_cast<std::uint8_t>(autoPos.lastAddress);
  }
}

}  // namespace codec
}  // namespace kol
