// Which characters each kind of text field takes from the user: a character is refused,
// kept, or turned into upper case. The window's fields filter keys and pasted text with it;
// files and the clipboard bring text in under the same rules.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kol {

enum class FieldCharacters {
  kDigits,         // MMSIs, the ATIS code
  kStatusName,     // 0-9, A-Z; a-z become upper case
  kChannelNumber,  // 0-9 and C, E, F, L, M, n, P
  kFrequency,      // 0-9 and "."
  kStationName,    // digits, letters (upper-cased), - / * ( ) + . , and blank
};

// The character the field takes for `typed`, or nothing when the field refuses it.
std::optional<char> TakenCharacter(FieldCharacters field, char typed);

// `text` as the field takes it as a whole, or nothing when the field refuses one of its
// characters; `refusedAt` (when given) is then the offset of the first one. Bytes outside
// ASCII are always refused.
std::optional<std::string> TakenText(FieldCharacters field, std::string_view text,
                                     std::size_t* refusedAt = nullptr);

}  // namespace kol
