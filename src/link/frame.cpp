#include "link/frame.h"

#include <charconv>

namespace kol {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::string FixedHex(unsigned value, int digits) {
  std::string text(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i) {
    text[static_cast<std::size_t>(i)] = kHexDigits[value & 0xF];
    value >>= 4;
  }
  return text;
}

}  // namespace

std::string BuildFrame(std::string_view head, std::string_view field1, std::string_view field2,
                       std::string_view field3) {
  std::string frame(head);
  frame += kTab;
  for (std::string_view field : {field1, field2, field3}) {
    if (field.empty()) continue;
    frame += field;
    frame += kTab;
  }
  frame += FixedHex(FrameChecksum(frame), 2);
  frame += kCrLf;
  return frame;
}

std::uint8_t FrameChecksum(std::string_view bytes) {
  std::uint8_t sum = 0;
  for (char c : bytes) sum ^= static_cast<std::uint8_t>(c);
  return sum;
}

bool VerifyChecksum(std::string_view text) {
  if (text.size() < 3) return false;
  const std::optional<std::uint32_t> stated = ParseHex(text.substr(text.size() - 2));
  return stated && *stated == FrameChecksum(text.substr(0, text.size() - 2));
}

std::string HexAddress(int address) { return FixedHex(static_cast<unsigned>(address), 4); }

std::string HexLength(int length) { return FixedHex(static_cast<unsigned>(length), 2); }

std::string HexBytes(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (std::uint8_t byte : bytes) text += FixedHex(byte, 2);
  return text;
}

std::string HexNumber(unsigned value) {
  char buffer[16];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
  std::string text(buffer, end);
  for (char& c : text) c = static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
  return text;
}

std::optional<std::uint32_t> ParseHex(std::string_view text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size() / 2);
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const std::optional<std::uint32_t> value = ParseHex(text.substr(i, 2));
    if (!value) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(*value));
  }
  return bytes;
}

std::vector<std::string_view> SplitTabs(std::string_view text) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = text.find(kTab, start);
    if (tab == std::string_view::npos) break;
    pieces.push_back(text.substr(start, tab - start));
    start = tab + 1;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

std::string_view Piece(const std::vector<std::string_view>& pieces, std::size_t i) {
  return i < pieces.size() ? pieces[i] : std::string_view();
}

}  // namespace kol
