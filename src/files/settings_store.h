// The per-user settings store: text values addressed by section and key, kept between runs.
// The program reads and writes it through this interface; Qt keeps it on disk.
#pragma once

#include <string>
#include <string_view>

namespace kol {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or `fallback` when the key is absent.
  virtual std::string Read(std::string_view section, std::string_view key,
                           std::string_view fallback) const = 0;
  virtual void Write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

}  // namespace kol
