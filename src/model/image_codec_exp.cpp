// EXP channels: user-defined channels with their own names and frequencies, one 16-byte
// slot each in the EXP area.
#include <string>

#include "model/channel_rules.h"
#include "model/image_codec_parts.h"

namespace kol {
namespace {

namespace im = image_map;

void EncodeSlot(ExpChannelRecord& channel, int base, RadioImage& image) {
  if (!channel.enable) {
    for (int i = 1; i <= im::kExpDataBytes; ++i) image[base + i] = 0xFF;
    return;
  }
  channel.txEnable = channel.txFreq > 100.0;
  const int flags = base + im::kExpChannelFlagsByte;
  image.WriteBits(flags, im::kTransmitModeTopBit, im::kTransmitModeBits,
                  codec::EncodeTransmitMode(channel.txEnable, channel.lowPower));
  image.WriteBit(flags, im::kPowUpBit, channel.powerUp);
  image.WriteChars(base + im::kExpDisplayL, im::kExpDisplayLLength + im::kExpDisplayRLength,
                   ExpDisplayName(channel));
  image.WriteFreq3(base + im::kExpRxFreq, channel.rxFreq);
  image.WriteFreq3(base + im::kExpTxFreq, channel.txFreq);
}

void DecodeSlot(const RadioImage& image, int base, ExpChannelRecord& channel) {
  const int flags = base + im::kExpChannelFlagsByte;
  const codec::TransmitFlags transmit = codec::DecodeTransmitMode(
      image.ReadBits(flags, im::kTransmitModeTopBit, im::kTransmitModeBits));
  channel.txEnable = transmit.txEnable;
  channel.lowPower = transmit.lowPower;
  channel.powerUp = image.ReadBit(flags, im::kPowUpBit);
  channel.chDisplayL = image.ReadChars(base + im::kExpDisplayL, im::kExpDisplayLLength);
  channel.chDisplayR = image.ReadChars(base + im::kExpDisplayR, im::kExpDisplayRLength);
  channel.rxFreq = image.ReadFreq3(base + im::kExpRxFreq);
  channel.txFreq = image.ReadFreq3(base + im::kExpTxFreq);
}

}  // namespace

namespace codec {

void DecodeExpChannels(const RadioImage& image,
                       std::span<ExpChannelRecord, kExpChannelCount> channels) {
  const im::PlanBlocks& blocks = im::kExpBlocks;
  std::span<ExpChannelRecord> records = channels;
  ReadBitmap(image, blocks.enable, blocks.bitmapBytes, records, &ExpChannelRecord::enable);
  ReadBitmap(image, blocks.scanMemory, blocks.bitmapBytes, records, &ExpChannelRecord::scanMemory);
  for (int k = 0; k < kExpChannelCount; ++k) DecodeSlot(image, im::ExpSlot(k), channels[k]);
}

void EncodeExpChannels(std::span<ExpChannelRecord, kExpChannelCount> channels, RadioImage& image) {
  const im::PlanBlocks& blocks = im::kExpBlocks;
  std::span<const ExpChannelRecord> records = channels;
  WriteBitmap(records, &ExpChannelRecord::enable, blocks.enable, blocks.bitmapBytes, image);
  WriteBitmap(records, &ExpChannelRecord::scanMemory, blocks.scanMemory, blocks.bitmapBytes, image);
  for (int k = 0; k < kExpChannelCount; ++k) EncodeSlot(channels[k], im::ExpSlot(k), image);
}

}  // namespace codec
}  // namespace kol
