// The keys the program keeps in the settings store, their defaults and value forms, and
// typed reads of them: the last model, the last destination per model, port, hex view.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/settings_store.h"

namespace kol {

// One stored value: where it lives and what a first start finds there.
struct SettingKey {
  std::string_view section;
  std::string_view key;
  std::string_view fallback;
};

inline constexpr SettingKey kLastModelSetting{"Settings", "lastmodel", "1"};
inline constexpr SettingKey kHexVisibleSetting{"Settings", "hexvisible", "0"};
inline constexpr SettingKey kComNumSetting{"ComPath", "ComNum", "1"};
inline constexpr std::string_view kDestinationSection = "IniFilePath";
inline constexpr std::string_view kDefaultDestination = "usa";

// Typed reads: nothing when the stored text is not of the expected form, so that the caller
// keeps the value it had.
std::optional<int> ReadIntSetting(const SettingsStore& store, const SettingKey& setting);
std::optional<bool> ReadFlagSetting(const SettingsStore& store, const SettingKey& setting);

// The destination last chosen for a model type ("IniFileName_" + code), "usa" at first.
std::string SavedDestination(const SettingsStore& store, int modelCode);
void SaveDestination(SettingsStore& store, int modelCode, std::string_view name);
void SaveLastModel(SettingsStore& store, int modelCode);

}  // namespace kol
