#include "model/field_characters.h"

namespace kol {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
char ToUpper(char c) { return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::optional<char> TakenCharacter(FieldCharacters field, char typed) {
  switch (field) {
    case FieldCharacters::kDigits:
      return IsDigit(typed) ? std::optional<char>(typed) : std::nullopt;
    case FieldCharacters::kStatusName:
      if (IsDigit(typed) || IsUpper(typed) || IsLower(typed)) return ToUpper(typed);
      return std::nullopt;
    case FieldCharacters::kChannelNumber:
      if (IsDigit(typed) || std::string_view("CEFLMnP").find(typed) != std::string_view::npos) {
        return typed;
      }
      return std::nullopt;
    case FieldCharacters::kFrequency:
      return IsDigit(typed) || typed == '.' ? std::optional<char>(typed) : std::nullopt;
    case FieldCharacters::kStationName:
      if (IsDigit(typed) || IsUpper(typed) || IsLower(typed)) return ToUpper(typed);
      if (std::string_view("-/*()+., ").find(typed) != std::string_view::npos) return typed;
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::string> TakenText(FieldCharacters field, std::string_view text,
                                     std::size_t* refusedAt) {
  std::string taken;
  taken.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A byte outside ASCII is never a character of the radio, and may be part of one
    // that only looks like an ASCII letter.
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::optional<char> c = byte < 0x80 ? TakenCharacter(field, text[i]) : std::nullopt;
    if (!c) {
      if (refusedAt != nullptr) *refusedAt = i;
      return std::nullopt;
    }
    taken.push_back(*c);
  }
  return taken;
}

}  // namespace kol
