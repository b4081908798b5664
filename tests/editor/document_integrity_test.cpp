// Nothing the user sees changes the document behind their back, and nothing they set is
// lost on the way through a settings file: looking at every page saves the same bytes, and
// each kind of control shows its value again after Save As, New and Open.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "editor_rig.h"
#include "files/dat_file.h"
#include "files/file_read.h"
#include "model/value_tables.h"
#include "page_driver.h"

namespace kol::test {
namespace {

class DocumentIntegrityTest : public EditorRig, public PageDriver {
 protected:
  void SetUp() override {
    WriteProgramFolder();
    ASSERT_TRUE(StartWindow());
    AttachPage(*window);
  }
  static std::string Contents(const std::string& path) {
    return ReadWholeFile(path).value_or("(unreadable)");
  }
  void Open(const std::string& path) {
    prompts.openPaths.push_back(path);
    Command("mnuFileOpen");
    ASSERT_EQ(document.path, path);
  }
  // Every node of the tree, in the order it lists them.
  std::vector<std::string> AllNodes() const {
    std::vector<std::string> keys;
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it) {
      keys.push_back((*it)->data(0, Qt::UserRole).toString().toStdString());
    }
    return keys;
  }
};

TEST_F(DocumentIntegrityTest, ShowingEveryPageOfAnOpenedFileSavesTheSameBytes) {
  // A document whose stored values contradict what the pages would store for them: a
  // receive-only channel set to transmit, the EXP channels in use in a group that is not
  // usable, a user MMSI with the radio's tenth digit.
  SettingsModel& m = document.model;
  for (int g = 0; g < 4; ++g) m.usable.group[g].usable = g != kGroup3;
  m.usable.expChGroup = {true, true, true};
  m.group[kGroup1][ChannelPosition("70")].txEnable = true;
  m.group[kGroup1][ChannelPosition("70")].lowPower = true;
  m.exp[0] = {true, true, false, true, true, "6", "A", 156.025, 160.625};
  m.dscBasic.userMmsi = "2111111110";
  m.individualDirectory[0] = {true, "HOME", "2111111110", {}};
  const std::string path = dir.File("radio.dat");
  ASSERT_TRUE(WriteSettingsFile(path, document, host));
  const std::string written = Contents(path);
  Open(path);

  for (const std::string& key : AllNodes()) {
    ClickNode(key);
    ASSERT_EQ(SelectedKey(), key);
    ASSERT_FALSE(Changed()) << "showing " << key;
  }
  Command("mnuFileSave");
  EXPECT_EQ(Contents(path), written);
  EXPECT_FALSE(Changed());
  window->close();
  EXPECT_TRUE(prompts.Texts().empty());
}

// One change per kind of control, made through the widgets as a user makes it, then Save
// As, New and Open: every control shows what was set. The settings of the DSC page's EXP
// list and "Distress Cancel Call" were once lost on this way.
TEST_F(DocumentIntegrityTest, EachKindOfControlShowsItsValueAgainAfterSaveAsNewAndOpen) {
  enum class Kind { kList, kBox, kText };
  struct Case {
    std::string node;
    Kind kind;
    const char* control;
    const char* typed = "";  // a text field's keys
    const char* shown = "";  // and what it shows for them
  };
  const std::string channel16 = "PU " + std::to_string(ChannelPosition("16"));
  const Case cases[] = {
      {"Common", Kind::kList, "cmbCommonResume"},
      {"DSC", Kind::kList, "cmbUsableDsc_3"},
      {"DSC", Kind::kList, "cmbUsableDscDistCancel"},
      {"DSC", Kind::kText, "txtUserMMSI", "211234567", "211234567"},
      {"Usable", Kind::kText, "txtUsable_0", "ab1", "AB1"},
      {"Usable", Kind::kBox, "chkUsable_3"},
      {"ATIS", Kind::kBox, "chkATISChGroup_0"},
      {channel16, Kind::kBox, "chkCScan"},
      {"PW", Kind::kBox, "chkDScan_0"},
      {"E 1", Kind::kBox, "chkCEnable"},
      {"E 1", Kind::kText, "txtCN_0", "6", "6"},
      {"E 1", Kind::kText, "txtCRF", "156.025", "156.0250"},
      {"SM 1", Kind::kBox, "chkGEnable"},
      {"SM 1", Kind::kText, "txtGPosi", "harbour", "HARBOUR"},
      {"SM 1", Kind::kText, "txtGMMSI", "211123456", "211123456"},
  };
  std::vector<int> given;  // per case: the list index or the tick it was given
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    ClickNode(c.node);
    ASSERT_EQ(SelectedKey(), c.node) << prompts.Texts().back();
    switch (c.kind) {
      case Kind::kList: {
        const int index = List(c.control)->currentIndex() == 1 ? 0 : 1;
        Choose(c.control, index);
        given.push_back(index);
        break;
      }
      case Kind::kBox:
        given.push_back(!Box(c.control)->isChecked());
        Click(c.control);
        break;
      case Kind::kText:
        TypeInto(c.control, c.typed);
        QTest::keyClick(Control<QLineEdit>(c.control), Qt::Key_Tab);
        given.push_back(0);
        break;
    }
  }
  ClickNode("General");
  ASSERT_TRUE(prompts.Texts().empty()) << prompts.Texts().front();
  const SettingsModel edited = document.model;
  prompts.savePaths.push_back(dir.File("edited.dat"));
  Command("mnuFileSaveAs");
  Command("mnuFileNew");
  Wait(150);
  ASSERT_NE(document.model, edited);
  Open(dir.File("edited.dat"));
  // The file trims the EXP number's blank (it has no "#"); the radio gets " 6" either way.
  SettingsModel expected = edited;
  expected.exp[0].chDisplayL = "6";
  EXPECT_EQ(document.model, expected);

  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.control);
    ClickNode(c.node);
    switch (c.kind) {
      case Kind::kList:
        EXPECT_EQ(List(c.control)->currentIndex(), given[i]);
        break;
      case Kind::kBox:
        EXPECT_EQ(Box(c.control)->isChecked(), given[i] != 0);
        break;
      case Kind::kText:
        EXPECT_EQ(Text(c.control), c.shown);
        break;
    }
  }
}

}  // namespace
}  // namespace kol::test
