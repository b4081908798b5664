// Where each setting lives in the radio's memory image: every offset, length and bit the
// program reads or writes, so that no other code uses a bare address.
#pragma once

#include <array>
#include <cstdint>

namespace kol::image_map {

// Model identifier (CH15) at the start and again in the last two bytes of the image.
inline constexpr int kModelIdentifier = 0x0000;
constexpr int TrailingModelIdentifier(int upperBound) { return upperBound - 1; }

// Operating state of the radio, touched only by the fix-up before programming.
inline constexpr int kOperatingGroup = 0x0006;          // U8: 0-2 = Group1-Group3
inline constexpr int kOperatingMode = 0x0007;           // U8: 0 channel, 1 weather
inline constexpr int kOperatingChannel = 0x0008;        // CH15
inline constexpr int kSecondOperatingChannel = 0x000A;  // CH15
inline constexpr int kOperatingWeatherChannel = 0x000C; // U8: 0-9
inline constexpr int kUserMmsiPresent = 0x0059;         // U8: 1 when a user MMSI is set

// Common Setup.
inline constexpr int kStartingChannelMode = 0x0002;  // U8
inline constexpr int kChannelNo = 0x0003;            // CH15
inline constexpr int kTxPoDisplay = 0x000D;          // U8
inline constexpr int kWeater = 0x0017;               // U8
inline constexpr int kScan = 0x0018;                 // BOOL8
inline constexpr int kPttScanClear = 0x001A;         // BOOL8
inline constexpr int kResumeTime = 0x001B;           // U8
// Byte 0x1D: bit 7 Time Display, bit 6 spare (written 0), bit 5 offset sign (set for zero
// or positive), bits 4-0 offset magnitude in half hours.
inline constexpr int kTimeByte = 0x001D;
inline constexpr int kTimeDisplayBit = 7;
inline constexpr int kOffsetSignBit = 5;
inline constexpr int kOffsetMagnitudeTopBit = 4;
inline constexpr int kOffsetMagnitudeBits = 5;
inline constexpr int kOffsetFieldBits = 7;  // sign, magnitude and the spare bit 6

// Product code of the radio: six ASCII characters and 0xFF, checked by the link.
inline constexpr int kProductCode = 0x0020;
inline constexpr int kProductCodeLength = 7;
inline constexpr std::array<std::uint8_t, kProductCodeLength> kProductCodeBytes = {
    'Q', 'T', '5', '1', '2', 'N', 0xFF};

// Usable CH Group Setup: one usable flag per group (Group1-Group3, Exp CH).
inline constexpr int kUsableFlags = 0x0010;     // BOOL8 x 4
inline constexpr int kPriorityCh = 0x002A;      // CH15 per Group1-Group3
inline constexpr int kPriorityChStride = 2;
inline constexpr int kStatusName = 0x0030;      // CHARS(3) per group, fourth byte spare
inline constexpr int kStatusNameStride = 4;
inline constexpr int kStatusNameLength = 3;

// DSC Basic, Advanced and Display Setup.
inline constexpr int kDscUsableFlags = 0x0050;  // BOOL8 x 4
inline constexpr int kUserMmsi = 0x0054;        // BCD10
// One byte per call type, bits 7-4 receive and 3-0 TX flags (Distress first). The image
// keeps All Ships, Group, Individual, PosRequest, PosReport at 0x5A-0x5E; this table lists
// the bytes in the model's order (All Ships, Individual, Group, PosRequest, PosReport).
inline constexpr std::array<int, 5> kCallTypeFlags = {0x005A, 0x005C, 0x005B, 0x005D, 0x005E};
inline constexpr int kReceiveTopBit = 7;
inline constexpr int kTxTopBit = 3;
// Byte 0x5F: beep outputs, distress cancel call and the DSC display menus; bit 6 spare.
inline constexpr int kDscFlags = 0x005F;
inline constexpr int kBeepOut0Bit = 7;
inline constexpr int kDistressCancelCallBit = 5;
inline constexpr int kBeepOut1Bit = 4;
inline constexpr int kBeepOut4Bit = 3;
inline constexpr int kIndividualAckMenuBit = 2;
inline constexpr int kIndividualAckMessageMenuBit = 1;
inline constexpr int kPosRequestAckMenuBit = 0;

// A boolean kept either as one bit of a byte or, with bit -1, as a whole BOOL8 byte.
struct FlagLocation {
  int offset;
  int bit;
};
inline constexpr int kWholeByte = -1;
// BeepOut 0-6 (BeepOut 7 is not in the image).
inline constexpr std::array<FlagLocation, 7> kBeepOut = {{
    {kDscFlags, kBeepOut0Bit},
    {kDscFlags, kBeepOut1Bit},
    {0x0060, kWholeByte},
    {0x0061, kWholeByte},
    {kDscFlags, kBeepOut4Bit},
    {0x0062, kWholeByte},
    {0x0063, kWholeByte},
}};

// DSC AutoPos Setup (slot 1 of the model).
inline constexpr int kAutoPosLastAddressIndividual = 0x006A;  // U8, when SELECTCALL is 0
inline constexpr int kAutoPosLastAddressGroup = 0x006B;       // U8, when SELECTCALL is 1
inline constexpr int kAutoPosSelectCall = 0x006D;             // U8
inline constexpr int kAutoPosEnable = 0x0080;                 // BOOL8
inline constexpr int kAutoPosChannel = 0x0081;                // CH15
inline constexpr int kAutoPosInterval = 0x0083;               // U8
inline constexpr int kAutoPosMmsi = 0x0084;                   // BCD10

// ATIS Setup.
inline constexpr int kAtisUsableFlags = 0x0070;  // BOOL8 x 4
inline constexpr int kAtisCode = 0x0074;         // BCD10

// A channel plan's blocks: Enable and ScanMemory bitmaps and, for Group1-Group3, one
// attribute byte per position.
struct PlanBlocks {
  int enable;
  int scanMemory;
  int attributes;  // -1: the plan has no attribute bytes
  int bitmapBytes;
};

inline constexpr std::array<PlanBlocks, 3> kGroupBlocks = {{
    {0x0100, 0x0120, 0x0200, 30},
    {0x0140, 0x0160, 0x0300, 30},
    {0x0180, 0x01A0, 0x0400, 30},
}};
inline constexpr int kAttributeBytes = 240;
inline constexpr PlanBlocks kWeatherBlocks = {0x01C0, 0x01D0, -1, 2};
inline constexpr PlanBlocks kExpBlocks = {0x01C2, 0x01D2, -1, 5};

// Channel attribute byte, and byte 1 of an EXP slot: transmit mode in bits 7-6 (3 normal
// power, 1 low power, 0 and 2 receive only), Duplex in bit 5 (plans only), PowUp in bit 4.
inline constexpr int kTransmitModeTopBit = 7;
inline constexpr int kTransmitModeBits = 2;
inline constexpr int kDuplexBit = 5;
inline constexpr int kPowUpBit = 4;

// EXP area: 48 slots of 16 bytes; slots 0-39 hold EXP1-EXP40. Byte 0 of every slot carries
// the three Exp Ch Group flags (only slot 0 is read).
inline constexpr int kExpArea = 0x0500;
inline constexpr int kExpSlotSize = 16;
inline constexpr int kExpSlotCount = 48;
constexpr int ExpSlot(int k) { return kExpArea + kExpSlotSize * k; }
inline constexpr int kExpGroupFlagsByte = 0;
inline constexpr std::array<int, 3> kExpGroupFlagBits = {3, 2, 1};  // Group1-Group3
inline constexpr int kExpChannelFlagsByte = 1;
inline constexpr int kExpDisplayL = 2;  // CHARS(2)
inline constexpr int kExpDisplayLLength = 2;
inline constexpr int kExpDisplayR = 4;  // CHARS(1)
inline constexpr int kExpDisplayRLength = 1;
inline constexpr int kExpRxFreq = 5;  // FREQ3
inline constexpr int kExpTxFreq = 8;  // FREQ3
inline constexpr int kExpDataBytes = 15;  // bytes 1-15, filled with 0xFF when disabled

// MMSI directories: 16-byte entries, BCD10 MMSI then CHARS(11) name.
inline constexpr int kIndividualDirectory = 0x0800;
inline constexpr int kGroupDirectory = 0x0B00;
inline constexpr int kDirectoryEntrySize = 16;
inline constexpr int kDirectoryMmsi = 0;
inline constexpr int kDirectoryTagName = 5;
inline constexpr int kTagNameLength = 11;

// Log areas of the radio, never decoded; the clear operations fill them with 0xFF.
struct Area {
  int offset;
  int length;
};
// The radio's identity on the air: the user MMSI with the byte that says it is set, and
// the ATIS code.
inline constexpr Area kUserMmsiBytes = {kUserMmsi, kUserMmsiPresent - kUserMmsi + 1};
inline constexpr Area kAtisCodeBytes = {kAtisCode, 5};
inline constexpr Area kCallLog = {0x0C40, 1280};
inline constexpr Area kDscLog = {0x1140, 2432};
inline constexpr Area kDistressLog = {0x1AC0, 1280};

}  // namespace kol::image_map
