#include "files/list_tables.h"

#include <algorithm>
#include <map>
#include <type_traits>

#include "files/list_columns.h"
#include "files/table_text.h"
#include "files/text_lines.h"
#include "model/channel_rules.h"
#include "model/directory_rules.h"
#include "model/formatters.h"

namespace kol {
namespace {

constexpr char kCsvSeparator = ',';
constexpr std::string_view kCsvLineEnd = "\r\n";
constexpr char kClipboardSeparator = '\t';
constexpr std::string_view kClipboardLineEnd = "\n";

// Where the rows of a text land.
struct Placement {
  bool wholeFile = false;  // a CSV file, which names the rows of a channel list by their
                           // key and holds every entry of a directory
  int first = 0;           // else the rows land as a block from this row on
  bool keyed() const { return wholeFile && !replaceAll; }
  bool replaceAll = false;  // the rows are all the list holds afterwards
};

// The list's records and its columns, for one kind of record.
template <typename Record>
struct Table {
  using RecordType = Record;
  std::vector<Record> records;
  std::span<const ListColumn<Record>> columns;
  KeyedRow (*rowOf)(std::string_view key) = nullptr;
};

Table<ChannelRecord> PlanTable(const SettingsModel& model, ListId list) {
  return {model.group[static_cast<std::size_t>(list.group)], PlanColumns(), PlanRowOf};
}

Table<ExpChannelRecord> ExpTable(const SettingsModel& model) {
  return {{model.exp.begin(), model.exp.end()}, ExpColumns(), ExpRowOf};
}

Table<DirectoryEntry> DirectoryTable(const SettingsModel& model, ListId list) {
  const std::span<const DirectoryEntry> entries = DirectoryEntries(model, DirectoryOf(list));
  return {{entries.begin(), entries.end()}, DirectoryColumns(DirectoryOf(list))};
}

template <typename TableType>
constexpr bool IsDirectoryTable =
    std::is_same_v<typename std::remove_cvref_t<TableType>::RecordType, DirectoryEntry>;

// Runs `work` on the list's table, whatever kind of record it holds.
template <typename Work>
auto WithTable(const SettingsModel& model, ListId list, Work work) {
  switch (list.kind) {
    case ListKind::kPlanChannels:
      return work(PlanTable(model, list));
    case ListKind::kExpChannels:
      return work(ExpTable(model));
    case ListKind::kIndividualDirectory:
    case ListKind::kGroupDirectory:
      break;
  }
  return work(DirectoryTable(model, list));
}

template <typename Record>
std::string RowsText(const Table<Record>& table, std::span<const int> rows, char separator,
                     std::string_view lineEnd) {
  std::vector<TableCells> lines(1);
  for (const ListColumn<Record>& column : table.columns) lines[0].emplace_back(column.header);
  for (int row : rows) {
    if (row < 0 || row >= static_cast<int>(table.records.size())) continue;
    TableCells& cells = lines.emplace_back();
    for (const ListColumn<Record>& column : table.columns) {
      cells.push_back(column.shown(table.records[static_cast<std::size_t>(row)], row));
    }
  }
  return WriteTableText(lines, separator, lineEnd);
}

// Reads a text back into a copy of the list's records, value by value.
template <typename Record>
class RowsReader {
 public:
  RowsReader(const Table<Record>& table, Placement placement)
      : table_(table), placement_(placement), after_(table.records) {}

  ListEditResult Read(ListId list, std::string_view text, char separator) {
    const TableText read = ReadTableText(text, separator);
    // Values of a text whose quoting is broken cannot be told apart: only that is said.
    for (const TableTextProblem& problem : read.problems) Refuse(problem.line, "", problem.reason);
    if (problems_.empty()) ReadRows(read.rows);
    ListEditResult result;
    std::stable_sort(problems_.begin(), problems_.end(),
                     [](const ListProblem& a, const ListProblem& b) { return a.line < b.line; });
    result.problems = std::move(problems_);
    if (!result.problems.empty()) return result;
    ListEdit edit{list, {}, {}};
    for (std::size_t i = 0; i < after_.size(); ++i) {
      if (!(after_[i] == table_.records[i])) edit.rows.push_back(static_cast<int>(i));
    }
    edit.records = std::move(after_);
    result.edit = std::move(edit);
    return result;
  }

 private:
  static constexpr bool kDirectory = std::is_same_v<Record, DirectoryEntry>;

  void ReadRows(const std::vector<TableRow>& rows) {
    if (rows.empty()) {
      Refuse(1, "", "the header line is missing");
      return;
    }
    if (!MapHeader(rows.front())) return;
    firstLine_ = rows.size() > 1 ? rows[1].line : rows.front().line + 1;
    for (std::size_t i = 1; i < rows.size(); ++i) ReadRow(rows[i]);
    if (placement_.replaceAll) ClearAfterRows();
    CheckRecords();
  }

  void Refuse(int line, std::string_view column, std::string reason,
              std::optional<int> row = std::nullopt) {
    problems_.push_back({line, std::string(column), std::move(reason), row});
  }

  // Finds each header's column; false when the header line is refused.
  bool MapHeader(const TableRow& header) {
    const std::size_t before = problems_.size();
    std::vector<bool> named(table_.columns.size());
    for (const std::string& cell : header.cells) {
      const std::string_view name = TrimBlanks(cell);
      const auto found = std::find_if(
          table_.columns.begin(), table_.columns.end(),
          [&](const ListColumn<Record>& c) { return EqualsIgnoringCase(c.header, name); });
      if (found == table_.columns.end()) {
        Refuse(header.line, "",
               Quoted(name) + " is not a column of this list (" + ColumnNames() + ")");
        columnOf_.push_back(nullptr);
        continue;
      }
      const std::size_t index = static_cast<std::size_t>(found - table_.columns.begin());
      if (named[index]) Refuse(header.line, found->header, "the column is named twice");
      named[index] = true;
      columnOf_.push_back(&*found);
    }
    for (std::size_t i = 0; i < table_.columns.size(); ++i) {
      const ListColumn<Record>& column = table_.columns[i];
      if (named[i] || !placement_.wholeFile || !(column.required || column.key)) continue;
      Refuse(header.line, column.header, "the column is missing");
    }
    return problems_.size() == before;
  }

  std::string ColumnNames() const {
    std::string names;
    for (const ListColumn<Record>& column : table_.columns) {
      names += (names.empty() ? "" : ", ") + std::string(column.header);
    }
    return "columns: " + names;
  }

  void ReadRow(const TableRow& row) {
    if (row.cells.size() != columnOf_.size()) {
      Refuse(row.line, "",
             std::to_string(row.cells.size()) + " values where the header names " +
                 std::to_string(columnOf_.size()) + " columns");
      return;
    }
    const std::optional<int> target = Target(row);
    if (!target) return;
    const Record& stored = table_.records[static_cast<std::size_t>(*target)];
    Record& record = after_[static_cast<std::size_t>(*target)];
    if constexpr (kDirectory) record.enable = true;
    for (std::size_t i = 0; i < columnOf_.size(); ++i) {
      const ListColumn<Record>& column = *columnOf_[i];
      if (column.store == nullptr) continue;
      const std::string_view value =
          column.keepBlanks ? std::string_view(row.cells[i]) : TrimBlanks(row.cells[i]);
      // A value the row already shows stays as it is stored: the editor checks only what
      // the user changes, and a file written by this program comes back unchanged.
      if (value == column.shown(stored, *target)) continue;
      if (std::optional<std::string> refusal = column.store(record, value)) {
        Refuse(row.line, column.header, std::move(*refusal), *target);
      }
    }
  }

  std::optional<int> Target(const TableRow& row) {
    const int size = static_cast<int>(after_.size());
    if (placement_.keyed()) {
      const auto key = std::find_if(columnOf_.begin(), columnOf_.end(),
                                    [](const ListColumn<Record>* c) { return c->key; });
      const std::size_t index = static_cast<std::size_t>(key - columnOf_.begin());
      const KeyedRow keyed = table_.rowOf(TrimBlanks(row.cells[index]));
      if (!keyed.row) {
        Refuse(row.line, (*key)->header, keyed.reason);
        return std::nullopt;
      }
      const auto [other, fresh] = lineOf_.emplace(*keyed.row, row.line);
      if (!fresh) {
        Refuse(row.line, (*key)->header,
               "the channel is on line " + std::to_string(other->second) + " too", *keyed.row);
        return std::nullopt;
      }
      return keyed.row;
    }
    const int target = placement_.first + nextRow_++;
    if (target < 0 || target >= size) {
      Refuse(row.line, "",
             kDirectory ? "the directory has only " + std::to_string(size) + " entries"
                        : "the list has only " + std::to_string(size) + " rows");
      return std::nullopt;
    }
    lineOf_.emplace(target, row.line);
    return target;
  }

  void ClearAfterRows() {
    if constexpr (kDirectory) {
      for (std::size_t i = static_cast<std::size_t>(nextRow_); i < after_.size(); ++i) {
        after_[i].enable = false;
        after_[i].tagName.clear();
        after_[i].mmsi.clear();
      }
    }
  }

  int LineOf(int target) const {
    const auto found = lineOf_.find(target);
    return found == lineOf_.end() ? 0 : found->second;
  }

  bool Changed(std::size_t i) const { return !(after_[i] == table_.records[i]); }

  // A rule of the whole record about a value already refused would only repeat it.
  void RefuseRecord(int line, std::string_view column, std::string reason, int row) {
    const bool said = std::any_of(problems_.begin(), problems_.end(), [&](const ListProblem& p) {
      return p.line == line && p.column == column;
    });
    if (!said) Refuse(line, column, std::move(reason), row);
  }

  void CheckRecords() {
    if constexpr (kDirectory) {
      CheckDirectory();
    } else if constexpr (std::is_same_v<Record, ExpChannelRecord>) {
      for (std::size_t i = 0; i < after_.size(); ++i) {
        if (!Changed(i) || ExpChannelComplete(after_[i])) continue;
        const int line = LineOf(static_cast<int>(i));
        const int row = static_cast<int>(i);
        if (!(after_[i].rxFreq > 0)) {
          RefuseRecord(line, "Rx MHz", "an enabled channel needs a receive frequency", row);
        }
        if (TrimBlanks(after_[i].chDisplayL).empty()) {
          RefuseRecord(line, "CH Display", "an enabled channel needs a channel number", row);
        }
      }
    }
  }

  // A directory stays what the entry editor can build: no free entry before one in use,
  // an MMSI for every entry, and a name for every entry that another one follows.
  void CheckDirectory() {
    const int inUse = EntriesInUse(table_.records);
    if (!placement_.replaceAll && !lineOf_.empty() && placement_.first > inUse) {
      Refuse(firstLine_, "",
             "entry " + std::to_string(placement_.first + 1) + " cannot be filled while entry " +
                 std::to_string(inUse + 1) + " is free");
      return;
    }
    const int count = EntriesInUse(after_);
    for (int k = 0; k < count; ++k) {
      const std::size_t i = static_cast<std::size_t>(k);
      const bool followed = k + 1 < count;
      if (!Changed(i) && !(followed && Changed(i + 1))) continue;
      const DirectoryEntry& entry = after_[i];
      const bool noMmsi = TrimBlanks(entry.mmsi).empty();
      const bool noName = followed && TrimBlanks(entry.tagName).empty();
      if (const int line = LineOf(k); line != 0) {
        if (noMmsi) RefuseRecord(line, "MMSI", "an entry needs an MMSI", k);
        if (noName) RefuseRecord(line, "Name", "an entry needs a name when another follows it", k);
      } else if (noMmsi || noName) {
        Refuse(firstLine_, "",
               "entry " + std::to_string(k + 1) +
                   " needs a name and an MMSI before another entry can follow it",
               k);
      }
    }
  }

  const Table<Record>& table_;
  Placement placement_;
  std::vector<Record> after_;
  std::vector<const ListColumn<Record>*> columnOf_;  // per column of the text
  std::map<int, int> lineOf_;                        // target row -> line of the text
  std::vector<ListProblem> problems_;
  int nextRow_ = 0;
  int firstLine_ = 2;
};

template <typename Record>
ListEditResult ReadRows(const Table<Record>& table, ListId list, Placement placement,
                        std::string_view text, char separator) {
  return RowsReader<Record>(table, placement).Read(list, text, separator);
}

std::vector<int> AllRows(int count) {
  std::vector<int> rows(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) rows[static_cast<std::size_t>(i)] = i;
  return rows;
}

}  // namespace

bool IsDirectory(ListId list) {
  return list.kind == ListKind::kIndividualDirectory || list.kind == ListKind::kGroupDirectory;
}

DirectoryKind DirectoryOf(ListId list) {
  return list.kind == ListKind::kIndividualDirectory ? DirectoryKind::kIndividual
                                                     : DirectoryKind::kGroup;
}

std::string ProblemText(const ListProblem& problem) {
  std::string text = "line " + std::to_string(problem.line);
  if (!problem.column.empty()) text += ", " + problem.column;
  return text + ": " + problem.reason;
}

void ListEdit::ApplyTo(SettingsModel& model) const {
  std::visit(
      [&](const auto& after) {
        using List = std::remove_cvref_t<decltype(after)>;
        if constexpr (std::is_same_v<List, ChannelPlan>) {
          model.group[static_cast<std::size_t>(list.group)] = after;
        } else if constexpr (std::is_same_v<List, std::vector<ExpChannelRecord>>) {
          std::copy(after.begin(), after.end(), model.exp.begin());
        } else {
          const std::span<DirectoryEntry> entries = DirectoryEntries(model, DirectoryOf(list));
          std::copy(after.begin(), after.end(), entries.begin());
        }
      },
      records);
}

std::string ListCsv(const SettingsModel& model, ListId list) {
  return WithTable(model, list, [&](const auto& table) {
    int count = static_cast<int>(table.records.size());
    if constexpr (IsDirectoryTable<decltype(table)>) count = EntriesInUse(table.records);
    return RowsText(table, AllRows(count), kCsvSeparator, kCsvLineEnd);
  });
}

ListEditResult ListFromCsv(const SettingsModel& model, ListId list, std::string_view csv) {
  return WithTable(model, list, [&](const auto& table) {
    constexpr bool kDirectory = IsDirectoryTable<decltype(table)>;
    return ReadRows(table, list, {true, 0, kDirectory}, csv, kCsvSeparator);
  });
}

std::string CopiedRows(const SettingsModel& model, ListId list, std::span<const int> rows) {
  return WithTable(model, list, [&](const auto& table) {
    return RowsText(table, rows, kClipboardSeparator, kClipboardLineEnd);
  });
}

ListEditResult PastedRows(const SettingsModel& model, ListId list, int first,
                          std::string_view text) {
  return WithTable(model, list, [&](const auto& table) {
    return ReadRows(table, list, {false, first, false}, text, kClipboardSeparator);
  });
}

}  // namespace kol
