// The settings store kept by QSettings: the per-user file of the application "KOL
// Programmer" (on Linux under XDG_CONFIG_HOME), or a given INI file. Changes reach the file
// when the event loop next turns and when the store is destroyed.
#pragma once

#include <memory>
#include <string>

#include "files/settings_store.h"

class QSettings;

namespace kol {

inline constexpr char kApplicationTitle[] = "KOL Programmer";

class QtSettingsStore final : public SettingsStore {
 public:
  QtSettingsStore();                                     // the per-user store
  explicit QtSettingsStore(const std::string& iniFile);  // a store in a file of one's choice
  ~QtSettingsStore() override;

  std::string Read(std::string_view section, std::string_view key,
                   std::string_view fallback) const override;
  void Write(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace kol
