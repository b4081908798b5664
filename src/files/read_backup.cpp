#include "files/read_backup.h"

#include <time.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "files/atomic_file.h"
#include "model/radio_identity.h"

namespace kol {

std::string BackupTimeStamp() {
  using namespace std::chrono;
  const system_clock::time_point now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d-%02d-%02d-%03d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                static_cast<int>(millis));
  return text;
}

std::string BackupFileName(const std::string& timeStamp, std::span<const std::uint8_t> bytes) {
  const std::string mmsi = IdentityOf(bytes).userMmsi;
  return timeStamp + (mmsi.empty() ? "" : "_" + mmsi) + ".hex";
}

KeptBackup KeepReadBackup(const std::string& userDataFolder, std::span<const std::uint8_t> bytes,
                          const std::string& timeStamp) {
  // More radios than this do not finish in one millisecond.
  constexpr int kMostNamesTried = 1000;
  const std::filesystem::path folder = std::filesystem::path(userDataFolder) / "backups";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const std::string name = BackupFileName(timeStamp, bytes);
  const std::string stem = name.substr(0, name.size() - std::string_view(".hex").size());
  const std::string_view data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  KeptBackup kept;
  for (int n = 1; n <= kMostNamesTried; ++n) {
    kept.path = (folder / (n == 1 ? name : stem + "." + std::to_string(n) + ".hex")).string();
    int error = 0;
    kept.error.clear();
    if (WriteNewFileAtomically(kept.path, data, &kept.error, &error) || error != EEXIST) break;
  }
  return kept;
}

}  // namespace kol
