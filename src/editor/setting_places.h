// Where the window shows each setting of the settings file: the tree node whose page holds
// it and the control on that page. The core names a setting by section and key (a finding
// of the check before programming, a difference between documents); the window looks the
// place up here, in one table.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "editor/window_place.h"

namespace kol::editor {

// How a row's section, node and control carry a record number.
enum class Numbering {
  kNone,     // one section, one node, one control
  kLeaf,     // section prefix + number, shown by the leaf node prefix + " " + number
  kControl,  // section prefix + number, shown on one node by control + "_" + number
};

// One row: a key of a section (or of every section of a numbered kind).
struct SettingRow {
  std::string section;  // the section, or the prefix of numbered sections ("CHEXP")
  std::string key;
  std::string node;     // the node's key, or the prefix of numbered leaf nodes ("E")
  std::string control;
  Numbering numbering = Numbering::kNone;
  int first = 0;  // record numbers of numbered sections
  int last = 0;
};

// Every row, general sections first.
std::span<const SettingRow> SettingRows();

// The place of `key` in `section`, both as the settings file writes them; nothing for a
// setting the window does not show (the auto-position settings, BeepOut7, ...).
std::optional<SettingPlace> PlaceOfSetting(std::string_view section, std::string_view key);

}  // namespace kol::editor
