#include "files/qt_settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/app_settings.h"
#include "files/file_read.h"
#include "support/temp_dir.h"

namespace kol {
namespace {

TEST(QtSettingsStore, KeepsValuesBySectionAndKeyBetweenRuns) {
  test::TempDir dir;
  const std::string file = dir.File("settings.ini");
  {
    QtSettingsStore store(file);
    EXPECT_EQ(SavedDestination(store, 1), "usa");
    SaveDestination(store, 1, "CAN-M");
    SaveLastModel(store, 2);
  }
  const QtSettingsStore reopened(file);
  EXPECT_EQ(SavedDestination(reopened, 1), "CAN-M");
  EXPECT_EQ(ReadIntSetting(reopened, kLastModelSetting), 2);
  EXPECT_EQ(reopened.Read("ComPath", "ComNum", "1"), "1");
  const std::string text = ReadWholeFile(file).value_or("");
  EXPECT_NE(text.find("[IniFilePath]\nIniFileName_1=CAN-M\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[Settings]\nlastmodel=2\n"), std::string::npos) << text;
}

// Every command and the window's start write the model and the destination. Writing the
// file again (under its lock) for values it already holds made parallel commands wait for
// each other; the file is replaced only when a value changed.
TEST(QtSettingsStore, RewritesTheFileOnlyWhenAValueChanged) {
  test::TempDir dir;
  const std::string file = dir.File("settings.ini");
  const auto fileId = [&] {
    struct stat status {};
    EXPECT_EQ(::stat(file.c_str(), &status), 0);
    return status.st_ino;
  };
  {
    QtSettingsStore store(file);
    SaveDestination(store, 1, "INTL");
    SaveLastModel(store, 1);
  }
  const auto written = fileId();
  {
    QtSettingsStore store(file);
    SaveDestination(store, 1, "INTL");
    SaveLastModel(store, 1);
  }
  EXPECT_EQ(fileId(), written);  // a rewrite puts a new file in its place
  {
    QtSettingsStore store(file);
    SaveDestination(store, 1, "INTL");
    SaveDestination(store, 1, "CAN");
  }
  EXPECT_NE(fileId(), written);
  EXPECT_EQ(SavedDestination(QtSettingsStore(file), 1), "CAN");
}

}  // namespace
}  // namespace kol
