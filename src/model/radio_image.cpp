#include "model/radio_image.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string>

#include "model/formatters.h"
#include "model/number_text.h"

namespace kol {
namespace {

constexpr std::uint8_t kBlank = 0xFF;
constexpr int kBcdBytes = 5;
constexpr int kFreqBytes = 3;
// FREQ3 holds the frequency above 100 MHz in units of 100 Hz.
constexpr std::int64_t kFreqUnitsPerMhz = 10000;
constexpr std::int64_t kFreqBaseUnits = 100 * kFreqUnitsPerMhz;
constexpr std::int64_t kFreqLimitUnits = 200 * kFreqUnitsPerMhz;
constexpr double kFreqLowMhz = 100.0;
constexpr double kFreqHighMhz = 200.0;

constexpr std::array<bool, 256> MakeRadioCharTable() {
  std::array<bool, 256> table{};
  for (int c = '0'; c <= '9'; ++c) table[c] = true;
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = true;
  for (int c = 'a'; c <= 'z'; ++c) table[c] = true;
  for (char c : std::string_view("-+().*/, ")) table[static_cast<unsigned char>(c)] = true;
  return table;
}
constexpr std::array<bool, 256> kRadioChars = MakeRadioCharTable();

bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }

int Nibble(std::uint8_t byte, int index) { return index == 0 ? byte >> 4 : byte & 0x0F; }

// Frequency in 100 Hz units from the shortest decimal text of `mhz`, rounded half away from
// zero at the fourth decimal. Working on the text rounds what the user typed (156.02505 is
// a half) rather than the binary value just below or above it.
std::int64_t FrequencyUnits(double mhz) {
  std::array<char, 64> text{};
  auto [end, ec] =
      std::to_chars(text.data(), text.data() + text.size(), mhz, std::chars_format::fixed);
  if (ec != std::errc()) return 0;
  std::int64_t units = 0;
  const char* p = text.data();
  for (; p != end && IsDigitChar(*p); ++p) units = units * 10 + (*p - '0');
  if (p != end && *p == '.') ++p;
  for (int decimal = 0; decimal < 4; ++decimal) {
    const int digit = (p != end && IsDigitChar(*p)) ? *p++ - '0' : 0;
    units = units * 10 + digit;
  }
  if (p != end && IsDigitChar(*p) && *p >= '5') ++units;
  return units;
}

}  // namespace

bool IsRadioChar(unsigned char c) { return kRadioChars[c]; }

RadioImage::RadioImage(int upperBound) { Reset(upperBound); }

void RadioImage::Reset(int upperBound) {
  bytes_.assign(static_cast<std::size_t>(std::max(upperBound, 0)) + 1, kBlank);
}

int RadioImage::ReadCh15(int offset) const {
  return (bytes_.at(offset) & 0x7F) * 256 + bytes_.at(offset + 1);
}

void RadioImage::WriteCh15(int offset, std::int32_t value) {
  const std::uint32_t word = value < 0 ? 0xFFFF : static_cast<std::uint32_t>(value) & 0xFFFF;
  bytes_.at(offset) = static_cast<std::uint8_t>(word >> 8);
  bytes_.at(offset + 1) = static_cast<std::uint8_t>(word & 0xFF);
}

std::string RadioImage::ReadChars(int offset, int n) const {
  std::string text;
  for (int i = 0; i < n; ++i) {
    const std::uint8_t c = bytes_.at(offset + i);
    if (!IsRadioChar(c)) break;
    text.push_back(static_cast<char>(c));
  }
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

void RadioImage::WriteChars(int offset, int n, std::string_view text) {
  for (int i = 0; i < n; ++i) {
    const bool inText = static_cast<std::size_t>(i) < text.size();
    const auto c = inText ? static_cast<unsigned char>(text[i]) : kBlank;
    bytes_.at(offset + i) = inText && IsRadioChar(c) ? c : kBlank;
  }
}

std::string RadioImage::ReadBcd10(int offset) const {
  std::string digits;
  for (int i = 0; i < 2 * kBcdBytes; ++i) {
    const int nibble = Nibble(bytes_.at(offset + i / 2), i % 2);
    if (nibble > 9) break;
    digits.push_back(static_cast<char>('0' + nibble));
  }
  return digits;
}

void RadioImage::WriteBcd10(int offset, std::string_view digits, bool tenthDigitRule) {
  if (TrimBlanks(digits).empty()) {
    for (int i = 0; i < kBcdBytes; ++i) bytes_.at(offset + i) = kBlank;
    return;
  }
  auto nibbleAt = [&](int i) {
    const bool isDigit = static_cast<std::size_t>(i) < digits.size() && IsDigitChar(digits[i]);
    return isDigit ? digits[i] - '0' : 0x0F;
  };
  for (int i = 0; i < kBcdBytes; ++i) {
    int low = nibbleAt(2 * i + 1);
    if (tenthDigitRule && i == kBcdBytes - 1) low = 0;
    bytes_.at(offset + i) = static_cast<std::uint8_t>(nibbleAt(2 * i) << 4 | low);
  }
}

double RadioImage::ReadFreq3(int offset) const {
  // The stored digits read as the text "D1D2.D3D4D5D6"; its leading number is the value
  // above 100 MHz ("5F.1234" gives 5). Rebuild it as "1D1D2.D3..." with the integer part
  // padded to two digits, so the frequency comes from one decimal-to-double conversion.
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::array<char, 2 * kFreqBytes + 1> text{};
  for (int i = 0, at = 0; i < kFreqBytes; ++i) {
    if (i == 1) text[at++] = '.';
    const std::uint8_t byte = bytes_.at(offset + i);
    text[at++] = kHex[byte >> 4];
    text[at++] = kHex[byte & 0x0F];
  }
  const std::string_view number(text.data(), LeadingNumberLength({text.data(), text.size()}));
  const std::size_t point = std::min(number.find('.'), number.size());
  if (point == 0) return 0.0;
  std::array<char, 4 + 2 * kFreqBytes> decimal{'1', '0', '0'};
  const auto end = std::copy(number.begin(), number.end(), decimal.begin() + 3 - point);
  double mhz = 0.0;
  std::from_chars(decimal.data(), end, mhz);
  return mhz > kFreqLowMhz && mhz < kFreqHighMhz ? mhz : 0.0;
}

void RadioImage::WriteFreq3(int offset, double mhz) {
  const bool inRange = mhz > kFreqLowMhz && mhz < kFreqHighMhz;
  const std::int64_t units = inRange ? FrequencyUnits(mhz) : 0;
  const bool encodable = units > kFreqBaseUnits && units < kFreqLimitUnits;
  std::int64_t digits = encodable ? units - kFreqBaseUnits : 0;
  for (int i = kFreqBytes - 1; i >= 0; --i) {
    const int pair = static_cast<int>(digits % 100);
    digits /= 100;
    bytes_.at(offset + i) = static_cast<std::uint8_t>((pair / 10) << 4 | pair % 10);
  }
}

void RadioImage::WriteBit(int offset, int bit, bool value) {
  const std::uint8_t mask = static_cast<std::uint8_t>(1u << bit);
  std::uint8_t& byte = bytes_.at(offset);
  byte = value ? byte | mask : byte & ~mask;
}

int RadioImage::ReadBits(int offset, int topBit, int count) const {
  const int shift = topBit - count + 1;
  return (bytes_.at(offset) >> shift) & ((1 << count) - 1);
}

void RadioImage::WriteBits(int offset, int topBit, int count, int value) {
  const int shift = topBit - count + 1;
  const int mask = ((1 << count) - 1) << shift;
  std::uint8_t& byte = bytes_.at(offset);
  byte =
      static_cast<std::uint8_t>((byte & ~mask) | ((static_cast<unsigned>(value) << shift) & mask));
}

}  // namespace kol
