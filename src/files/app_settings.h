// The keys the program keeps in the settings store, their defaults and value forms, and
// typed reads of them: the last model, the last destination per model, port, hex view.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
// Whether the window reads the radio back after programming it to compare.
inline constexpr SettingKey kVerifyAfterProgrammingSetting{"Settings", "VerifyAfterProgramming", "1"};
inline constexpr SettingKey kComNumSetting{"ComPath", "ComNum", "1"};
// A device path chosen instead of a numbered port (a USB adapter, a simulator's terminal).
inline constexpr SettingKey kComDeviceSetting{"ComPath", "ComDevice", ""};
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

// The serial port the transfers open: a port number 1-4, or a device path that takes its
// place when not empty.
struct PortChoice {
  int number = 1;
  std::string devicePath;

  bool operator==(const PortChoice&) const = default;
};
inline constexpr int kLowestPortNumber = 1;
inline constexpr int kHighestPortNumber = 4;
// A port as the user names it: a number 1-4, or any other text as a device path; nothing
// for an empty text or another number.
std::optional<PortChoice> PortChoiceFromText(std::string_view text);
// The stored choice; a number outside 1-4 or not a number reads as port 1.
PortChoice ReadPortChoice(const SettingsStore& store);
void SavePortChoice(SettingsStore& store, const PortChoice& choice);

// File > Open Recent: the last files opened or saved, newest first.
inline constexpr int kMaxRecentFiles = 8;
std::vector<std::string> ReadRecentFiles(const SettingsStore& store);
void SaveRecentFiles(SettingsStore& store, const std::vector<std::string>& files);
// `files` with `path` moved to the front (added when new), at most kMaxRecentFiles.
std::vector<std::string> WithRecentFile(std::vector<std::string> files, const std::string& path);

// The main window's place and size as the program stores them on exit, in twips.
struct WindowGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const WindowGeometry&) const = default;
};
void SaveMainGeometry(SettingsStore& store, const WindowGeometry& geometry);
// Nothing unless all four values are stored as numbers and the size is positive.
std::optional<WindowGeometry> ReadMainGeometry(const SettingsStore& store);

}  // namespace kol
