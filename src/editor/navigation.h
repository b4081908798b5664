// The navigation tree as data: which nodes exist for a document and a model, their keys and
// texts, and which page a node shows. The window turns this into its tree widget.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/directory_rules.h"
#include "model/document.h"

namespace kol::editor {

// Keys of the fixed nodes.
namespace node_key {
inline constexpr std::string_view kGeneral = "General";
inline constexpr std::string_view kUsable = "Usable";
inline constexpr std::string_view kCommon = "Common";
inline constexpr std::string_view kDsc = "DSC";
inline constexpr std::string_view kAtis = "ATIS";
inline constexpr std::string_view kProgram = "Program";
inline constexpr std::string_view kWeather = "PW";
inline constexpr std::string_view kDscSetting = "DSCSetting";
inline constexpr std::string_view kIndividualDirectory = "SM";
inline constexpr std::string_view kGroupDirectory = "SG";
inline constexpr std::string_view kExpChannel = "ExpChannel";
// The plan group nodes, by group index: "PU", "PI", "PC".
inline constexpr std::string_view kPlanGroups[] = {"PU", "PI", "PC"};
inline constexpr std::string_view kExpLeafPrefix = "E";
}  // namespace node_key

struct TreeNode {
  std::string key;
  std::string text;
  std::vector<TreeNode> children;
};

// Every node of the tree for the document, roots in order, children in ascending number.
// Group node texts already carry their status-name suffix.
std::vector<TreeNode> BuildTreeNodes(const Document& document);

// Leaf keys: the group key or prefix, a blank, then the number ("PU 16", "E 7", "SM 3").
std::string LeafKey(std::string_view prefix, int number);

// Node texts.
std::string PlanChannelNodeText(const ChannelRecord& channel);  // "CH16[Enable]", "CH06"
std::string ExpChannelNodeText(int number, const ExpChannelRecord& channel);  // "EXP7[Enable]"
using kol::DirectoryKind;
std::string DirectoryNodeText(DirectoryKind kind, int number, bool enabled);  // "Memory ID3"
// `text` cut back before any "(" and, when the status name is not empty, "(" + name + ")".
std::string GroupNodeText(std::string_view text, std::string_view statusName);
// `text` cut back before any "[" and "[Enable]" appended when enabled.
std::string EnableSuffixedText(std::string_view text, bool enabled);

// The status name a group node shows: Group1-Group3 by plan, the EXP group for "ExpChannel".
// Empty for any other key.
std::string GroupNodeStatusName(const Document& document, std::string_view key);

// What a node shows.
enum class PageKind {
  kNone,
  kGeneral,
  kGrey,
  kUsable,
  kCommon,
  kDsc,
  kAtis,
  kPlanList,
  kExpList,
  kWeather,
  kPlanChannel,
  kExpChannel,
  kDirectoryList,
  kDirectoryEntry,
};

struct NodeTarget {
  PageKind kind = PageKind::kNone;
  std::string key;          // the node's own key
  int group = 0;            // plan list and plan channel: 0 USA, 1 International, 2 Canada
  int index = 0;            // plan channel: array index; EXP channel and directory entry: 1-based
  DirectoryKind directory = DirectoryKind::kIndividual;  // directory list and entry

  bool operator==(const NodeTarget&) const = default;
};

// The page a node shows, from its key and its parent's key (empty for a root), compared in
// upper case. A node the window does not know shows nothing (kNone).
NodeTarget ResolveNode(std::string_view key, std::string_view parentKey);

}  // namespace kol::editor
