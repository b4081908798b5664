// What the codec promises on any image, for the property test and the image fuzzer: the
// bits the encoder and the fix-up may write, and what the image can give back of a model.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/radio_image.h"
#include "model/settings_model.h"

namespace kol::test {

// The bits the encoder may write for this model: the address map, the fill of disabled
// EXP slots, the spare bits of the weather bitmap and bit 6 of 0x1D.
inline std::array<std::uint8_t, 8192> EncoderBits(const SettingsModel& model, bool weather) {
  std::array<std::uint8_t, 8192> bits{};
  auto all = [&](int offset, int length) {
    for (int i = 0; i < length; ++i) bits[offset + i] = 0xFF;
  };
  all(0x02, 3);   // starting mode, channel no
  all(0x0D, 1);   // TX Po display
  all(0x10, 4);   // usable flags
  all(0x17, 2);   // weather alert, scan
  all(0x1A, 2);   // PTT scan clear, resume time
  all(0x1D, 1);   // time display, offset
  all(0x2A, 6);   // priority channels
  for (int i = 0; i < 4; ++i) all(0x30 + 4 * i, 3);  // status names
  all(0x50, 9);   // DSC usable flags, user MMSI
  all(0x5A, 5);   // call types
  bits[0x5F] = 0xBF;
  all(0x60, 4);   // beep outputs
  all(0x6D, 1);   // select call
  const int selectCall = model.autoPos.slot[1].selectCall;
  if (selectCall == 0 || selectCall == 1) all(0x6A + selectCall, 1);
  all(0x70, 9);   // ATIS flags and code
  all(0x80, 9);   // AutoPos enable, channel, interval, MMSI
  for (int base : {0x100, 0x120, 0x140, 0x160, 0x180, 0x1A0}) all(base, 30);
  for (int base : {0x200, 0x300, 0x400}) {
    for (int k = 0; k < 240; ++k) bits[base + k] = 0xF0;
  }
  if (weather) {
    all(0x1C0, 2);
    all(0x1D0, 2);
  }
  all(0x1C2, 5);
  all(0x1D2, 5);
  for (int k = 0; k < 48; ++k) {
    const int slot = 0x500 + 16 * k;
    bits[slot] = 0x0E;
    if (k >= 40) continue;
    if (model.exp[k].enable) {
      bits[slot + 1] = 0xD0;
      all(slot + 2, 9);
    } else {
      all(slot + 1, 15);
    }
  }
  all(0x800, 48 * 16);
  all(0xB00, 20 * 16);
  return bits;
}

// The bits the fix-up before programming may write: the operating group, channel and
// weather channel and the user-MMSI-present byte.
inline const std::array<std::uint8_t, 8192>& OperatingBits() {
  static const std::array<std::uint8_t, 8192> kBits = [] {
    std::array<std::uint8_t, 8192> bits{};
    for (int offset : {0x06, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x59}) bits[offset] = 0xFF;
    return bits;
  }();
  return kBits;
}

// First offset where `after` differs from `before` in a bit outside `allowed`, or -1.
inline int FirstChangeOutside(const RadioImage& before, const RadioImage& after,
                       const std::array<std::uint8_t, 8192>& allowed) {
  for (std::size_t i = 0; i < before.Size(); ++i) {
    if ((before[i] ^ after[i]) & ~allowed[i]) return static_cast<int>(i);
  }
  return -1;
}

// Nine digits or more come back as the nine digits and the pad 0.
inline void PadTenthDigit(std::string& mmsi) {
  if (mmsi.size() >= 9) mmsi = mmsi.substr(0, 9) + "0";
}

// What the image can give back of a model: the radio pads nine-digit MMSIs, keeps
// duplex only on channels with a duplex pair, stores no power level for a channel that
// cannot transmit, shows EXP names right-aligned, and keeps nothing of a disabled EXP slot.
inline SettingsModel AsStored(SettingsModel model) {
  for (ChannelPlan& plan : model.group) {
    for (ChannelRecord& record : plan) record.duplex = record.duplex && record.duplexAllowed;
  }
  for (ExpChannelRecord& exp : model.exp) {
    if (!exp.enable) {
      const bool scanMemory = exp.scanMemory;
      exp = ExpChannelRecord{};
      exp.scanMemory = scanMemory;
      exp.powerUp = exp.txEnable = true;
      continue;
    }
    exp.lowPower = exp.lowPower && exp.txEnable;
    if (exp.chDisplayL.size() == 1) exp.chDisplayL = ' ' + exp.chDisplayL;
  }
  PadTenthDigit(model.dscBasic.userMmsi);
  PadTenthDigit(model.autoPos.slot[1].mmsi);
  for (DirectoryEntry& entry : model.individualDirectory) PadTenthDigit(entry.mmsi);
  for (DirectoryEntry& entry : model.groupDirectory) PadTenthDigit(entry.mmsi);
  return model;
}

}  // namespace kol::test
