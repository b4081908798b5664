// Saving the document as a settings text file (.dat) and opening one, with the program's
// messages, flags, error-log entries and pause after the file is closed.
#pragma once

#include <cstdint>
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

// No settings file comes near this size (a full one is about 100 KB). A larger file is
// refused before it is read, so that a wrong or damaged file cannot hold the program up.
inline constexpr std::uintmax_t kLargestSettingsFile = 1024 * 1024;

// Resets the document to the model's defaults with the destination's image, checks the
// file's model type, then applies every value the file holds. Failures show "FileRead
// Error!!" (unreadable, or larger than kLargestSettingsFile: the details give its size) or
// "ModelType Error !!" and set the error flag. The document path is left to the caller.
bool ReadSettingsFile(const std::string& path, Document& document, FileHost& host);

}  // namespace kol
