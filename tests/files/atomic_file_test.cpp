#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace kol {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::size_t FilesIn(const std::filesystem::path& dir) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                                std::filesystem::directory_iterator()));
}

TEST(WriteFileAtomically, CreatesAndReplacesWithoutLeavingTemporaries) {
  test::TempDir dir;
  const std::string path = dir.File("a.dat");
  ASSERT_TRUE(WriteFileAtomically(path, "first"));
  ASSERT_TRUE(WriteFileAtomically(path, std::string("sec\0ond", 7)));
  EXPECT_EQ(ReadAll(path), std::string("sec\0ond", 7));
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(WriteFileAtomically, FailedWriteKeepsTheOldFile) {
  test::TempDir dir;
  const std::string path = dir.File("a.dat");
  ASSERT_TRUE(WriteFileAtomically(path, "old contents"));
  std::string error;
  {
    test::FileSizeLimit full(16);  // the disk "fills up" after 16 bytes
    EXPECT_FALSE(WriteFileAtomically(path, std::string(4096, 'x'), &error));
  }
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadAll(path), "old contents");
  EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(WriteFileAtomically, RefusesPathsThatCannotHoldAFile) {
  test::TempDir dir;
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir.path().string(), "x", &error));  // a folder
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(WriteFileAtomically(dir.File("missing/a.dat"), "x", &error));
  EXPECT_EQ(FilesIn(dir.path()), 0u);
}

}  // namespace
}  // namespace kol
