#include "files/app_settings.h"

#include <algorithm>
#include <charconv>

#include "files/value_text.h"

namespace kol {
namespace {

std::string DestinationKey(int modelCode) { return "IniFileName_" + std::to_string(modelCode); }

constexpr std::string_view kRecentSection = "Recent";
std::string RecentKey(int n) { return "File" + std::to_string(n); }

constexpr std::string_view kGeometrySection = "Settings";
constexpr std::string_view kGeometryKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

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

std::optional<PortChoice> PortChoiceFromText(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int number = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (ec != std::errc() || end != text.data() + text.size()) {
    return PortChoice{kLowestPortNumber, std::string(text)};
  }
  if (number < kLowestPortNumber || number > kHighestPortNumber) return std::nullopt;
  return PortChoice{number, {}};
}

PortChoice ReadPortChoice(const SettingsStore& store) {
  PortChoice choice;
  const std::optional<int> number = ReadIntSetting(store, kComNumSetting);
  if (number && *number >= kLowestPortNumber && *number <= kHighestPortNumber) {
    choice.number = *number;
  }
  choice.devicePath = store.Read(kComDeviceSetting.section, kComDeviceSetting.key,
                                 kComDeviceSetting.fallback);
  return choice;
}

void SavePortChoice(SettingsStore& store, const PortChoice& choice) {
  store.Write(kComNumSetting.section, kComNumSetting.key, std::to_string(choice.number));
  store.Write(kComDeviceSetting.section, kComDeviceSetting.key, choice.devicePath);
}

std::vector<std::string> ReadRecentFiles(const SettingsStore& store) {
  std::vector<std::string> files;
  for (int n = 1; n <= kMaxRecentFiles; ++n) {
    std::string path = store.Read(kRecentSection, RecentKey(n), "");
    if (!path.empty()) files.push_back(std::move(path));
  }
  return files;
}

void SaveRecentFiles(SettingsStore& store, const std::vector<std::string>& files) {
  for (int n = 1; n <= kMaxRecentFiles; ++n) {
    const std::size_t i = static_cast<std::size_t>(n - 1);
    store.Write(kRecentSection, RecentKey(n), i < files.size() ? files[i] : std::string());
  }
}

std::vector<std::string> WithRecentFile(std::vector<std::string> files, const std::string& path) {
  files.erase(std::remove(files.begin(), files.end(), path), files.end());
  files.insert(files.begin(), path);
  if (files.size() > static_cast<std::size_t>(kMaxRecentFiles)) files.resize(kMaxRecentFiles);
  return files;
}

void SaveMainGeometry(SettingsStore& store, const WindowGeometry& geometry) {
  const int values[] = {geometry.left, geometry.top, geometry.width, geometry.height};
  for (std::size_t i = 0; i < std::size(values); ++i) {
    store.Write(kGeometrySection, kGeometryKeys[i], std::to_string(values[i]));
  }
}

std::optional<WindowGeometry> ReadMainGeometry(const SettingsStore& store) {
  int values[std::size(kGeometryKeys)] = {};
  for (std::size_t i = 0; i < std::size(kGeometryKeys); ++i) {
    const std::optional<int> value = ParseInteger<int>(store.Read(kGeometrySection, kGeometryKeys[i], ""));
    if (!value) return std::nullopt;
    values[i] = *value;
  }
  if (values[2] <= 0 || values[3] <= 0) return std::nullopt;
  return WindowGeometry{values[0], values[1], values[2], values[3]};
}

}  // namespace kol
