// The parsed form of a settings text file: its sections in file order, and the lookup of
// one value by section and key. It holds views into the text it was parsed from, which
// must outlive it, so that parsing a file copies none of its lines.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

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
  struct Item {
    std::string_view section;  // trimmed
    std::string_view key;      // trimmed
    std::string_view value;    // trimmed, one leading "#" removed
  };

  // The slot of the first item named `section` and `key`, or the empty slot where it
  // would go.
  std::size_t SlotOf(std::string_view section, std::string_view key) const;
  void Index();

  int lastSection_ = -1;
  std::vector<Item> items_;  // in file order
  // A hash table over the items by their names in any letter case: 1 + the index of the
  // first item of each name, 0 for an empty slot; a power of two in size.
  std::vector<std::uint32_t> slots_;
};

}  // namespace kol
