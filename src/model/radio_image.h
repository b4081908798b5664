// The radio's memory as one byte array, with typed readers and writers for the field
// encodings the radio uses. Every byte not written through a field stays as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kol {

inline constexpr int kDefaultImageUpperBound = 8191;  // 8 KiB image of the built-in model

class RadioImage {
 public:
  // A new image is filled with 0xFF; `upperBound` is the last valid index.
  explicit RadioImage(int upperBound = kDefaultImageUpperBound);

  int UpperBound() const { return static_cast<int>(bytes_.size()) - 1; }
  std::size_t Size() const { return bytes_.size(); }
  // Refills with 0xFF and resizes to upperBound + 1 bytes.
  void Reset(int upperBound);

  std::uint8_t& operator[](std::size_t i) { return bytes_.at(i); }
  std::uint8_t operator[](std::size_t i) const { return bytes_.at(i); }
  std::span<std::uint8_t> Bytes() { return bytes_; }
  std::span<const std::uint8_t> Bytes() const { return bytes_; }
  bool operator==(const RadioImage&) const = default;

  // CH15: big-endian, bit 7 of the first byte ignored on reading; negatives write 0xFF 0xFF,
  // other values are masked to 16 bits.
  int ReadCh15(int offset) const;
  void WriteCh15(int offset, std::int32_t value);

  // BOOL8: any non-zero byte reads true; written as 1 or 0.
  bool ReadBool8(int offset) const { return bytes_.at(offset) != 0; }
  void WriteBool8(int offset, bool value) { bytes_.at(offset) = value ? 1 : 0; }

  // CHARS(n): text up to the first byte outside the radio's character set, trailing
  // spaces removed. Writing puts 0xFF for characters outside the set and past the text.
  std::string ReadChars(int offset, int n) const;
  void WriteChars(int offset, int n, std::string_view text);

  // BCD10: ten packed digits, high nibble first; reading stops at a nibble above 9.
  // Writing a blank text fills 0xFF; non-digits become 0xF nibbles. With the tenth-digit
  // rule the radio keeps the tenth nibble as a pad 0 (nine-digit MMSIs).
  std::string ReadBcd10(int offset) const;
  void WriteBcd10(int offset, std::string_view digits, bool tenthDigitRule);

  // FREQ3: six packed digits, MHz = 1D1D2.D3D4D5D6; 0 outside (100, 200). Reading stops
  // at the first nibble that is not a digit ("5F 12 34" is 105 MHz). Writing rounds to
  // 100 Hz, half away from zero; a frequency outside (100, 200) is written 00 00 00.
  double ReadFreq3(int offset) const;
  void WriteFreq3(int offset, double mhz);

  // Bit b (0 = least significant) of a byte, and a field of `count` bits whose most
  // significant bit is `topBit`.
  bool ReadBit(int offset, int bit) const { return (bytes_.at(offset) >> bit) & 1; }
  void WriteBit(int offset, int bit, bool value);
  int ReadBits(int offset, int topBit, int count) const;
  void WriteBits(int offset, int topBit, int count, int value);

  // BITMAP: flag k is bit 7 - (k mod 8) of byte k div 8.
  bool ReadBitmapFlag(int base, int k) const { return ReadBit(base + k / 8, 7 - k % 8); }

 private:
  std::vector<std::uint8_t> bytes_;
};

// A byte the radio can show in a name: digits, letters and - + ( ) . * / , and space.
bool IsRadioChar(unsigned char c);

}  // namespace kol
