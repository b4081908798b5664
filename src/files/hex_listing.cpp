#include "files/hex_listing.h"

namespace kol {
namespace {

constexpr int kBytesPerLine = 16;
constexpr char kDigits[] = "0123456789ABCDEF";

// The value in upper-case hex, padded with "0" and cut to its rightmost `width` digits.
void AppendHex(std::string& line, unsigned value, int width) {
  for (int shift = (width - 1) * 4; shift >= 0; shift -= 4) line += kDigits[(value >> shift) & 0xF];
}

}  // namespace

std::vector<std::string> HexListing(const RadioImage& image) {
  const int upperBound = image.UpperBound();
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(upperBound / kBytesPerLine + 3));
  std::string columns(6, ' ');
  std::string rule = " ---- ";
  for (int column = 0; column < kBytesPerLine; ++column) {
    columns += ' ';
    AppendHex(columns, static_cast<unsigned>(column), 2);
    rule += " --";
  }
  lines.push_back(std::move(columns));
  lines.push_back(std::move(rule));
  for (int address = 0; address <= upperBound; address += kBytesPerLine) {
    std::string line = " ";
    AppendHex(line, static_cast<unsigned>(address), 4);
    line += ':';
    for (int j = 0; j < kBytesPerLine; ++j) {
      line += ' ';
      // An image whose size is not a multiple of 16 shows blanks past its end.
      if (address + j <= upperBound) {
        AppendHex(line, image[address + j], 2);
      } else {
        line += "  ";
      }
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace kol
