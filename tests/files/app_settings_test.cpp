#include "files/app_settings.h"

#include <gtest/gtest.h>

#include "support/map_settings_store.h"

namespace kol {
namespace {

TEST(AppSettings, FirstStartReadsTheDefaults) {
  test::MapSettingsStore store;
  EXPECT_EQ(ReadIntSetting(store, kLastModelSetting), 1);
  EXPECT_EQ(ReadIntSetting(store, kComNumSetting), 1);
  EXPECT_EQ(ReadFlagSetting(store, kHexVisibleSetting), false);
  EXPECT_EQ(SavedDestination(store, 1), "usa");
}

TEST(AppSettings, WritesUnderTheProgramsSectionsAndKeys) {
  test::MapSettingsStore store;
  SaveLastModel(store, 2);
  SaveDestination(store, 1, "CAN-M");
  EXPECT_EQ((store.values[{"Settings", "lastmodel"}]), "2");
  EXPECT_EQ((store.values[{"IniFilePath", "IniFileName_1"}]), "CAN-M");
  EXPECT_EQ(SavedDestination(store, 1), "CAN-M");
  EXPECT_EQ(SavedDestination(store, 2), "usa");
}

TEST(AppSettings, ValuesOfAnotherFormReadAsNothing) {
  test::MapSettingsStore store;
  store.Write("Settings", "lastmodel", "one");
  store.Write("Settings", "hexvisible", "True");
  EXPECT_EQ(ReadIntSetting(store, kLastModelSetting), std::nullopt);
  EXPECT_EQ(ReadFlagSetting(store, kHexVisibleSetting), true);
}

TEST(AppSettings, APortIsANumberOneToFourOrADevicePath) {
  const std::pair<const char*, std::optional<PortChoice>> cases[] = {
      {"1", PortChoice{1, ""}},
      {"4", PortChoice{4, ""}},
      {"/dev/ttyUSB0", PortChoice{1, "/dev/ttyUSB0"}},
      {"COM7", PortChoice{1, "COM7"}},
      {"1a", PortChoice{1, "1a"}},
      {"0", std::nullopt},
      {"5", std::nullopt},
      {"-1", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, choice] : cases) EXPECT_EQ(PortChoiceFromText(text), choice) << text;
}

}  // namespace
}  // namespace kol
