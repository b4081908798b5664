#include "files/error_log_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "files/atomic_file.h"
#include "files/file_read.h"
#include "support/temp_dir.h"

namespace kol {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
  return ReadWholeFile(path.string()).value_or("");
}

TEST(ErrorLogFile, AppendsOneCrLfLinePerFailureInDebugMode) {
  test::TempDir dir;
  ErrorLogFile log(true, dir.path().string(), dir.File("user"));
  log.Write("frmMain.FileRead2", "2No such file or directory");
  log.Write("frmRadio.PortOpen", "13Permission denied");
  const std::string text = ReadAll(dir.path() / "err.log");
  const std::regex form(
      "[^,\r\n]+,[^\r\n]+:frmMain\\.FileRead2 -> 2No such file or directory\r\n"
      "[^,\r\n]+,[^\r\n]+:frmRadio\\.PortOpen -> 13Permission denied\r\n");
  EXPECT_TRUE(std::regex_match(text, form)) << text;
  EXPECT_FALSE(std::filesystem::exists(dir.File("user")));
}

TEST(ErrorLogFile, WritesNothingOutsideDebugMode) {
  test::TempDir dir;
  ErrorLogFile log(false, dir.path().string(), dir.File("user"));
  log.Write("frmMain.SaveFileAs", "28No space left on device");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(ErrorLogFile, FallsBackToTheUserFolderWhenTheProgramFolderCannotTakeIt) {
  test::TempDir dir;
  const std::string notAFolder = dir.File("program");
  ASSERT_TRUE(WriteFileAtomically(notAFolder, "a file where a folder should be"));
  ErrorLogFile log(true, notAFolder, dir.File("user/data"));
  log.Write("frmMain.SaveHexFileAs", "30Read-only file system");
  EXPECT_NE(ReadAll(dir.path() / "user/data/err.log").find(":frmMain.SaveHexFileAs -> 30Read-only"),
            std::string::npos);
}

}  // namespace
}  // namespace kol
