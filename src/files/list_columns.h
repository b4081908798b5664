// The columns of the lists that go to spreadsheets: each column's header, the text a record
// shows in it, and how a text is stored into a record under the editor's rules for that
// field. Used by the list tables; the value rules themselves live in the model.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/directory_rules.h"
#include "model/settings_model.h"

namespace kol {

template <typename Record>
struct ListColumn {
  std::string_view header;
  // The text of a record in row `row` (0-based): what export and copy write.
  std::string (*shown)(const Record& record, int row) = nullptr;
  // Stores a text into the record; the reason the field refuses it otherwise. Null for a
  // column that only shows what the record's place fixes (a channel's number, a plan
  // channel's frequencies).
  std::optional<std::string> (*store)(Record& record, std::string_view text) = nullptr;
  bool key = false;         // names the row in a CSV file (the channel lists' Channel)
  bool required = false;    // must be in a CSV file (a pasted text may leave it out)
  bool keepBlanks = false;  // a name is taken as typed; other texts lose blanks around them
};

std::span<const ListColumn<ChannelRecord>> PlanColumns();
std::span<const ListColumn<ExpChannelRecord>> ExpColumns();
std::span<const ListColumn<DirectoryEntry>> DirectoryColumns(DirectoryKind kind);

// The 0-based row a channel list's Channel text names, or nothing with the reason.
struct KeyedRow {
  std::optional<int> row;
  std::string reason;
};
KeyedRow PlanRowOf(std::string_view channel);
KeyedRow ExpRowOf(std::string_view channel);

// A text as reasons quote it: in double quotes, bytes that are not printable UTF-8 as \xHH.
std::string Quoted(std::string_view text);

}  // namespace kol
