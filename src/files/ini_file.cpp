#include "files/ini_file.h"

#include <optional>

#include "files/file_read.h"
#include "files/text_lines.h"
#include "model/formatters.h"

namespace kol {
namespace {

constexpr std::size_t kMaxValueLength = 127;  // the reader's 128-character buffer
constexpr std::string_view kNoneMark = "<NONE>";

// The name of a header line ("[name]"), empty for a header without a closing "]".
std::string_view HeaderName(std::string_view line) {
  const std::size_t close = line.find(']');
  return close == std::string_view::npos ? std::string_view{}
                                         : TrimBlanks(line.substr(1, close - 1));
}

}  // namespace

IniFile IniFile::Load(const std::string& path) {
  return Parse(ReadWholeFile(path).value_or(std::string{}));
}

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  // Items go to the first section of each name only; later ones and items outside any
  // section are skipped.
  std::map<std::string, std::string, std::less<>>* current = nullptr;
  for (LineReader lines(text); !lines.AtEnd();) {
    const std::string_view line = TrimBlanks(lines.Next());
    if (line.starts_with('[')) {
      const std::string name = UpperAscii(HeaderName(line));
      const bool seen = name.empty() || ini.sections_.contains(name);
      current = seen ? nullptr : &ini.sections_[name];
      continue;
    }
    const std::size_t equals = line.find('=');
    if (current == nullptr || equals == std::string_view::npos) continue;
    current->try_emplace(UpperAscii(TrimBlanks(line.substr(0, equals))),
                         TrimBlanks(line.substr(equals + 1)).substr(0, kMaxValueLength));
  }
  return ini;
}

std::string IniFile::Value(std::string_view section, std::string_view key) const {
  const auto found = sections_.find(UpperAscii(section));
  if (found == sections_.end()) return {};
  const auto item = found->second.find(UpperAscii(key));
  if (item == found->second.end()) return {};
  std::string_view value = item->second;
  if (value == kNoneMark) return {};
  if (value.starts_with('#')) value.remove_prefix(1);
  return std::string(value);
}

std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key) {
  return IniFile::Load(path).Value(section, key);
}

}  // namespace kol
