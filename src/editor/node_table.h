// The navigation tree as one table: each row is a node (or a run of numbered leaves) with
// its key, its parent, its caption rule, when it is shown, what it shows and the panel
// that shows it. The table builds the tree, and every node carries what it shows, so a
// click needs no parsing of keys. A new page is a new row and its class.
// The terse node keys and panel names are explained in src/editor/README.md.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/directory_rules.h"
#include "model/document.h"

class QWidget;

namespace kol::editor {

class Page;
struct EditorServices;

// Keys of the nodes other code names.
namespace node_key {
inline constexpr std::string_view kGeneral = "General";
inline constexpr std::string_view kUsable = "Usable";
inline constexpr std::string_view kCommon = "Common";
inline constexpr std::string_view kDsc = "DSC";
inline constexpr std::string_view kAtis = "ATIS";
inline constexpr std::string_view kIndividualDirectory = "SM";
inline constexpr std::string_view kGroupDirectory = "SG";
inline constexpr std::string_view kExpChannel = "ExpChannel";
inline constexpr std::string_view kWeather = "PW";
// The plan group nodes, by group index: "PU", "PI", "PC".
inline constexpr std::string_view kPlanGroups[] = {"PU", "PI", "PC"};
// EXP channel leaves are "E 1" ... "E 40".
inline constexpr std::string_view kExpLeafPrefix = "E";
}  // namespace node_key

// Leaf keys: the prefix, a blank, then the number ("PU 16", "E 7", "SM 3").
std::string LeafKey(std::string_view prefix, int number);
// The key of a directory's node ("SM", "SG"), the prefix of its entries' keys too.
std::string_view DirectoryKey(DirectoryKind kind);

// What a node shows.
enum class PageKind {
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

// Everything a page needs to know about the node it shows.
struct NodeTarget {
  PageKind kind = PageKind::kGeneral;
  std::string key;  // the node's own key
  int group = 0;    // plan list and channel: 0-2 (USA, International, Canada); EXP nodes: 3
  int index = 0;    // plan channel: table index 0-239; EXP channel, directory entry: 1-based
  DirectoryKind directory = DirectoryKind::kIndividual;  // directory list and entry

  bool operator==(const NodeTarget&) const = default;
};

// The panel that shows a row's nodes; rows naming the same panel share one page.
struct PagePanel {
  const char* name;  // the panel's objectName ("pictB")
  Page* (*make)(EditorServices& services, QWidget* parent);
};

struct NodeRow {
  std::string_view key;     // the node's key; of numbered leaves, the prefix of theirs
  std::string_view parent;  // the parent's key; empty for a root
  PageKind kind;
  PagePanel panel;
  std::string_view text;  // the caption, or what the caption rule starts from
  // The caption from the document; null: `text` as it is.
  std::string (*caption)(const Document& document, const NodeTarget& target,
                         std::string_view text) = nullptr;
  // Whether the node is in the tree; null: always.
  bool (*shown)(const Document& document, const NodeTarget& target) = nullptr;
  int group = 0;
  DirectoryKind directory = DirectoryKind::kIndividual;
  // Numbered leaves first, first + 1, ... for `leaves` numbers; 0: a single node.
  int first = 0;
  int leaves = 0;
};

// The program's nodes, roots in order, each row's children after it.
std::span<const NodeRow> NodeTable();

struct TreeNode {
  const NodeRow* row;
  NodeTarget target;
  std::string text;
  std::vector<TreeNode> children;
};

// Every node of `rows` that is shown for the document, roots in order, children in table
// order and leaves in ascending number.
std::vector<TreeNode> BuildTreeNodes(std::span<const NodeRow> rows, const Document& document);
// A node's caption as the document now has it.
std::string NodeCaption(const NodeRow& row, const NodeTarget& target, const Document& document);
// Which of `rows` are in the tree for the document; the tree is rebuilt when this changes.
std::vector<bool> ShownRows(std::span<const NodeRow> rows, const Document& document);

// Captions.
std::string PlanChannelNodeText(const ChannelRecord& channel);  // "CH16[Enable]", "CH06"
// `base` and, when the status name is not empty, "(" + name + ")": "Group1(ABC)".
std::string WithStatusName(std::string_view base, std::string_view statusName);
// `base` and "[Enable]" when enabled.
std::string WithEnableMark(std::string_view base, bool enabled);

}  // namespace kol::editor
