// The node table: which nodes a document has, what each shows and its caption.
#include "editor/node_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "model/default_document.h"

namespace kol::editor {
namespace {

// Every node of the tree by its key.
std::map<std::string, const TreeNode*> ByKey(const std::vector<TreeNode>& roots) {
  std::map<std::string, const TreeNode*> nodes;
  std::function<void(const TreeNode&)> add = [&](const TreeNode& node) {
    nodes.emplace(node.target.key, &node);
    for (const TreeNode& child : node.children) add(child);
  };
  for (const TreeNode& root : roots) add(root);
  return nodes;
}

class NodeTableTest : public ::testing::Test {
 protected:
  NodeTableTest() {
    document.profile.atis = true;
    document.profile.weather = true;
    BuildNewDocument(document.model, document.image, document.profile);
    for (UsableGroup& group : document.model.usable.group) group.usable = true;
  }
  Document document;
};

TEST_F(NodeTableTest, EachNodeCarriesWhatItShows) {
  struct Case {
    const char* key;
    NodeTarget expected;
    const char* panel;
  };
  const Case cases[] = {
      {"General", {PageKind::kGeneral, "General"}, "pictGeneral"},
      {"Program", {PageKind::kGrey, "Program"}, "pictGrey"},
      {"DSCSetting", {PageKind::kGrey, "DSCSetting"}, "pictGrey"},
      {"Usable", {PageKind::kUsable, "Usable"}, "pictUsable"},
      {"ATIS", {PageKind::kAtis, "ATIS"}, "pictATIS"},
      {"PI", {PageKind::kPlanList, "PI", kGroup2}, "pictB"},
      {"PW", {PageKind::kWeather, "PW"}, "pictD"},
      {"PU 0", {PageKind::kPlanChannel, "PU 0", kGroup1, 0}, "pictC"},
      {"PC 239", {PageKind::kPlanChannel, "PC 239", kGroup3, 239}, "pictC"},
      {"ExpChannel", {PageKind::kExpList, "ExpChannel", kExpGroup}, "pictB"},
      {"E 40", {PageKind::kExpChannel, "E 40", kExpGroup, 40}, "pictC"},
      {"SG", {PageKind::kDirectoryList, "SG", 0, 0, DirectoryKind::kGroup}, "pictE"},
      {"SM 48", {PageKind::kDirectoryEntry, "SM 48", 0, 48, DirectoryKind::kIndividual}, "pictG"},
  };
  const std::vector<TreeNode> roots = BuildTreeNodes(NodeTable(), document);
  const auto nodes = ByKey(roots);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    ASSERT_EQ(nodes.count(c.key), 1u);
    EXPECT_EQ(nodes.at(c.key)->target, c.expected);
    EXPECT_STREQ(nodes.at(c.key)->row->panel.name, c.panel);
  }
  for (const char* absent : {"PU 240", "E 0", "E 41", "SM 0", "SG 21"}) EXPECT_EQ(nodes.count(absent), 0u) << absent;
  ASSERT_EQ(roots.size(), 4u);
  EXPECT_EQ(nodes.at("PU")->children.size(), 240u);
  EXPECT_EQ(nodes.at("SM")->children.size(), 48u);
  EXPECT_EQ(nodes.at("SG")->children.size(), 20u);
  EXPECT_EQ(nodes.at("ExpChannel")->children.size(), 40u);
}

TEST_F(NodeTableTest, NodesFollowTheModelsCapabilitiesAndTheUsableGroups) {
  document.profile.atis = false;
  document.profile.weather = false;
  document.model.usable.group[kGroup2].usable = false;
  document.model.usable.group[kExpGroup].usable = false;
  const std::vector<bool> before = ShownRows(NodeTable(), document);
  const std::vector<TreeNode> roots = BuildTreeNodes(NodeTable(), document);
  const auto nodes = ByKey(roots);
  for (const char* absent : {"ATIS", "PW", "PI", "PI 32", "ExpChannel", "E 1"}) {
    EXPECT_EQ(nodes.count(absent), 0u) << absent;
  }
  EXPECT_EQ(nodes.count("PU 32"), 1u);
  document.model.usable.group[kGroup2].usable = true;
  EXPECT_NE(ShownRows(NodeTable(), document), before);
}

TEST_F(NodeTableTest, CaptionsFollowTheDocument) {
  document.model.usable.group[kGroup1].statusName = "ABC";
  document.model.group[kGroup1][32].enable = true;
  document.model.group[kGroup1][12].enable = false;
  document.model.exp[6].enable = true;
  document.model.groupDirectory[2].enable = true;
  const std::vector<TreeNode> roots = BuildTreeNodes(NodeTable(), document);
  const auto nodes = ByKey(roots);
  const std::pair<const char*, const char*> cases[] = {
      {"PU", "Group1(ABC)"},  {"PI", "Group2"},   {"PU 32", "CH16[Enable]"},
      {"PU 12", "CH06"},      {"E 7", "EXP7[Enable]"}, {"E 8", "EXP8"},
      {"SG 3", "Group ID3[Enable]"}, {"SM 1", "Memory ID1"}, {"PW", "Weather"},
  };
  for (const auto& [key, text] : cases) EXPECT_EQ(nodes.at(key)->text, text) << key;
  EXPECT_EQ(LeafKey("PU", 0), "PU 0");
}

}  // namespace
}  // namespace kol::editor
