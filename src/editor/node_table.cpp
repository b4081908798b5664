#include "editor/node_table.h"

#include "editor/pages/atis_page.h"
#include "editor/pages/channel_editor_page.h"
#include "editor/pages/channel_list_page.h"
#include "editor/pages/common_page.h"
#include "editor/pages/directory_pages.h"
#include "editor/pages/dsc_page.h"
#include "editor/pages/general_page.h"
#include "editor/pages/usable_page.h"
#include "editor/pages/weather_page.h"
#include "model/formatters.h"

namespace kol::editor {
namespace {

template <typename P>
Page* Make(EditorServices& services, QWidget* parent) {
  return new P(services, parent);
}

constexpr PagePanel kGeneralPanel{"pictGeneral", Make<GeneralPage>};
constexpr PagePanel kGreyPanel{"pictGrey", Make<GreyPage>};
constexpr PagePanel kChannelListPanel{"pictB", Make<ChannelListPage>};
constexpr PagePanel kChannelEditorPanel{"pictC", Make<ChannelEditorPage>};
constexpr PagePanel kDirectoryListPanel{"pictE", Make<DirectoryListPage>};
constexpr PagePanel kDirectoryEntryPanel{"pictG", Make<DirectoryEntryPage>};

// Caption rules.
std::string StatusNamed(const Document& document, const NodeTarget& target, std::string_view text) {
  return WithStatusName(text, document.model.usable.group[static_cast<std::size_t>(target.group)].statusName);
}
std::string PlanChannelCaption(const Document& document, const NodeTarget& target, std::string_view) {
  return PlanChannelNodeText(document.model.group[static_cast<std::size_t>(target.group)]
                                                 [static_cast<std::size_t>(target.index)]);
}
std::string ExpChannelCaption(const Document& document, const NodeTarget& target, std::string_view text) {
  return WithEnableMark(std::string(text) + std::to_string(target.index),
                        document.model.exp[static_cast<std::size_t>(target.index - 1)].enable);
}
std::string EntryCaption(const Document& document, const NodeTarget& target, std::string_view text) {
  const DirectoryEntry& entry =
      DirectoryEntries(document.model, target.directory)[static_cast<std::size_t>(target.index - 1)];
  return WithEnableMark(std::string(text) + std::to_string(target.index), entry.enable);
}

// When a node is shown.
bool HasAtis(const Document& document, const NodeTarget&) { return document.profile.atis; }
bool HasWeather(const Document& document, const NodeTarget&) { return document.profile.weather; }
bool GroupUsable(const Document& document, const NodeTarget& target) {
  return document.model.usable.group[static_cast<std::size_t>(target.group)].usable;
}

constexpr int kFirstPlanIndex = 0;

const NodeRow kRows[] = {
    {"General", "", PageKind::kGeneral, kGeneralPanel, "General"},
    {"Usable", "General", PageKind::kUsable, {"pictUsable", Make<UsablePage>}, "Usable CH Group Setup"},
    {"Common", "General", PageKind::kCommon, {"pictCommon", Make<CommonPage>}, "Common Setup"},
    {"DSC", "General", PageKind::kDsc, {"pictDSC", Make<DscPage>}, "DSC Setup"},
    {"ATIS", "General", PageKind::kAtis, {"pictATIS", Make<AtisPage>}, "ATIS Setup", nullptr, HasAtis},

    {"Program", "", PageKind::kGrey, kGreyPanel, "Programmable Channel"},
    {"PU", "Program", PageKind::kPlanList, kChannelListPanel, "Group1", StatusNamed, GroupUsable, kGroup1},
    {"PU", "PU", PageKind::kPlanChannel, kChannelEditorPanel, "", PlanChannelCaption, nullptr, kGroup1,
     DirectoryKind::kIndividual, kFirstPlanIndex, kChannelTableSize},
    {"PI", "Program", PageKind::kPlanList, kChannelListPanel, "Group2", StatusNamed, GroupUsable, kGroup2},
    {"PI", "PI", PageKind::kPlanChannel, kChannelEditorPanel, "", PlanChannelCaption, nullptr, kGroup2,
     DirectoryKind::kIndividual, kFirstPlanIndex, kChannelTableSize},
    {"PC", "Program", PageKind::kPlanList, kChannelListPanel, "Group3", StatusNamed, GroupUsable, kGroup3},
    {"PC", "PC", PageKind::kPlanChannel, kChannelEditorPanel, "", PlanChannelCaption, nullptr, kGroup3,
     DirectoryKind::kIndividual, kFirstPlanIndex, kChannelTableSize},
    {"PW", "Program", PageKind::kWeather, {"pictD", Make<WeatherPage>}, "Weather", nullptr, HasWeather},

    {"DSCSetting", "", PageKind::kGrey, kGreyPanel, "DSC"},
    {"SM", "DSCSetting", PageKind::kDirectoryList, kDirectoryListPanel, "Individual Directory", nullptr,
     nullptr, 0, DirectoryKind::kIndividual},
    {"SM", "SM", PageKind::kDirectoryEntry, kDirectoryEntryPanel, "Memory ID", EntryCaption, nullptr, 0,
     DirectoryKind::kIndividual, 1, kIndividualDirectorySize},
    {"SG", "DSCSetting", PageKind::kDirectoryList, kDirectoryListPanel, "Group Directory", nullptr,
     nullptr, 0, DirectoryKind::kGroup},
    {"SG", "SG", PageKind::kDirectoryEntry, kDirectoryEntryPanel, "Group ID", EntryCaption, nullptr, 0,
     DirectoryKind::kGroup, 1, kGroupDirectorySize},

    {"ExpChannel", "", PageKind::kExpList, kChannelListPanel, "EXP Channel", StatusNamed, GroupUsable,
     kExpGroup},
    {"E", "ExpChannel", PageKind::kExpChannel, kChannelEditorPanel, "EXP", ExpChannelCaption, nullptr,
     kExpGroup, DirectoryKind::kIndividual, 1, kExpChannelCount},
};

NodeTarget TargetOf(const NodeRow& row, std::string key, int index) {
  return {row.kind, std::move(key), row.group, index, row.directory};
}

// The row's own node (a single one) as it stands before it is built.
NodeTarget RowTarget(const NodeRow& row) { return TargetOf(row, std::string(row.key), row.first); }

void AddChildren(std::span<const NodeRow> rows, const Document& document, TreeNode& parent) {
  for (const NodeRow& row : rows) {
    if (row.parent != parent.row->key || &row == parent.row) continue;
    if (row.leaves == 0) {
      NodeTarget target = RowTarget(row);
      if (row.shown && !row.shown(document, target)) continue;
      TreeNode node{&row, target, NodeCaption(row, target, document), {}};
      AddChildren(rows, document, node);
      parent.children.push_back(std::move(node));
      continue;
    }
    for (int n = row.first; n < row.first + row.leaves; ++n) {
      NodeTarget target = TargetOf(row, LeafKey(row.key, n), n);
      std::string text = NodeCaption(row, target, document);
      parent.children.push_back({&row, std::move(target), std::move(text), {}});
    }
  }
}

}  // namespace

std::string LeafKey(std::string_view prefix, int number) {
  return std::string(prefix) + " " + std::to_string(number);
}

std::string_view DirectoryKey(DirectoryKind kind) {
  return kind == DirectoryKind::kIndividual ? node_key::kIndividualDirectory : node_key::kGroupDirectory;
}

std::span<const NodeRow> NodeTable() { return kRows; }

std::string WithEnableMark(std::string_view base, bool enabled) {
  return std::string(base) + (enabled ? "[Enable]" : "");
}

std::string WithStatusName(std::string_view base, std::string_view statusName) {
  std::string result(base);
  if (!statusName.empty()) result += "(" + std::string(statusName) + ")";
  return result;
}

std::string PlanChannelNodeText(const ChannelRecord& channel) {
  return WithEnableMark("CH" + ChannelCodeText(channel.position), channel.enable);
}

std::string NodeCaption(const NodeRow& row, const NodeTarget& target, const Document& document) {
  return row.caption ? row.caption(document, target, row.text) : std::string(row.text);
}

std::vector<TreeNode> BuildTreeNodes(std::span<const NodeRow> rows, const Document& document) {
  std::vector<TreeNode> roots;
  for (const NodeRow& row : rows) {
    if (!row.parent.empty()) continue;
    const NodeTarget target = RowTarget(row);
    if (row.shown && !row.shown(document, target)) continue;
    TreeNode root{&row, target, NodeCaption(row, target, document), {}};
    AddChildren(rows, document, root);
    roots.push_back(std::move(root));
  }
  return roots;
}

std::vector<bool> ShownRows(std::span<const NodeRow> rows, const Document& document) {
  std::vector<bool> shown;
  shown.reserve(rows.size());
  for (const NodeRow& row : rows) shown.push_back(!row.shown || row.shown(document, RowTarget(row)));
  return shown;
}

}  // namespace kol::editor
