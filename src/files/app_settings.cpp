#include "files/app_settings.h"

#include "files/value_text.h"

namespace kol {
namespace {

std::string DestinationKey(int modelCode) { return "IniFileName_" + std::to_string(modelCode); }

}  // namespace

std::optional<int> ReadIntSetting(const SettingsStore& store, const SettingKey& setting) {
  return ParseInteger<int>(store.Read(setting.section, setting.key, setting.fallback));
}

std::optional<bool> ReadFlagSetting(const SettingsStore& store, const SettingKey& setting) {
  return ParseFlag(store.Read(setting.section, setting.key, setting.fallback));
}

std::string SavedDestination(const SettingsStore& store, int modelCode) {
  return store.Read(kDestinationSection, DestinationKey(modelCode), kDefaultDestination);
}

void SaveDestination(SettingsStore& store, int modelCode, std::string_view name) {
  store.Write(kDestinationSection, DestinationKey(modelCode), name);
}

void SaveLastModel(SettingsStore& store, int modelCode) {
  store.Write(kLastModelSetting.section, kLastModelSetting.key, std::to_string(modelCode));
}

}  // namespace kol
