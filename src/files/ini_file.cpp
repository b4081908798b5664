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

// The raw value of `key` in the section whose items `lines` stands before: up to the next
// header line, which ends the section whatever it names.
std::optional<std::string_view> ItemValue(LineReader& lines, std::string_view key) {
  while (!lines.AtEnd()) {
    const std::string_view line = TrimBlanks(lines.Next());
    if (line.starts_with('[')) return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos &&
        EqualsIgnoringCase(TrimBlanks(line.substr(0, equals)), key)) {
      return TrimBlanks(line.substr(equals + 1)).substr(0, kMaxValueLength);
    }
  }
  return std::nullopt;
}

// Items outside any section are skipped; a header without a name opens no section.
std::optional<std::string_view> RawValue(std::string_view text, std::string_view section,
                                         std::string_view key) {
  if (section.empty()) return std::nullopt;
  for (LineReader lines(text); !lines.AtEnd();) {
    const std::string_view line = TrimBlanks(lines.Next());
    if (line.starts_with('[') && EqualsIgnoringCase(HeaderName(line), section)) {
      return ItemValue(lines, key);
    }
  }
  return std::nullopt;
}

}  // namespace

std::string IniValue(std::string_view text, std::string_view section, std::string_view key) {
  std::string_view value = RawValue(text, section, key).value_or(std::string_view{});
  if (value == kNoneMark) return {};
  if (value.starts_with('#')) value.remove_prefix(1);
  return std::string(value);
}

IniFile IniFile::Load(const std::string& path) {
  IniFile ini;
  ini.text_ = ReadWholeFile(path).value_or(std::string{});
  return ini;
}

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  ini.text_ = text;
  return ini;
}

std::string IniFile::Value(std::string_view section, std::string_view key) const {
  return IniValue(text_, section, key);
}

std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key) {
  return IniFile::Load(path).Value(section, key);
}

}  // namespace kol
