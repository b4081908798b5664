// The radio's frames: head, TAB-separated fields and an XOR checksum in hex, ended by
// CR LF; plus the hex texts of addresses, lengths and data bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kol {

inline constexpr char kTab = '\t';
inline constexpr char kCr = '\r';
inline constexpr char kLf = '\n';
inline constexpr std::string_view kCrLf = "\r\n";

// Head, TAB, each non-empty field with its TAB, the checksum as 2 hex digits, CR LF.
std::string BuildFrame(std::string_view head, std::string_view field1 = {},
                       std::string_view field2 = {}, std::string_view field3 = {});

// XOR of all bytes.
std::uint8_t FrameChecksum(std::string_view bytes);

// True when the text has at least 3 characters and the XOR of all but its last two
// equals those two read as hex (either letter case).
bool VerifyChecksum(std::string_view text);

// "0020": 4 upper-case hex digits; "10": 2 digits; data as 2 digits per byte.
std::string HexAddress(int address);
std::string HexLength(int length);
std::string HexBytes(std::span<const std::uint8_t> bytes);
// Upper-case hex without leading zeros ("20", "FF", "0").
std::string HexNumber(unsigned value);

// A hex number of 1 to 8 digits in either case; nullopt for anything else.
std::optional<std::uint32_t> ParseHex(std::string_view text);
// Pairs of hex digits to bytes; nullopt when the length is odd or a digit is not hex.
std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text);

// The text split at every TAB; piece i, or empty when there are fewer pieces.
std::vector<std::string_view> SplitTabs(std::string_view text);
std::string_view Piece(const std::vector<std::string_view>& pieces, std::size_t i);

}  // namespace kol
