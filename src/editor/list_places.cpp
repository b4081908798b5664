#include "editor/list_places.h"

#include "model/directory_rules.h"
#include "model/formatters.h"
#include "model/value_tables.h"

namespace kol::editor {
namespace {

// Problems a message lists in its text; every one is in its details.
constexpr std::size_t kProblemsInText = 12;

std::vector<int> RowsUpTo(int count) {
  std::vector<int> rows;
  for (int row = 0; row < count; ++row) rows.push_back(row);
  return rows;
}

}  // namespace

std::optional<ListSelection> NodeSelection(const NodeTarget& target, const SettingsModel& model) {
  const ListId directory{target.directory == DirectoryKind::kIndividual ? ListKind::kIndividualDirectory
                                                                        : ListKind::kGroupDirectory};
  switch (target.kind) {
    case PageKind::kPlanList:
      return ListSelection{{ListKind::kPlanChannels, target.group}, RowsUpTo(kChannelTableSize), 0};
    case PageKind::kPlanChannel:
      return ListSelection{{ListKind::kPlanChannels, target.group}, {target.index}, target.index};
    case PageKind::kExpList:
      return ListSelection{{ListKind::kExpChannels}, RowsUpTo(kExpChannelCount), 0};
    case PageKind::kExpChannel:
      return ListSelection{{ListKind::kExpChannels}, {target.index - 1}, target.index - 1};
    case PageKind::kDirectoryList:
      return ListSelection{directory, RowsUpTo(EntriesInUse(DirectoryEntries(model, target.directory))), 0};
    case PageKind::kDirectoryEntry: {
      // An entry not in use has nothing to copy, but a paste may fill it.
      const bool inUse = StateOfEntry(DirectoryEntries(model, target.directory), target.index) ==
                         EntryState::kInUse;
      return ListSelection{directory, inUse ? std::vector<int>{target.index - 1} : std::vector<int>{},
                           target.index - 1};
    }
    default:
      break;
  }
  return std::nullopt;
}

std::string ListName(ListId list) {
  switch (list.kind) {
    case ListKind::kPlanChannels: return "Group" + std::to_string(list.group + 1);
    case ListKind::kExpChannels: return "EXP Channel";
    case ListKind::kIndividualDirectory: return "Individual Directory";
    case ListKind::kGroupDirectory: break;
  }
  return "Group Directory";
}

std::string RowName(const SettingsModel& model, ListId list, int row) {
  switch (list.kind) {
    case ListKind::kPlanChannels:
      return ListName(list) + " CH" +
             ChannelCodeText(model.group[static_cast<std::size_t>(list.group)][static_cast<std::size_t>(row)].position);
    case ListKind::kExpChannels: return "EXP " + std::to_string(row + 1);
    case ListKind::kIndividualDirectory: return "Memory ID" + std::to_string(row + 1);
    case ListKind::kGroupDirectory: break;
  }
  return "Group ID" + std::to_string(row + 1);
}

std::string RowsName(const SettingsModel& model, ListId list, std::span<const int> rows) {
  if (rows.size() == 1) return RowName(model, list, rows.front());
  return std::to_string(rows.size()) + (IsDirectory(list) ? " entries of " : " channels of ") + ListName(list);
}

std::string ListFileName(ListId list) {
  switch (list.kind) {
    case ListKind::kPlanChannels: return "group" + std::to_string(list.group + 1) + "_channels.csv";
    case ListKind::kExpChannels: return "exp.csv";
    case ListKind::kIndividualDirectory: return "individual.csv";
    case ListKind::kGroupDirectory: break;
  }
  return "group.csv";
}

std::string ListNodeKey(ListId list) {
  switch (list.kind) {
    case ListKind::kPlanChannels: return std::string(node_key::kPlanGroups[list.group]);
    case ListKind::kExpChannels: return std::string(node_key::kExpChannel);
    case ListKind::kIndividualDirectory:
    case ListKind::kGroupDirectory: break;
  }
  return std::string(DirectoryKey(DirectoryOf(list)));
}

std::string RowNodeKey(const SettingsModel& model, ListId list, int row) {
  switch (list.kind) {
    case ListKind::kPlanChannels: {
      // The row's channel is found again by its number in the channel table; a number the
      // table does not know leads back to the list's own node.
      const ChannelRecord& record = model.group[static_cast<std::size_t>(list.group)][static_cast<std::size_t>(row)];
      const int position = ChannelPosition(PlanTableEntry(record).numberText);
      return position < 0 ? ListNodeKey(list) : LeafKey(ListNodeKey(list), position);
    }
    case ListKind::kExpChannels: return LeafKey(node_key::kExpLeafPrefix, row + 1);
    case ListKind::kIndividualDirectory:
    case ListKind::kGroupDirectory: break;
  }
  return LeafKey(ListNodeKey(list), row + 1);
}

EditStep RowsStep(std::string name, ListId list, std::vector<int> rows) {
  return {std::move(name), {ListNodeKey(list), IsDirectory(list) ? kDirectoryGrid : kChannelGrid}, std::move(rows)};
}

Message RefusalMessage(const std::string& title, const std::string& what,
                       const std::vector<ListProblem>& problems, const SettingsModel& model,
                       ListId list, bool byRow) {
  std::string lines;
  std::string shown;
  for (std::size_t i = 0; i < problems.size(); ++i) {
    const ListProblem& problem = problems[i];
    std::string line = ProblemText(problem);
    if (byRow && problem.row) {
      line = RowName(model, list, *problem.row) + (problem.column.empty() ? "" : ", " + problem.column) + ": " +
             problem.reason;
    }
    lines += (lines.empty() ? "" : "\n") + line;
    if (i < kProblemsInText) shown += "\n" + line;
  }
  Message message{title, what + shown, MessageIcon::kExclamation};
  if (problems.size() > kProblemsInText) {
    message.text += "\n... and " + std::to_string(problems.size() - kProblemsInText) + " more (Show Details)";
    message.details = lines;
  }
  return message;
}

}  // namespace kol::editor
