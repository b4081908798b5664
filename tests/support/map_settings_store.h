// A settings store in memory, for tests: starts empty, as on a first start.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "files/settings_store.h"

namespace kol::test {

class MapSettingsStore : public SettingsStore {
 public:
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view fallback) const override {
    const auto found = values.find({std::string(section), std::string(key)});
    return found == values.end() ? std::string(fallback) : found->second;
  }
  void Write(std::string_view section, std::string_view key, std::string_view value) override {
    values[{std::string(section), std::string(key)}] = std::string(value);
  }

  std::map<std::pair<std::string, std::string>, std::string> values;
};

}  // namespace kol::test
