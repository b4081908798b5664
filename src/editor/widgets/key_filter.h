// Which characters each kind of text field takes: a typed or pasted character is refused,
// kept, or turned into upper case. Backspace and editing keys are never filtered.
#pragma once

#include <optional>

class QLineEdit;
class QString;

namespace kol::editor {

enum class KeyFilter {
  kDigits,         // MMSIs, the ATIS code
  kStatusName,     // 0-9, A-Z; a-z become upper case
  kChannelNumber,  // 0-9 and C, E, F, L, M, n, P
  kFrequency,      // 0-9 and "."
  kStationName,    // digits, letters (upper-cased), - / * ( ) + . , and blank
};

// The character the field takes for `typed`, or nothing when the field refuses it.
std::optional<char> FilterKey(KeyFilter filter, char typed);

// Filters everything that reaches the field: keys, pasted and dropped text.
void InstallKeyFilter(QLineEdit& field, KeyFilter filter);

// Shows `text` as it is, marks such as "---.----" included: the filter is for what the user
// types, not for a value the program shows.
void SetUnfilteredText(QLineEdit& field, const QString& text);

}  // namespace kol::editor
