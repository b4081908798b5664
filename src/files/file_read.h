// Reading a whole file into memory, with the error number and text the error log records
// when that fails. A folder or an unreadable file is a failure, never an empty file.
#pragma once

#include <optional>
#include <string>

namespace kol {

// The file's bytes, or nothing on failure; `error` (when given) then holds the error
// number immediately followed by its description ("2No such file or directory").
std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error = nullptr);

}  // namespace kol
