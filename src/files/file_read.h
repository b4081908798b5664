// Reading a whole file into memory. A folder or an unreadable file is a failure, never an
// empty file; the error number tells the error log why.
#pragma once

#include <optional>
#include <string>

namespace kol {

// The file's bytes, or nothing on failure with `errorNumber` (when given) set.
std::optional<std::string> ReadWholeFile(const std::string& path, int* errorNumber = nullptr);

}  // namespace kol
