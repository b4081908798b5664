#include "files/read_backup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

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
