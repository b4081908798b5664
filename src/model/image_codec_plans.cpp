// Channel plans (bitmaps and attribute bytes) and the two MMSI directories.
#include <array>

#include "model/image_codec_parts.h"

namespace kol::codec {
namespace {

namespace im = image_map;

constexpr std::array<TransmitFlags, 4> kTransmitModes = {{
    {false, false},  // 0: receive only
    {true, true},    // 1: low power
    {false, false},  // 2: receive only
    {true, false},   // 3: normal power
}};

constexpr int kAttributeFlagBits = 0xF0;  // bits 3-0 are the radio's own

void DecodeAttribute(std::uint8_t byte, ChannelRecord& record) {
  const TransmitFlags flags = DecodeTransmitMode(byte >> 6);
  record.txEnable = flags.txEnable;
  record.lowPower = flags.lowPower;
  record.duplex = (byte >> im::kDuplexBit) & 1;
  record.powerUp = (byte >> im::kPowUpBit) & 1;
}

std::uint8_t EncodeAttribute(const ChannelRecord& record, std::uint8_t old) {
  const int flags = EncodeTransmitMode(record.txEnable, record.lowPower) << 6 |
                    (record.duplex && record.duplexAllowed) << im::kDuplexBit |
                    record.powerUp << im::kPowUpBit;
  return static_cast<std::uint8_t>((old & ~kAttributeFlagBits) | flags);
}

std::size_t AttributeCount(const ChannelPlan& plan) {
  return std::min<std::size_t>(plan.size(), im::kAttributeBytes);
}

}  // namespace

TransmitFlags DecodeTransmitMode(int mode) { return kTransmitModes[mode & 3]; }

int EncodeTransmitMode(bool txEnable, bool lowPower) { return !txEnable ? 0 : lowPower ? 1 : 3; }

void DecodePlan(const RadioImage& image, const im::PlanBlocks& blocks, ChannelPlan& plan) {
  ReadBitmap<ChannelRecord>(image, blocks.enable, blocks.bitmapBytes, plan, &ChannelRecord::enable);
  ReadBitmap<ChannelRecord>(image, blocks.scanMemory, blocks.bitmapBytes, plan,
                            &ChannelRecord::scanMemory);
  if (blocks.attributes < 0) return;
  for (std::size_t k = 0; k < AttributeCount(plan); ++k) {
    DecodeAttribute(image[blocks.attributes + k], plan[k]);
  }
}

void EncodePlan(const ChannelPlan& plan, const im::PlanBlocks& blocks, RadioImage& image) {
  WriteBitmap<ChannelRecord>(plan, &ChannelRecord::enable, blocks.enable, blocks.bitmapBytes,
                             image);
  WriteBitmap<ChannelRecord>(plan, &ChannelRecord::scanMemory, blocks.scanMemory,
                             blocks.bitmapBytes, image);
  if (blocks.attributes < 0) return;
  for (std::size_t k = 0; k < AttributeCount(plan); ++k) {
    std::uint8_t& byte = image[blocks.attributes + k];
    byte = EncodeAttribute(plan[k], byte);
  }
}

void DecodeDirectory(const RadioImage& image, int base, std::span<DirectoryEntry> entries) {
  for (std::size_t n = 0; n < entries.size(); ++n) {
    const int entry = base + im::kDirectoryEntrySize * static_cast<int>(n);
    entries[n].mmsi = image.ReadBcd10(entry + im::kDirectoryMmsi);
    entries[n].tagName = image.ReadChars(entry + im::kDirectoryTagName, im::kTagNameLength);
  }
  // The radio keeps the directory as a list ending at the first empty MMSI: anything after
  // it is left-over memory, not an entry. Member flags are not in the image and stay as
  // the settings file gave them.
  bool ended = false;
  for (DirectoryEntry& entry : entries) {
    ended = ended || entry.mmsi.empty();
    entry.enable = !ended;
    if (ended) {
      entry.mmsi.clear();
      entry.tagName.clear();
    }
  }
}

void EncodeDirectory(std::span<const DirectoryEntry> entries, int base, RadioImage& image) {
  for (std::size_t n = 0; n < entries.size(); ++n) {
    const int entry = base + im::kDirectoryEntrySize * static_cast<int>(n);
    image.WriteBcd10(entry + im::kDirectoryMmsi, entries[n].mmsi, true);
    image.WriteChars(entry + im::kDirectoryTagName, im::kTagNameLength, entries[n].tagName);
  }
}

}  // namespace kol::codec
