// Writing a file so that it is either complete or untouched: the bytes go to a temporary
// file in the same folder, which replaces the target only once everything is written.
#pragma once

#include <string>
#include <string_view>

namespace kol {

// Returns true on success. On failure the target is unchanged, the temporary file is
// removed, `error` (when given) holds the system's description of the failure and
// `errorNumber` (when given) its error number.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr, int* errorNumber = nullptr);

}  // namespace kol
