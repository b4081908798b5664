// The channel lists and the MMSI directories as tables of text for spreadsheets: CSV files
// and the clipboard's tab-separated rows, each with a header line. Text brought back becomes
// a change of the list only when every value in it passes the rules the editor applies to
// the same field; otherwise nothing changes and every refused value is named.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/directory_rules.h"
#include "model/settings_model.h"

namespace kol {

enum class ListKind { kPlanChannels, kExpChannels, kIndividualDirectory, kGroupDirectory };

struct ListId {
  ListKind kind = ListKind::kExpChannels;
  int group = kGroup1;  // the plan of kPlanChannels

  bool operator==(const ListId&) const = default;
};

// Whether a list is a directory, and which.
bool IsDirectory(ListId list);
DirectoryKind DirectoryOf(ListId list);

// A value, or a line, that keeps a text from becoming a change.
struct ListProblem {
  int line = 0;        // 1-based line of the text
  std::string column;  // the column's header; empty when the line as a whole is at fault
  std::string reason;
  std::optional<int> row;  // the 0-based row of the list it is about, where there is one

  bool operator==(const ListProblem&) const = default;
};
// "line 3, Rx MHz: ..." or "line 3: ...".
std::string ProblemText(const ListProblem& problem);

using ListRecords =
    std::variant<ChannelPlan, std::vector<ExpChannelRecord>, std::vector<DirectoryEntry>>;

// A change of one list that passed every check: the whole list as it is afterwards.
struct ListEdit {
  ListId list;
  std::vector<int> rows;  // 0-based rows whose record changes, ascending
  ListRecords records;

  void ApplyTo(SettingsModel& model) const;
};

struct ListEditResult {
  std::optional<ListEdit> edit;       // set exactly when there are no problems
  std::vector<ListProblem> problems;  // in the order of the text's lines
};

// The CSV text of a list (comma-separated, CR LF line ends, header line first): every
// channel of a channel list, a directory's entries in use.
std::string ListCsv(const SettingsModel& model, ListId list);

// A CSV text brought back. A channel list changes the channels its rows name in their
// Channel column and keeps the others; a directory becomes its rows, in order. A value
// equal to what the list already holds there is kept as it is stored.
ListEditResult ListFromCsv(const SettingsModel& model, ListId list, std::string_view csv);

// The clipboard's text of some rows (0-based, in the order given): the header line, then
// one tab-separated line per row, LF line ends.
std::string CopiedRows(const SettingsModel& model, ListId list, std::span<const int> rows);

// Rows from the clipboard land as one block from row `first` (0-based) on, whatever their
// Channel column says; in a directory they may go past the entries in use, which adds
// entries. Columns the text leaves out keep their values.
ListEditResult PastedRows(const SettingsModel& model, ListId list, int first,
                          std::string_view text);

}  // namespace kol
