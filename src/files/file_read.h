// Reading a whole file into memory. A folder or an unreadable file is a failure, never an
// empty file; the error number tells the error log why.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace kol {

// The file's bytes, or nothing on failure with `errorNumber` (when given) set. A file of
// more than `largest` bytes is refused with EFBIG: a regular file before anything is read,
// anything else (a device, a pipe) once that much has come.
std::optional<std::string> ReadWholeFile(
    const std::string& path, int* errorNumber = nullptr,
    std::uintmax_t largest = std::numeric_limits<std::uintmax_t>::max());

// Why a file above `largest` was refused, with its size where it has one: "2097152 bytes:
// a settings file has at most 1048576" (`kind` is "a settings file").
std::string TooLargeReason(const std::string& path, std::uintmax_t largest,
                           const std::string& kind);

}  // namespace kol
