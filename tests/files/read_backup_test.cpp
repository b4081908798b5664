#include "files/read_backup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <thread>

#include "files/file_read.h"
#include "support/temp_dir.h"

namespace kol {
namespace {

TEST(ReadBackupTest, KeepsTheBytesInTheBackupsFolderUnderTheTimeOfTheRead) {
  test::TempDir dir;
  const std::vector<std::uint8_t> bytes = {0x0C, 0xE4, 0x00, 0xFF};
  const KeptBackup first = KeepReadBackup(dir.File("data"), bytes);
  ASSERT_TRUE(first.Ok()) << first.error;
  const std::filesystem::path path(first.path);
  EXPECT_EQ(path.parent_path(), std::filesystem::path(dir.File("data")) / "backups");
  EXPECT_TRUE(std::regex_match(path.filename().string(),
                               std::regex(R"(\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d-\d{3}\.hex)")))
      << path.filename();
  EXPECT_EQ(ReadWholeFile(first.path), std::string("\x0C\xE4\x00\xFF", 4));
}

// Twenty radios' backups can be told apart by their user MMSI.
TEST(ReadBackupTest, BackupNamesCarryTheUserMmsi) {
  std::vector<std::uint8_t> bytes(8192, 0xFF);
  EXPECT_EQ(BackupFileName("2024-06-12_10-00-00-000", bytes), "2024-06-12_10-00-00-000.hex");
  const std::uint8_t mmsi[] = {0x36, 0x61, 0x23, 0x45, 0x60};  // 366123456 and the pad 0
  std::copy(std::begin(mmsi), std::end(mmsi), bytes.begin() + 0x54);
  EXPECT_EQ(BackupFileName("2024-06-12_10-00-00-000", bytes),
            "2024-06-12_10-00-00-000_366123456.hex");
}

// Radios read at once finish in the same millisecond, often with the same (or no) user
// MMSI: each backup gets a name of its own and keeps its own bytes.
TEST(ReadBackupTest, BackupsOfTheSameMomentNeverReplaceEachOther) {
  constexpr int kRadios = 8;
  const std::uint8_t mmsi[] = {0x36, 0x61, 0x23, 0x45, 0x60};
  for (const bool withMmsi : {false, true}) {
    test::TempDir dir;
    std::vector<std::vector<std::uint8_t>> images(kRadios, std::vector<std::uint8_t>(8192, 0xFF));
    std::vector<KeptBackup> kept(kRadios);
    std::vector<std::thread> readers;
    for (int r = 0; r < kRadios; ++r) {
      if (withMmsi) std::copy(std::begin(mmsi), std::end(mmsi), images[r].begin() + 0x54);
      images[r][0x100] = static_cast<std::uint8_t>(r);
      readers.emplace_back([&, r] {
        kept[r] = KeepReadBackup(dir.File("data"), images[r], "2024-06-12_10-00-00-000");
      });
    }
    for (std::thread& reader : readers) reader.join();
    std::set<std::string> names;
    for (int r = 0; r < kRadios; ++r) {
      ASSERT_TRUE(kept[r].Ok()) << kept[r].error;
      names.insert(std::filesystem::path(kept[r].path).filename().string());
      EXPECT_EQ(ReadWholeFile(kept[r].path),
                std::string(images[r].begin(), images[r].end()));
    }
    const std::string stem = withMmsi ? "2024-06-12_10-00-00-000_366123456"
                                      : "2024-06-12_10-00-00-000";
    std::set<std::string> expected = {stem + ".hex"};
    for (int n = 2; n <= kRadios; ++n) expected.insert(stem + "." + std::to_string(n) + ".hex");
    EXPECT_EQ(names, expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("data/backups")),
                            std::filesystem::directory_iterator()),
              kRadios);  // no temporary file left behind
  }
}

TEST(ReadBackupTest, FolderThatCannotBeMadeGivesTheSystemsReason) {
  test::TempDir dir;
  ASSERT_TRUE(KeepReadBackup(dir.path().string(), std::vector<std::uint8_t>{0}).Ok());
  // A file where the data folder should be.
  const std::string blocked = dir.File("backups/not-a-folder");
  { std::ofstream(blocked) << "x"; }
  const KeptBackup kept = KeepReadBackup(blocked, std::vector<std::uint8_t>{1, 2});
  EXPECT_FALSE(kept.Ok());
  EXPECT_EQ(kept.error, "Not a directory");
}

}  // namespace
}  // namespace kol
