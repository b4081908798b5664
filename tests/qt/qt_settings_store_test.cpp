#include "files/qt_settings_store.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kol
