// Private-profile (INI) lookups: the model list "global.ini" and the model-type check of a
// settings file. Only the first section of a name counts, as the platform's reader does.
#pragma once

#include <string>
#include <string_view>

namespace kol {

// The value of `key` in the first section named `section` of INI text (both names in any
// letter case): blanks around it removed, at most 127 characters, "<NONE>" read as absent,
// one leading "#" removed. Empty when absent. The text is walked once, up to the end of
// that section, without copying it.
std::string IniValue(std::string_view text, std::string_view section, std::string_view key);

class IniFile {
 public:
  // An empty file when `path` cannot be read.
  static IniFile Load(const std::string& path);
  static IniFile Parse(std::string_view text);

  // IniValue of the file's text.
  std::string Value(std::string_view section, std::string_view key) const;

 private:
  std::string text_;
};

// One lookup in the INI file at `path`, with the rules of IniValue.
std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key);

}  // namespace kol
