// Saving the document as a settings text file (.dat) and opening one, with the program's
// messages, flags, error-log entries and pause after the file is closed.
#pragma once

#include <string>
#include <string_view>

#include "files/file_host.h"
#include "model/document.h"

namespace kol {

// Writes the whole document; the previous file stays intact when that fails ("FileSave
// Error!!", error and cancel flags set).
bool WriteSettingsFile(const std::string& path, Document& document, FileHost& host);

// The text of a settings file applied onto the document, key by key, when its model type
// is the document's model; false, with the document untouched, otherwise.
bool ApplySettingsText(std::string_view text, Document& document);

// Resets the document to the model's defaults with the destination's image, checks the
// file's model type, then applies every value the file holds. Failures show "FileRead
// Error!!" (unreadable) or "ModelType Error !!" and set the error flag. The document path
// is left to the caller.
bool ReadSettingsFile(const std::string& path, Document& document, FileHost& host);

}  // namespace kol
