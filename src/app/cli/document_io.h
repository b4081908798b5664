// The file formats a command can read a document from or write it to, chosen by the
// file's extension: one table, so convert, read, program and report agree on them.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/cli/session.h"

namespace kol::cli {

struct DocumentFormat {
  std::string_view extension;  // lower case, with the dot: ".hex"
  std::string_view description;
  // Each returns false after showing its message through the session's prompts.
  bool (*load)(Session& session, const std::string& path) = nullptr;  // null: cannot read
  bool (*save)(Session& session, const std::string& path) = nullptr;  // null: cannot write
};

std::span<const DocumentFormat> DocumentFormats();

// The format of a path by its extension (any letter case), or null.
const DocumentFormat* FormatOf(std::string_view path);

// The format to read `path` with (or write it with); null after telling the user on
// stderr which extensions the tool can read (or write).
const DocumentFormat* ReadableFormat(const std::string& path, Io& io);
const DocumentFormat* WritableFormat(const std::string& path, Io& io);

}  // namespace kol::cli
