#include "model/default_document.h"

#include <cstdint>

#include "model/image_codec.h"
#include "model/image_map.h"
#include "model/value_tables.h"

namespace kol {
namespace {

namespace map = image_map;

struct DefaultByte {
  int offset;
  std::uint8_t value;
};

// What the factory image holds besides 0xFF and the identifiers. The second bytes of the
// priority channels and of the operating channels stay 0xFF: no channel is set there.
constexpr DefaultByte kFactoryBytes[] = {
    {map::kStartingChannelMode, 0x00},
    {map::kChannelNo, 0x00},
    {map::kChannelNo + 1, 0x00},
    {map::kChannelNo + 2, 0x00},  // the spare byte after Channel No
    {map::kOperatingGroup, 0x00},
    {map::kOperatingMode, 0x00},
    {map::kOperatingChannel, 0x00},
    {map::kSecondOperatingChannel, 0x00},
    {map::kOperatingWeatherChannel, 0x00},
    {map::kTxPoDisplay, 0x00},
    {map::kTxPoDisplay + 1, 0x00},  // the spare byte after TX Po Display
    {map::kResumeTime, 0x03},
    {map::kPriorityCh, 0x20},
    {map::kPriorityCh + map::kPriorityChStride, 0x20},
    {map::kPriorityCh + 2 * map::kPriorityChStride, 0x20},
    {map::kUserMmsiPresent, 0x00},
    {map::kCallTypeFlags[kAllShipsCall], 0x60},
    {map::kCallTypeFlags[kGroupCall], 0x10},
    {map::kCallTypeFlags[kIndividualCall], 0x10},
    {map::kCallTypeFlags[kPosRequest], 0xAC},
    {map::kCallTypeFlags[kPosReport], 0xAC},
    {map::kDscFlags, 0xFE},
};

}  // namespace

void WriteBuiltInDefaultImage(RadioImage& image) {
  image.Reset(kDefaultImageUpperBound);
  for (const DefaultByte& b : kFactoryBytes) image[b.offset] = b.value;
  image.WriteCh15(map::kModelIdentifier, kBuiltInModelIdentifier);
  image.WriteCh15(map::TrailingModelIdentifier(image.UpperBound()), kBuiltInModelIdentifier);
}

void BuildNewDocument(SettingsModel& model, RadioImage& image, const ModelProfile& profile) {
  for (int group = kGroup1; group <= kGroup3; ++group) BuildChannelPlan(group, model.group[group]);
  BuildWeatherPlan(model.weather);
  for (DirectoryEntry& entry : model.individualDirectory) entry.Clear();
  for (DirectoryEntry& entry : model.groupDirectory) entry.Clear();
  if (profile.IsBuiltIn()) {
    WriteBuiltInDefaultImage(image);
    DecodeGeneral(image, model);
  }
  // The factory image's EXP area is all 0xFF, which would decode as forty enabled channels
  // without frequencies; a new document starts with none.
  model.exp.fill(ExpChannelRecord{});
  EncodeImage(model, profile, image);
}

}  // namespace kol
