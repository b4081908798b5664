#include "editor/navigation.h"

#include <charconv>
#include <optional>

#include "files/text_lines.h"
#include "model/formatters.h"

namespace kol::editor {
namespace {

constexpr std::string_view kEnableSuffix = "[Enable]";

// The number a key holds from `from` on, blanks first ("PU 16" from 2 gives 16).
std::optional<int> KeyNumber(std::string_view key, std::size_t from) {
  if (key.size() <= from) return std::nullopt;
  std::string_view rest = TrimBlanks(key.substr(from));
  int number = 0;
  const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
  if (ec != std::errc() || end != rest.data() + rest.size()) return std::nullopt;
  return number;
}

std::vector<TreeNode> PlanChannelNodes(std::string_view groupKey, const ChannelPlan& plan) {
  std::vector<TreeNode> nodes;
  nodes.reserve(plan.size());
  for (std::size_t i = 0; i < plan.size(); ++i) {
    nodes.push_back({LeafKey(groupKey, static_cast<int>(i)), PlanChannelNodeText(plan[i]), {}});
  }
  return nodes;
}

template <typename Entries>
std::vector<TreeNode> DirectoryNodes(DirectoryKind kind, const Entries& entries) {
  const std::string_view prefix =
      kind == DirectoryKind::kIndividual ? node_key::kIndividualDirectory : node_key::kGroupDirectory;
  std::vector<TreeNode> nodes;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    nodes.push_back({LeafKey(prefix, number), DirectoryNodeText(kind, number, entries[i].enable), {}});
  }
  return nodes;
}

const char* const kPlanGroupTexts[] = {"Group1", "Group2", "Group3"};

}  // namespace

std::string LeafKey(std::string_view prefix, int number) {
  return std::string(prefix) + " " + std::to_string(number);
}

std::string EnableSuffixedText(std::string_view text, bool enabled) {
  std::string result(text.substr(0, text.find('[')));
  if (enabled) result += kEnableSuffix;
  return result;
}

std::string PlanChannelNodeText(const ChannelRecord& channel) {
  return EnableSuffixedText("CH" + ChannelCodeText(channel.position), channel.enable);
}

std::string ExpChannelNodeText(int number, const ExpChannelRecord& channel) {
  return EnableSuffixedText("EXP" + std::to_string(number), channel.enable);
}

std::string DirectoryNodeText(DirectoryKind kind, int number, bool enabled) {
  const char* base = kind == DirectoryKind::kIndividual ? "Memory ID" : "Group ID";
  return EnableSuffixedText(base + std::to_string(number), enabled);
}

std::string GroupNodeText(std::string_view text, std::string_view statusName) {
  std::string result(text.substr(0, text.find('(')));
  if (!statusName.empty()) result += "(" + std::string(statusName) + ")";
  return result;
}

std::string GroupNodeStatusName(const Document& document, std::string_view key) {
  const UsableSetup& usable = document.model.usable;
  for (int g = 0; g < 3; ++g) {
    if (key == node_key::kPlanGroups[g]) return usable.group[g].statusName;
  }
  if (key == node_key::kExpChannel) return usable.group[kExpGroup].statusName;
  return {};
}

std::vector<TreeNode> BuildTreeNodes(const Document& document) {
  const SettingsModel& model = document.model;
  const ModelProfile& profile = document.profile;
  std::vector<TreeNode> roots;

  TreeNode general{std::string(node_key::kGeneral), "General", {}};
  general.children.push_back({std::string(node_key::kUsable), "Usable CH Group Setup", {}});
  general.children.push_back({std::string(node_key::kCommon), "Common Setup", {}});
  general.children.push_back({std::string(node_key::kDsc), "DSC Setup", {}});
  if (profile.atis) general.children.push_back({std::string(node_key::kAtis), "ATIS Setup", {}});
  roots.push_back(std::move(general));

  TreeNode program{std::string(node_key::kProgram), "Programmable Channel", {}};
  for (int g = 0; g < 3; ++g) {
    if (!model.usable.group[g].usable) continue;
    const std::string key(node_key::kPlanGroups[g]);
    program.children.push_back({key, GroupNodeText(kPlanGroupTexts[g], GroupNodeStatusName(document, key)),
                                PlanChannelNodes(key, model.group[g])});
  }
  if (profile.weather) program.children.push_back({std::string(node_key::kWeather), "Weather", {}});
  roots.push_back(std::move(program));

  TreeNode dsc{std::string(node_key::kDscSetting), "DSC", {}};
  dsc.children.push_back({std::string(node_key::kIndividualDirectory), "Individual Directory",
                          DirectoryNodes(DirectoryKind::kIndividual, model.individualDirectory)});
  dsc.children.push_back({std::string(node_key::kGroupDirectory), "Group Directory",
                          DirectoryNodes(DirectoryKind::kGroup, model.groupDirectory)});
  roots.push_back(std::move(dsc));

  if (model.usable.group[kExpGroup].usable) {
    const std::string key(node_key::kExpChannel);
    TreeNode exp{key, GroupNodeText("EXP Channel", GroupNodeStatusName(document, key)), {}};
    for (int n = 1; n <= kExpChannelCount; ++n) {
      exp.children.push_back({LeafKey(node_key::kExpLeafPrefix, n), ExpChannelNodeText(n, model.exp[n - 1]), {}});
    }
    roots.push_back(std::move(exp));
  }
  return roots;
}

NodeTarget ResolveNode(std::string_view key, std::string_view parentKey) {
  NodeTarget target;
  target.key = std::string(key);
  const std::string_view own = key;
  const std::string_view parent = parentKey;
  auto is = [](std::string_view text, std::string_view name) { return EqualsIgnoringCase(text, name); };

  if (parent.empty()) {
    if (is(own, node_key::kGeneral)) target.kind = PageKind::kGeneral;
    else if (is(own, node_key::kProgram) || is(own, node_key::kDscSetting)) target.kind = PageKind::kGrey;
    else if (is(own, node_key::kExpChannel)) target.kind = PageKind::kExpList;
    return target;
  }
  if (is(parent, node_key::kGeneral)) {
    if (is(own, node_key::kUsable)) target.kind = PageKind::kUsable;
    else if (is(own, node_key::kCommon)) target.kind = PageKind::kCommon;
    else if (is(own, node_key::kDsc)) target.kind = PageKind::kDsc;
    else if (is(own, node_key::kAtis)) target.kind = PageKind::kAtis;
    return target;
  }
  if (is(parent, node_key::kProgram)) {
    for (int g = 0; g < 3; ++g) {
      if (is(own, node_key::kPlanGroups[g])) {
        target.kind = PageKind::kPlanList;
        target.group = g;
      }
    }
    if (is(own, node_key::kWeather)) target.kind = PageKind::kWeather;
    return target;
  }
  for (int g = 0; g < 3; ++g) {
    if (!is(parent, node_key::kPlanGroups[g])) continue;
    const std::optional<int> index = KeyNumber(key, 2);
    if (index && *index >= 0 && *index < kChannelTableSize) {
      target.kind = PageKind::kPlanChannel;
      target.group = g;
      target.index = *index;
    }
    return target;
  }
  if (is(parent, node_key::kDscSetting)) {
    if (is(own, node_key::kIndividualDirectory) || is(own, node_key::kGroupDirectory)) {
      target.kind = PageKind::kDirectoryList;
      target.directory = is(own, node_key::kIndividualDirectory) ? DirectoryKind::kIndividual
                                                                 : DirectoryKind::kGroup;
    }
    return target;
  }
  if (is(parent, node_key::kIndividualDirectory) || is(parent, node_key::kGroupDirectory)) {
    const bool individual = is(parent, node_key::kIndividualDirectory);
    const int size = individual ? kIndividualDirectorySize : kGroupDirectorySize;
    const std::optional<int> number = KeyNumber(key, 2);
    if (number && *number >= 1 && *number <= size) {
      target.kind = PageKind::kDirectoryEntry;
      target.directory = individual ? DirectoryKind::kIndividual : DirectoryKind::kGroup;
      target.index = *number;
    }
    return target;
  }
  if (is(parent, node_key::kExpChannel)) {
    const std::optional<int> number = KeyNumber(key, 1);
    if (number && *number >= 1 && *number <= kExpChannelCount) {
      target.kind = PageKind::kExpChannel;
      target.index = *number;
    }
  }
  return target;
}

}  // namespace kol::editor
