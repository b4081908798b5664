#include "files/section_table.h"

#include <bit>

#include "files/text_lines.h"
#include "model/formatters.h"

namespace kol {
namespace {

// A header opens a section when it starts with "[" and has a "]" that is not right after
// it; text after the "]" is ignored.
bool ParseHeader(std::string_view line, std::string_view& name) {
  if (!line.starts_with('[')) return false;
  const std::size_t close = line.find(']', 1);
  if (close == std::string_view::npos || close == 1) return false;
  name = TrimBlanks(line.substr(1, close - 1));
  return true;
}

// FNV-1a over the upper-cased bytes of the section, a separator and the key.
std::uint64_t NameHash(std::string_view section, std::string_view key) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  const auto add = [&hash](std::string_view text) {
    for (const char c : text) {
      hash = (hash ^ static_cast<unsigned char>(UpperAsciiChar(c))) * 0x100000001b3ull;
    }
  };
  add(section);
  add("]");
  add(key);
  return hash;
}

}  // namespace

SectionTable SectionTable::Parse(std::string_view text) {
  SectionTable table;
  LineReader lines(text);
  std::string_view pending;  // a line that ended a section, to be read as a header
  std::string_view name;
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
        std::string_view value = TrimBlanks(item.substr(equals + 1));
        if (value.starts_with('#')) value.remove_prefix(1);
        table.items_.push_back({name, TrimBlanks(item.substr(0, equals)), value});
      } else if (item.find('[') != std::string_view::npos) {
        pending = item;
        break;
      }
    }
  }
  table.Index();
  return table;
}

// Items go in in file order, so the first of each name takes the slot and later ones
// are never found.
void SectionTable::Index() {
  slots_.assign(std::bit_ceil(2 * items_.size() + 1), 0);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    std::uint32_t& slot = slots_[SlotOf(items_[i].section, items_[i].key)];
    if (slot == 0) slot = static_cast<std::uint32_t>(i + 1);
  }
}

std::size_t SectionTable::SlotOf(std::string_view section, std::string_view key) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = NameHash(section, key) & mask;; slot = (slot + 1) & mask) {
    if (slots_[slot] == 0) return slot;
    const Item& item = items_[slots_[slot] - 1];
    if (EqualsIgnoringCase(item.key, key) && EqualsIgnoringCase(item.section, section)) {
      return slot;
    }
  }
}

std::string_view SectionTable::LookupValue(std::string_view section, std::string_view key) const {
  if (slots_.empty()) return {};  // not parsed from any text
  const std::uint32_t slot = slots_[SlotOf(section, key)];
  return slot == 0 ? std::string_view{} : items_[slot - 1].value;
}

}  // namespace kol
