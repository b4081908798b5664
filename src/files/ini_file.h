// Private-profile (INI) lookups: the model list "global.ini" and the model-type check of a
// settings file. Only the first section of a name counts, as the platform's reader does.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace kol {

class IniFile {
 public:
  // An empty file when `path` cannot be read.
  static IniFile Load(const std::string& path);
  static IniFile Parse(std::string_view text);

  // The value of `key` in the first section named `section` (both in any letter case):
  // blanks around it removed, at most 127 characters, "<NONE>" read as absent, one leading
  // "#" removed. Empty when absent.
  std::string Value(std::string_view section, std::string_view key) const;

 private:
  // Upper-cased section name -> upper-cased key -> raw value (first occurrence of each).
  std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> sections_;
};

// One lookup in the INI file at `path`, with the rules of IniFile::Value.
std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key);

}  // namespace kol
