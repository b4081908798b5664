// How the window names the lists of the document and their rows: the node and grid that
// show a list, the words of its steps and messages ("EXP 7", "Group1 CH16", "Memory ID3"),
// and the rows a tree node stands for.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editor/edit_history.h"
#include "editor/node_table.h"
#include "files/list_tables.h"
#include "model/channel_rules.h"
#include "model/prompts.h"

namespace kol::editor {

// Rows of a list that a command works on.
struct ListSelection {
  ListId list;
  std::vector<int> rows;  // 0-based, ascending
  int first = 0;          // where a paste lands

  bool operator==(const ListSelection&) const = default;
};

// The grids of the list pages: the channel lists and the directory lists.
inline constexpr char kChannelGrid[] = "MSFlexGrid1";
inline constexpr char kDirectoryGrid[] = "MSFlexGrid2";

// The list a node shows or belongs to, and the rows it stands for: a list node all its
// rows (a directory's entries in use), a channel or entry node its own row. Nothing for
// the other nodes.
std::optional<ListSelection> NodeSelection(const NodeTarget& target, const SettingsModel& model);

// "Group1", "EXP Channel", "Individual Directory".
std::string ListName(ListId list);
// "Group1 CH16", "EXP 7", "Memory ID3", as the steps of the pages name them.
std::string RowName(const SettingsModel& model, ListId list, int row);
// "Group1 CH16" for one row, "3 channels of Group1" or "2 entries of Individual Directory"
// for several.
std::string RowsName(const SettingsModel& model, ListId list, std::span<const int> rows);
// The name an export proposes: "individual.csv", "group.csv", "exp.csv", "group1_channels.csv".
std::string ListFileName(ListId list);
// The key of the list's node ("PU", "ExpChannel", "SM") and of a row's node ("PU 32").
std::string ListNodeKey(ListId list);
std::string RowNodeKey(const SettingsModel& model, ListId list, int row);
// A step on rows of a list: shown at the list's node and grid, with the rows selected.
EditStep RowsStep(std::string name, ListId list, std::vector<int> rows);


// The message for a text that changed nothing: `what` ("Nothing was pasted.") above every
// problem, each named by the row it is about (a paste) or by its line (a file).
Message RefusalMessage(const std::string& title, const std::string& what,
                       const std::vector<ListProblem>& problems, const SettingsModel& model,
                       ListId list, bool byRow);

}  // namespace kol::editor
