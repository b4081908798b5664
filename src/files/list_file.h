// CSV files of the channel lists and the MMSI directories: written in one piece, read
// whole, with the program's messages when the file system refuses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "files/file_host.h"
#include "files/list_tables.h"
#include "model/document.h"

namespace kol {

// Writes the list's CSV text; the previous file stays intact when that fails ("FileSave
// Error!!", error and cancel flags set).
bool WriteListFile(const std::string& path, ListId list, Document& document, FileHost& host);

// A list of at most 48 rows takes a few kilobytes; a larger file is not a list file and is
// refused before it is read.
inline constexpr std::uintmax_t kLargestListFile = 1024 * 1024;

// The text of a CSV file, or nothing after "FileRead Error!!" (error and cancel flags set;
// for a file above kLargestListFile the details give its size).
// Whether its rows may change the document is for ListFromCsv to say.
std::optional<std::string> ReadListFile(const std::string& path, Document& document,
                                        FileHost& host);

}  // namespace kol
