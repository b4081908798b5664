// The parsed form of a settings text file: its sections in file order, names upper-cased
// and values trimmed, and the lookup of one value by section and key.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace kol {

class SectionTable {
 public:
  static SectionTable Parse(std::string_view text);

  // Sections are numbered from 0 in file order; -1 when the text has none.
  int LastSectionIndex() const { return lastSection_; }

  // The first item `key` of the sections named `section`, searched in file order (a
  // section without the key does not end the search); empty when absent. Both names in
  // any letter case.
  std::string_view LookupValue(std::string_view section, std::string_view key) const;

 private:
  void AddItem(const std::string& section, std::string_view line, std::size_t equals);

  int lastSection_ = -1;
  // Per upper-cased section name, the first value of each upper-cased key in file order:
  // what a walk through the sections of that name finds first. Duplicate sections and
  // keys add nothing, so memory follows the file's size.
  std::unordered_map<std::string, std::unordered_map<std::string, std::string>> values_;
};

}  // namespace kol
