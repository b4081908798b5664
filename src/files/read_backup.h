// Every image read from a radio is kept as it arrived, as backups/<date-time>_<mmsi>.hex in
// the per-user data folder, so that a radio's contents before any edit are never lost.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kol {

// "2026-12-10_06-00-15-123": the local time, to the millisecond, that names a backup.
std::string BackupTimeStamp();

// The name of a backup taken at `timeStamp`: the radio's user MMSI after it when the bytes
// hold one, so that the backups of a fleet can be told apart.
std::string BackupFileName(const std::string& timeStamp, std::span<const std::uint8_t> bytes);

struct KeptBackup {
  std::string path;   // where the backup is, or was to be, written
  std::string error;  // the system's reason when it could not be written
  bool Ok() const { return error.empty(); }
};

// Writes `bytes` to the backups folder under `userDataFolder`, creating the folder; the file
// is written whole or not at all. A backup never replaces another: when two reads end in
// the same millisecond with the same (or no) user MMSI, the later one is named
// "<name>.2.hex", "<name>.3.hex", ...
KeptBackup KeepReadBackup(const std::string& userDataFolder, std::span<const std::uint8_t> bytes,
                          const std::string& timeStamp = BackupTimeStamp());

}  // namespace kol
