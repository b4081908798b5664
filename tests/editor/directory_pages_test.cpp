// The MMSI directories through their real widgets: the list, the entry editor's states,
// Add and Delete, and the MMSI and name fields with the forms they store.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor/widgets/list_grid.h"
#include "editor_rig.h"
#include "page_driver.h"

namespace kol::test {
namespace {

class DirectoryPagesTest : public EditorRig, public PageDriver {
 protected:
  void SetUp() override {
    WriteProgramFolder();
    ASSERT_TRUE(StartWindow());
    AttachPage(*window);
  }
  // Stations 1..n named "S1".. with MMSIs 2110000010, 2110000020, ..
  void FillStations(int n) {
    SetUpDocument([n](SettingsModel& model) {
      for (int i = 0; i < n; ++i) {
        model.individualDirectory[i] = {true, "S" + std::to_string(i + 1),
                                        "21100000" + std::to_string((i + 1) % 10) + "0", {}};
      }
    });
  }
  DirectoryEntry& Station(int number) { return document.model.individualDirectory[number - 1]; }
  DirectoryEntry& Group(int number) { return document.model.groupDirectory[number - 1]; }
  std::string NodeText(const std::string& key) { return Node(key)->text(0).toStdString(); }
  // Leaves the field for another control of the page.
  void TabOut(const char* field) {
    QTest::keyClick(Control<QLineEdit>(field), Qt::Key_Tab);
    QApplication::processEvents();
  }
};

TEST_F(DirectoryPagesTest, StationIsAddedNamedAndGivenItsNineDigits) {
  ClickNode("SM 1");
  EXPECT_FALSE(Control<QWidget>("txtGMMSI")->isEnabled());
  EXPECT_FALSE(Control<QLabel>("lblGroup")->isVisible());
  EXPECT_EQ(Control<QLabel>("lblTag")->text().toStdString(), "Station Name");
  Click("chkGEnable");
  EXPECT_TRUE(Station(1).enable);
  EXPECT_TRUE(Changed());
  EXPECT_EQ(NodeText("SM 1"), "Memory ID1[Enable]");
  EXPECT_TRUE(Box("chkGEnable")->isChecked());
  EXPECT_FALSE(Box("chkGEnable")->isEnabled());
  EXPECT_TRUE(Box("chkGDelete")->isEnabled());

  TypeInto("txtGPosi", "sea hawk");
  // The status bar's help says what the field takes.
  EXPECT_EQ(Control<QLabel>("sbStatusBar_0")->text().toStdString(),
            "A maximum of " + std::to_string(Control<QLineEdit>("txtGPosi")->maxLength()) +
                " characters.");
  TabOut("txtGPosi");
  EXPECT_EQ(Station(1).tagName, "SEA HAWK");
  TypeInto("txtGMMSI", "2112345678");  // the box takes nine digits
  EXPECT_EQ(Text("txtGMMSI"), "211234567");
  TabOut("txtGMMSI");
  EXPECT_EQ(Station(1).mmsi, "2112345670");
  EXPECT_EQ(Text("txtGMMSI"), "211234567");
  EXPECT_TRUE(prompts.Texts().empty());

  ClickNode("SM");
  const auto* grid = Control<editor::ListGrid>("MSFlexGrid2");
  ASSERT_EQ(grid->model()->rowCount(), 48);
  EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString().toStdString(), "STATION NAME");
  EXPECT_EQ(grid->CellText(0, 0), "1");
  EXPECT_EQ(grid->CellText(0, 1), "SEA HAWK");
  EXPECT_EQ(grid->CellText(0, 2), "211234567");
}

TEST_F(DirectoryPagesTest, GroupMmsiIsStoredBetweenItsFixedZeroAndThePad) {
  Group(1) = {true, "FLEET", "", {}};
  ClickNode("SG 1");
  EXPECT_TRUE(Control<QLabel>("lblGroup")->isVisible());
  EXPECT_EQ(Control<QLabel>("lblTag")->text().toStdString(), "Group Name");
  TypeInto("txtGMMSI", "112233445");
  EXPECT_EQ(Text("txtGMMSI"), "11223344");
  TabOut("txtGMMSI");
  EXPECT_EQ(Group(1).mmsi, "0112233440");
  ClickNode("SG");
  const auto* grid = Control<editor::ListGrid>("MSFlexGrid2");
  ASSERT_EQ(grid->model()->rowCount(), 20);
  EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString().toStdString(), "GROUP NAME");
  EXPECT_EQ(grid->CellText(0, 2), "011223344");
}

TEST_F(DirectoryPagesTest, ShortMmsiIsKeptBackSilentlyAndDoesNotHoldThePage) {
  FillStations(2);
  ClickNode("SM 2");
  TypeInto("txtGMMSI", "21123");
  TabOut("txtGMMSI");
  EXPECT_EQ(Station(2).mmsi, "2110000020");
  EXPECT_EQ(Text("txtGMMSI"), "21123");
  ClickNode("SM 1");
  EXPECT_EQ(SelectedKey(), "SM 1");
  EXPECT_EQ(Station(2).mmsi, "2110000020");
  EXPECT_TRUE(prompts.Texts().empty());
}

TEST_F(DirectoryPagesTest, ClearingAnMmsiDeletesTheEntryAndTheOnesAfterMoveUp) {
  FillStations(5);
  ClickNode("SM 3");
  Erase("txtGMMSI");
  TabOut("txtGMMSI");
  EXPECT_EQ(Station(3).tagName, "S4");
  EXPECT_EQ(Station(4).tagName, "S5");
  EXPECT_EQ(Station(5), DirectoryEntry{});
  EXPECT_EQ(Text("txtGPosi"), "S4");  // the entry that moved into place
  EXPECT_EQ(Text("txtGMMSI"), "211000004");
  EXPECT_EQ(NodeText("SM 4"), "Memory ID4[Enable]");
  EXPECT_EQ(NodeText("SM 5"), "Memory ID5");
  EXPECT_TRUE(Changed());
  EXPECT_FALSE(document.flags.updateLock);
}

TEST_F(DirectoryPagesTest, DeleteAsksFirstAndNoKeepsTheEntry) {
  FillStations(3);
  ClickNode("SM 2");
  window->Controller().ForgetChanges();
  prompts.messages.answers.push_back(MessageButton::kNo);
  Click("chkGDelete");
  ASSERT_EQ(prompts.messages.shown.size(), 1u);
  const Message& question = prompts.messages.shown[0];
  EXPECT_EQ(question.text, "Are you sure ?");
  EXPECT_EQ(question.title, "PC Program for LZ3300T");
  EXPECT_EQ(question.icon, MessageIcon::kQuestion);
  EXPECT_EQ(question.buttons, MessageButtons::kYesNo);
  EXPECT_EQ(Station(2).tagName, "S2");
  EXPECT_FALSE(Box("chkGDelete")->isChecked());
  EXPECT_FALSE(Changed());

  prompts.messages.answers.push_back(MessageButton::kYes);
  Click("chkGDelete");
  EXPECT_EQ(Station(2).tagName, "S3");
  EXPECT_FALSE(Station(3).enable);
  EXPECT_TRUE(Changed());
}

TEST_F(DirectoryPagesTest, DeletingTheLastEntryOfAFullDirectoryOnlyEmptiesIt) {
  FillStations(kIndividualDirectorySize);
  const DirectoryEntry before47 = Station(47);
  ClickNode("SM 48");
  prompts.messages.answers.push_back(MessageButton::kYes);
  Click("chkGDelete");
  EXPECT_EQ(Station(48), DirectoryEntry{});
  EXPECT_EQ(Station(47), before47);
  EXPECT_EQ(NodeText("SM 48"), "Memory ID48");
  EXPECT_EQ(NodeText("SM 47"), "Memory ID47[Enable]");
  // Entry 48 is now the first free one after a complete entry.
  EXPECT_TRUE(Box("chkGEnable")->isEnabled());
  EXPECT_FALSE(Box("chkGEnable")->isChecked());
}

TEST_F(DirectoryPagesTest, EntryStatesSetTheButtonsAndAnIncompletePredecessorBlocksAdd) {
  FillStations(2);
  Station(2).tagName = "";
  struct Case {
    const char* node;
    bool addTicked, addEnabled, deleteTicked, deleteEnabled, fields;
    bool message;
  };
  const Case cases[] = {
      {"SM 1", true, false, false, true, true, false},    // in use
      {"SM 3", false, false, true, false, false, true},   // first free, entry 2 has no name
      {"SM 4", false, false, true, false, false, false},  // beyond
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.node);
    prompts.messages.shown.clear();
    ClickNode(c.node);
    EXPECT_EQ(Box("chkGEnable")->isChecked(), c.addTicked);
    EXPECT_EQ(Box("chkGEnable")->isEnabled(), c.addEnabled);
    EXPECT_EQ(Box("chkGDelete")->isChecked(), c.deleteTicked);
    EXPECT_EQ(Box("chkGDelete")->isEnabled(), c.deleteEnabled);
    for (const char* control : {"txtGPosi", "txtGMMSI", "lblTag", "lblMmsi"}) {
      EXPECT_EQ(Control<QWidget>(control)->isEnabled(), c.fields) << control;
    }
    ASSERT_EQ(prompts.messages.shown.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(prompts.messages.shown[0].text, "Data Error!!");
      EXPECT_EQ(prompts.messages.shown[0].title, "Individual Directory");
      EXPECT_EQ(prompts.messages.shown[0].explanation,
                "This entry can be added once the one before it has a name and an MMSI.");
      EXPECT_EQ(prompts.messages.shown[0].icon, MessageIcon::kExclamation);
    }
  }
  // Named, entry 2 is complete and entry 3 may be added.
  ClickNode("SM 2");
  TypeInto("txtGPosi", "BASE");
  ClickNode("SM 3");
  EXPECT_TRUE(Box("chkGEnable")->isEnabled());
}

TEST_F(DirectoryPagesTest, NameEditsMarkTheDocumentChangedAndBlanksKeepTheName) {
  FillStations(1);
  ClickNode("SM 1");
  window->Controller().ForgetChanges();
  TypeInto("txtGPosi", "   ");
  EXPECT_TRUE(Changed());
  ClickNode("SM");
  EXPECT_EQ(Station(1).tagName, "S1");
  ClickNode("SM 1");
  EXPECT_EQ(Text("txtGPosi"), "S1");
  TypeInto("txtGPosi", "a (b)-c/1.,*+x");  // eleven characters fit, as typed
  ClickNode("SM");
  EXPECT_EQ(Station(1).tagName, "A (B)-C/1.,");
}

TEST_F(DirectoryPagesTest, EnterOnAListRowOpensItsEntry) {
  FillStations(3);
  ClickNode("SG");
  ClickNode("SM");
  auto* grid = Control<editor::ListGrid>("MSFlexGrid2");
  grid->setFocus();
  grid->setCurrentIndex(grid->model()->index(2, 0));
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(SelectedKey(), "SM 3");
  EXPECT_EQ(Text("txtGPosi"), "S3");
}

TEST_F(DirectoryPagesTest, AddAndDeleteDoNothingUnderTheUpdateLock) {
  FillStations(1);
  ClickNode("SM 2");
  {
    UpdateLockScope lock(document.flags);
    Click("chkGEnable");
  }
  EXPECT_FALSE(Station(2).enable);
  ClickNode("SM 1");
  {
    UpdateLockScope lock(document.flags);
    Click("chkGDelete");
  }
  EXPECT_TRUE(prompts.Texts().empty());
  EXPECT_TRUE(Station(1).enable);
}

}  // namespace
}  // namespace kol::test
