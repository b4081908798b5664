// Writing a file so that it is either complete or untouched, even across a power cut: the
// bytes go to a temporary file in the same folder, which replaces the target only once
// everything is written and on the disk. Replacing keeps the file what it was: its mode,
// and a symbolic link keeps pointing at it. Where a replacement would change how the
// user's file is stored, the file is written in place instead, as careful editors do.
#pragma once

#include <string>
#include <string_view>

namespace kol {

// Returns true on success. A target that cannot be opened for writing (read-only, a
// folder) is refused as a plain write would refuse it. A symbolic link is written through
// to the file it names. An existing file is written in place, then synced, where replacing
// it would split its hard links, give it another owner or group, or be refused (a folder
// the user may not write, a file mounted on its own); should that write fail, its previous
// bytes are put back. On failure the target is unchanged, the temporary file is removed,
// `error` (when given) holds the system's description of the failure and `errorNumber`
// (when given) its error number.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr, int* errorNumber = nullptr);

// The same for a file that must be new: it appears complete under `path` only when no file
// of that name is there, also when another writer makes one at the same moment; otherwise
// nothing is written and the error number is EEXIST.
bool WriteNewFileAtomically(const std::string& path, std::string_view bytes,
                            std::string* error = nullptr, int* errorNumber = nullptr);

}  // namespace kol
