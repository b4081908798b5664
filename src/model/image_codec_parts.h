// The pieces DecodeImage and EncodeImage are made of, one per area of the image: general
// settings, channel plans, MMSI directories and EXP channels.
#pragma once

#include <algorithm>
#include <span>

#include "model/image_map.h"
#include "model/radio_image.h"
#include "model/settings_model.h"

namespace kol::codec {

// Usable groups, Common, DSC and ATIS setup. May clamp the model's Offset Time.
void EncodeGeneral(SettingsModel& model, RadioImage& image);

// A plan's Enable and ScanMemory bitmaps and, when it has them, its attribute bytes.
void DecodePlan(const RadioImage& image, const image_map::PlanBlocks& blocks, ChannelPlan& plan);
void EncodePlan(const ChannelPlan& plan, const image_map::PlanBlocks& blocks, RadioImage& image);

// A directory is a list that ends at the first empty MMSI.
void DecodeDirectory(const RadioImage& image, int base, std::span<DirectoryEntry> entries);
void EncodeDirectory(std::span<const DirectoryEntry> entries, int base, RadioImage& image);

// The EXP channels: Enable and ScanMemory bitmaps, then the 40 slots. Encoding sets
// TxEnable of every enabled EXP channel from its transmit frequency.
void DecodeExpChannels(const RadioImage& image,
                       std::span<ExpChannelRecord, kExpChannelCount> channels);
void EncodeExpChannels(std::span<ExpChannelRecord, kExpChannelCount> channels, RadioImage& image);

// Transmit mode of bits 7-6 of a channel's flag byte: 3 normal power, 1 low power, 0 and 2
// receive only.
struct TransmitFlags {
  bool txEnable;
  bool lowPower;
};
TransmitFlags DecodeTransmitMode(int mode);
int EncodeTransmitMode(bool txEnable, bool lowPower);

// Flag bits of a plan's bitmap, one record per bit, the first record in bit 7 of the first
// byte. Reading stops where the records end; writing fills the spare bits of the last byte
// with 0 and touches no further byte.
template <typename Record>
void ReadBitmap(const RadioImage& image, int base, int bytes, std::span<Record> records,
                bool Record::*flag) {
  const std::size_t count =
      std::min<std::size_t>(records.size(), static_cast<std::size_t>(bytes) * 8);
  for (std::size_t k = 0; k < count; ++k) {
    const std::uint8_t byte = image[base + k / 8];
    records[k].*flag = (byte << (k % 8)) & 0x80;
  }
}

template <typename Record>
void WriteBitmap(std::span<const Record> records, bool Record::*flag, int base, int bytes,
                 RadioImage& image) {
  const std::size_t count =
      std::min<std::size_t>(records.size(), static_cast<std::size_t>(bytes) * 8);
  for (std::size_t first = 0; first < count; first += 8) {
    std::uint8_t byte = 0;
    for (std::size_t k = first; k < std::min(first + 8, count); ++k) {
      if (records[k].*flag) byte |= static_cast<std::uint8_t>(0x80 >> (k - first));
    }
    image[base + first / 8] = byte;
  }
}

}  // namespace kol::codec
