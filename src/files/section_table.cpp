#include "files/section_table.h"

#include "files/text_lines.h"
#include "model/formatters.h"

namespace kol {
namespace {

// A header opens a section when it starts with "[" and has a "]" that is not right after
// it; text after the "]" is ignored.
bool ParseHeader(std::string_view line, std::string& name) {
  if (!line.starts_with('[')) return false;
  const std::size_t close = line.find(']', 1);
  if (close == std::string_view::npos || close == 1) return false;
  name = UpperAscii(TrimBlanks(line.substr(1, close - 1)));
  return true;
}

}  // namespace

SectionTable SectionTable::Parse(std::string_view text) {
  SectionTable table;
  LineReader lines(text);
  std::string_view pending;  // a line that ended a section, to be read as a header
  std::string name;
  // A line that ends a section is examined again only while lines remain, so a header on
  // the very last line, met while reading items, opens no section.
  while (!lines.AtEnd()) {
    const std::string_view line = pending.empty() ? lines.Next() : pending;
    pending = {};
    if (!ParseHeader(line, name)) continue;
    ++table.lastSection_;
    while (!lines.AtEnd()) {
      const std::string_view item = lines.Next();
      const std::size_t equals = item.find('=');
      if (equals != std::string_view::npos && equals != 0) {
        table.AddItem(name, item, equals);
      } else if (item.find('[') != std::string_view::npos) {
        pending = item;
        break;
      }
    }
  }
  return table;
}

void SectionTable::AddItem(const std::string& section, std::string_view line, std::size_t equals) {
  std::string_view value = TrimBlanks(line.substr(equals + 1));
  if (value.starts_with('#')) value.remove_prefix(1);
  values_[section].try_emplace(UpperAscii(TrimBlanks(line.substr(0, equals))), value);
}

std::string_view SectionTable::LookupValue(std::string_view section, std::string_view key) const {
  const auto found = values_.find(UpperAscii(section));
  if (found == values_.end()) return {};
  const auto item = found->second.find(UpperAscii(key));
  return item == found->second.end() ? std::string_view{} : std::string_view(item->second);
}

}  // namespace kol
