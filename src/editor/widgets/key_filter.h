// The window's text fields take only the characters their kind of field takes: typed,
// pasted and dropped text alike. Backspace and editing keys are never filtered.
#pragma once

#include "model/field_characters.h"

class QLineEdit;
class QString;

namespace kol::editor {

// The core's rules of what each kind of field takes, so that files and the clipboard
// bring in text exactly as the keys do.
using KeyFilter = FieldCharacters;

// Filters everything that reaches the field: keys, pasted and dropped text.
void InstallKeyFilter(QLineEdit& field, KeyFilter filter);

// Shows `text` as it is, marks such as "---.----" included: the filter is for what the user
// types, not for a value the program shows.
void SetUnfilteredText(QLineEdit& field, const QString& text);

}  // namespace kol::editor
