// Editing as in a spreadsheet, through the real window: undo and redo of every kind of
// step, rows to and from the clipboard, the context menus, CSV import and export, and the
// plan list's switches toggled in place.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidgetItemIterator>

#include <filesystem>
#include <functional>
#include <optional>

#include "editor/widgets/list_grid.h"
#include "editor_rig.h"
#include "files/dat_text.h"
#include "files/file_read.h"
#include "files/list_tables.h"
#include "page_driver.h"

namespace kol::test {
namespace {

constexpr ListId kExp{ListKind::kExpChannels};
constexpr ListId kUsa{ListKind::kPlanChannels, kGroup1};
constexpr ListId kStations{ListKind::kIndividualDirectory};

// Plan list columns and USA channels with rules of their own.
constexpr int kEnableColumn = 1;
constexpr int kTxColumn = 4;
constexpr int kLowColumn = 5;
constexpr int kDupColumn = 7;
constexpr int kMemColumn = 8;
constexpr int kCh15 = 30;  // receive-only
constexpr int kCh16 = 32;
constexpr int kCh20 = 40;  // has a duplex pair
constexpr int kCh01A = 3;  // has none
constexpr int kCh70 = 140;

class ListEditingTest : public EditorRig, public PageDriver {
 protected:
  void SetUp() override {
    WriteProgramFolder();
    ASSERT_TRUE(StartWindow());
    AttachPage(*window);
    QGuiApplication::clipboard()->clear();
  }

  // The EXP group in use, EXP 1-3 and stations 1-3 filled; no steps to undo.
  void FillLists() {
    SetUpDocument([](SettingsModel& m) {
      m.usable.group[kExpGroup].usable = true;
      for (int i = 0; i < 3; ++i) {
        m.exp[i] = {.enable = true, .chDisplayL = " " + std::to_string(i + 1), .rxFreq = 156.025 + 0.025 * i};
        m.individualDirectory[i] = {true, "S" + std::to_string(i + 1), "21100000" + std::to_string(i + 1) + "0", {}};
      }
    });
  }

  std::string Dat() const { return FormatSettingsText(document.model, document.profile); }
  std::string UndoText() const { return window->findChild<QAction*>("mnuEditUndo")->text().toStdString(); }
  std::string RedoText() const { return window->findChild<QAction*>("mnuEditRedo")->text().toStdString(); }
  bool MayUndo() const { return window->findChild<QAction*>("mnuEditUndo")->isEnabled(); }
  std::string Clipboard() const { return QGuiApplication::clipboard()->text().toStdString(); }
  static void SetClipboard(const std::string& text) { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); }
  std::string FocusName() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName().toStdString() : std::string();
  }

  editor::ListGrid* Grid(const char* name) const { return Control<editor::ListGrid>(name); }
  QPoint CellCentre(editor::ListGrid* grid, int row, int column) const {
    const QModelIndex cell = grid->model()->index(row, column);
    grid->scrollTo(cell);
    return grid->visualRect(cell).center();
  }
  // Clicks a row; with Shift or Ctrl the selection grows, as in a spreadsheet.
  void ClickRow(editor::ListGrid* grid, int row, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, keys, CellCentre(grid, row, 0));
    QApplication::processEvents();
  }
  // Clicks the box of a switch, as a user aims.
  void ClickSwitch(editor::ListGrid* grid, int row, int column) {
    const QModelIndex cell = grid->model()->index(row, column);
    grid->scrollTo(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->SwitchRect(cell).center());
    QApplication::processEvents();
  }
  void Keys(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    widget->setFocus();
    QTest::keyClick(widget, key, modifiers);
    QApplication::processEvents();
  }
  // Right-clicks `widget`'s viewport at `position` and picks the context menu's `item`
  // (objectName); the menu's items and whether each is enabled, by name.
  // Without a position, the menu key on the focused `widget`: the window then asks it where
  // its current item is, as for a text cursor.
  std::map<std::string, bool> ContextMenu(QAbstractScrollArea* widget, std::optional<QPoint> position,
                                          const char* item) {
    std::map<std::string, bool> offered;
    QTimer::singleShot(0, [&offered, item] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) offered[action->objectName().toStdString()] = action->isEnabled();
      }
      QAction* chosen = menu->findChild<QAction*>(item);
      menu->close();
      if (chosen) chosen->trigger();
    });
    if (position) {
      QTest::mouseClick(widget->viewport(), Qt::RightButton, {}, *position);
      QContextMenuEvent event(QContextMenuEvent::Mouse, *position, widget->viewport()->mapToGlobal(*position));
      QApplication::sendEvent(widget->viewport(), &event);
    } else {
      widget->setFocus();
      const QPoint at = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
      QContextMenuEvent event(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at));
      QApplication::sendEvent(widget, &event);
    }
    QApplication::processEvents();
    return offered;
  }
  int CountNodes() const {
    int count = 0;
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it) ++count;
    return count;
  }
  QPoint NodeCentre(const std::string& key) {
    QTreeWidgetItem* item = Node(key);
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) p->setExpanded(true);
    Tree()->scrollToItem(item);
    return Tree()->visualItemRect(item).center();
  }
};

// ---------------------------------------------------------------------------------------
// Undo and redo
// ---------------------------------------------------------------------------------------

struct StepCase {
  const char* kind;
  // The step as a user makes it, on the document FillLists() leaves; one step.
  std::function<void()> make;
  const char* undoText;  // the Edit menu's item afterwards
};

// Every kind of step is taken back, and made again, to the byte of the settings file.
TEST_F(ListEditingTest, UndoAndRedoOfEveryKindOfStepRestoreTheSettingsFile) {
  const std::string csv = dir.File("exp.csv");
  const StepCase cases[] = {
      {"a box of the channel editor",
       [this] {
         ClickNode("PU 32");
         Click("chkCScan");
       },
       "&Undo Scan Memory of Group1 CH16"},
      {"a list's choice",
       [this] {
         ClickNode("Common");
         Choose("cmbCommonTXPo", 1);
       },
       "&Undo TX Po Display of Common Setup"},
      {"a channel group switched on, its nodes with it",
       [this] {
         ClickNode("Usable");
         Click("chkUsable_1");
       },
       "&Undo International of Usable CH Group Setup"},
      {"a typed frequency",
       [this] {
         ClickNode("E 2");
         TypeInto("txtCRF", "160.5");
         QTest::keyClick(Control<QLineEdit>("txtCRF"), Qt::Key_Tab);
       },
       "&Undo Rx Frequency of EXP 2"},
      {"typing into a field stored at every key",
       [this] {
         ClickNode("E 2");
         TypeInto("txtCN_0", "12");
       },
       "&Undo CH Display of EXP 2"},
      {"Add of a directory entry",
       [this] {
         ClickNode("SM 4");
         Click("chkGEnable");
       },
       "&Undo Add of Memory ID4"},
      {"Delete in the entry editor",
       [this] {
         ClickNode("SM 2");
         prompts.messages.answers = {MessageButton::kYes};
         Click("chkGDelete");
       },
       "&Undo Delete of Memory ID2"},
      {"a switch of the plan list",
       [this] {
         ClickNode("PU");
         ClickSwitch(Grid("MSFlexGrid1"), kCh16, kLowColumn);
       },
       "&Undo Low Power Only of Group1 CH16"},
      {"Delete in the directory list",
       [this] {
         ClickNode("SM");
         ClickRow(Grid("MSFlexGrid2"), 0);
         prompts.messages.answers = {MessageButton::kYes};
         Keys(Grid("MSFlexGrid2"), Qt::Key_Delete, {});
       },
       "&Undo Delete of Memory ID1"},
      {"a paste",
       [this] {
         SetClipboard("CH Display\tRx MHz\tEnable\n9\t157.1\tYes\n");
         ClickNode("ExpChannel");
         ClickRow(Grid("MSFlexGrid1"), 9);
         Keys(Grid("MSFlexGrid1"), Qt::Key_V);
       },
       "&Undo Paste into EXP Channel"},
      {"an import",
       [this, csv] {
         WriteFile("exp.csv", "Channel,Rx MHz,Enable,CH Display\r\n12,158.5,Yes,12\r\n");
         prompts.openPaths.push_back(csv);
         Command("mnuFileImportExp");
       },
       "&Undo Import of EXP Channel"},
      {"a cut",
       [this] {
         ClickNode("SM");
         ClickRow(Grid("MSFlexGrid2"), 1);
         Keys(Grid("MSFlexGrid2"), Qt::Key_X);
       },
       "&Undo Cut of Memory ID2"},
  };
  for (const StepCase& c : cases) {
    SCOPED_TRACE(c.kind);
    FillLists();
    ClickNode("General");
    ASSERT_FALSE(MayUndo());
    const std::string before = Dat();
    const int nodesBefore = CountNodes();
    c.make();
    const std::string after = Dat();
    ASSERT_NE(after, before);
    EXPECT_TRUE(prompts.messages.answers.empty());
    EXPECT_EQ(UndoText(), c.undoText);
    const int nodes = CountNodes();
    Command("mnuEditUndo");
    EXPECT_EQ(Dat(), before);
    EXPECT_EQ(CountNodes(), nodesBefore);
    EXPECT_FALSE(MayUndo());
    EXPECT_EQ(RedoText(), "&Redo" + std::string(c.undoText).substr(5));
    Command("mnuEditRedo");
    EXPECT_EQ(Dat(), after);
    EXPECT_EQ(CountNodes(), nodes);
    EXPECT_EQ(RedoText(), "&Redo");
  }
}

TEST_F(ListEditingTest, UndoShowsTheStepsPageAndControlWithItsRows) {
  FillLists();
  ClickNode("PU");
  editor::ListGrid* grid = Grid("MSFlexGrid1");
  ClickRow(grid, kCh20);
  ClickRow(grid, kCh20 + 2, Qt::ShiftModifier);
  ClickSwitch(grid, kCh20 + 1, kMemColumn);
  EXPECT_EQ(UndoText(), "&Undo Scan Memory of 3 channels of Group1");
  ClickNode("SM 2");
  Keys(Tree(), Qt::Key_Z);
  EXPECT_EQ(SelectedKey(), "PU");
  EXPECT_EQ(FocusName(), "MSFlexGrid1");
  EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{kCh20, kCh20 + 1, kCh20 + 2}));
  EXPECT_EQ(grid->CellText(kCh20 + 1, kMemColumn), "---");
  // Ctrl+Y and Ctrl+Shift+Z both redo.
  Keys(grid, Qt::Key_Y);
  EXPECT_EQ(grid->CellText(kCh20 + 1, kMemColumn), "MEM");
  Keys(grid, Qt::Key_Z);
  Keys(grid, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(document.model.group[kGroup1][kCh20 + 2].scanMemory);
}

TEST_F(ListEditingTest, UndoOfAControlShowsItsPageWithTheValueAndTheFocusOnIt) {
  FillLists();
  ClickNode("E 2");
  TypeInto("txtCRF", "160.5");
  QTest::keyClick(Control<QLineEdit>("txtCRF"), Qt::Key_Tab);
  ClickNode("DSC");
  Command("mnuEditUndo");
  EXPECT_EQ(SelectedKey(), "E 2");
  EXPECT_EQ(FocusName(), "txtCRF");
  EXPECT_EQ(Text("txtCRF"), "156.0500");
  // A text typed and not yet committed is committed first: it is the step taken back.
  Command("mnuEditRedo");
  TypeInto("txtCRF", "170");
  Command("mnuEditUndo");
  EXPECT_EQ(Text("txtCRF"), "160.5000");
  EXPECT_EQ(document.model.exp[1].rxFreq, 160.5);
  EXPECT_EQ(RedoText(), "&Redo Rx Frequency of EXP 2");
}

TEST_F(ListEditingTest, TheUndoKeysInATextFieldTakeBackItsTypingThenTheDocumentsSteps) {
  FillLists();
  ClickNode("E 2");
  TypeInto("txtCRF", "160.5");
  auto* rx = Control<QLineEdit>("txtCRF");
  QTest::keyClick(rx, Qt::Key_Return);
  QTest::keyClicks(rx, "7");
  Keys(rx, Qt::Key_Z);
  EXPECT_EQ(Text("txtCRF"), "160.5000");
  EXPECT_EQ(document.model.exp[1].rxFreq, 160.5);
  // Nothing typed to take back: the keys are the document's.
  Keys(rx, Qt::Key_Z);
  EXPECT_EQ(document.model.exp[1].rxFreq, 156.05);
  EXPECT_EQ(Text("txtCRF"), "156.0500");
  Keys(Control<QLineEdit>("txtCRF"), Qt::Key_Y);
  EXPECT_EQ(document.model.exp[1].rxFreq, 160.5);
}

TEST_F(ListEditingTest, UndoBackToTheSavedStateClearsTheChangedMark) {
  FillLists();
  ClickNode("PU");
  editor::ListGrid* grid = Grid("MSFlexGrid1");
  ClickSwitch(grid, kCh16, kMemColumn);
  prompts.savePaths.push_back(dir.File("saved.dat"));
  Command("mnuFileSaveAs");
  EXPECT_FALSE(Changed());
  ClickSwitch(grid, kCh16, kLowColumn);
  EXPECT_TRUE(Changed());
  EXPECT_TRUE(window->isWindowModified());
  Command("mnuEditUndo");
  EXPECT_FALSE(Changed());
  EXPECT_FALSE(window->isWindowModified());
  Command("mnuEditUndo");  // before the save: the file holds something else
  EXPECT_TRUE(Changed());
  Command("mnuEditRedo");
  EXPECT_FALSE(Changed());
  // A new step where one was taken back: the saved state cannot come back.
  Command("mnuEditUndo");
  ClickSwitch(grid, kCh16, kTxColumn);
  Command("mnuEditUndo");
  EXPECT_TRUE(Changed());
}

TEST_F(ListEditingTest, NewOpenAndAReadStartWithoutSteps) {
  const std::string saved = dir.File("saved.dat");
  auto step = [this] {
    ClickNode("PU");
    ClickSwitch(Grid("MSFlexGrid1"), kCh16, kMemColumn);
    ASSERT_TRUE(MayUndo());
  };
  step();
  prompts.savePaths.push_back(saved);
  Command("mnuFileSaveAs");
  step();
  prompts.messages.answers = {MessageButton::kNo};
  prompts.openPaths.push_back(saved);
  Command("mnuFileOpen");
  EXPECT_FALSE(MayUndo());
  step();
  prompts.messages.answers = {MessageButton::kNo};
  Command("mnuFileNew");
  Wait(300);
  EXPECT_FALSE(MayUndo());
  step();
  window->Controller().Transfer(Operation::kRead, [](Document&) { return true; });
  EXPECT_FALSE(MayUndo());
  EXPECT_EQ(UndoText(), "&Undo");
}

TEST_F(ListEditingTest, AHundredStepsAreKept) {
  auto& controller = window->Controller();
  const SettingsModel first = document.model;
  for (int step = 1; step <= 101; ++step) {
    EditDocument([step](SettingsModel& m) { m.exp[step % kExpChannelCount].rxFreq = 137 + step * 0.025; });
  }
  int undone = 0;
  while (controller.Undo()) ++undone;
  EXPECT_EQ(undone, 100);
  EXPECT_NE(document.model, first);  // the oldest step was let go
  EXPECT_TRUE(Changed());
}

// ---------------------------------------------------------------------------------------
// Clipboard
// ---------------------------------------------------------------------------------------

TEST_F(ListEditingTest, SelectedRowsCopyAsTabSeparatedTextAndPasteAsOneStep) {
  FillLists();
  ClickNode("ExpChannel");
  editor::ListGrid* grid = Grid("MSFlexGrid1");
  ClickRow(grid, 0);
  ClickRow(grid, 2, Qt::ControlModifier);
  Keys(grid, Qt::Key_C);
  const std::vector<int> copied = {0, 2};
  EXPECT_EQ(Clipboard(), CopiedRows(document.model, kExp, copied));

  SettingsModel expected = document.model;
  ASSERT_TRUE(PastedRows(expected, kExp, 19, Clipboard()).edit.has_value());
  PastedRows(document.model, kExp, 19, Clipboard()).edit->ApplyTo(expected);
  ClickRow(grid, 19);
  Command("mnuEditPaste");
  EXPECT_EQ(document.model, expected);
  EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{19, 20}));
  EXPECT_EQ(grid->CellText(20, 2), " 3 ");
  Command("mnuEditUndo");
  EXPECT_FALSE(document.model.exp[20].enable);
  EXPECT_FALSE(MayUndo());
}

TEST_F(ListEditingTest, ARefusedPastePastesNothingAndNamesRowAndColumn) {
  FillLists();
  const SettingsModel before = document.model;
  ClickNode("ExpChannel");
  ClickRow(Grid("MSFlexGrid1"), 4);
  SetClipboard("Rx MHz\tEnable\n156.025\tNo\n136.975\tmaybe\n");
  Keys(Grid("MSFlexGrid1"), Qt::Key_V);
  EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{
                                 "Nothing was pasted:\n"
                                 "EXP 6, Rx MHz: \"136.975\" is outside 137-174 MHz\n"
                                 "EXP 6, Enable: \"maybe\" is not Yes or No"}));
  EXPECT_EQ(document.model, before);
  EXPECT_FALSE(MayUndo());
  EXPECT_FALSE(Changed());
}

TEST_F(ListEditingTest, InTextFieldsTheClipboardKeysKeepTheirTextMeaning) {
  FillLists();
  ClickNode("SM 1");
  auto* name = Control<QLineEdit>("txtGPosi");
  name->setFocus();
  name->selectAll();
  Keys(name, Qt::Key_C);
  EXPECT_EQ(Clipboard(), "S1");
  // The menu's Paste pastes text into the field, as the keys do.
  SetClipboard("X");
  name->end(false);
  Command("mnuEditPaste");
  EXPECT_EQ(name->text().toStdString(), "S1X");
  EXPECT_EQ(document.model.individualDirectory[0].tagName, "S1");  // not committed yet
}

TEST_F(ListEditingTest, CutAndDeleteRemoveDirectoryEntriesTheChannelListsKeepTheirRows) {
  FillLists();
  ClickNode("SM");
  editor::ListGrid* grid = Grid("MSFlexGrid2");
  ClickRow(grid, 0);
  prompts.messages.answers = {MessageButton::kNo};
  Keys(grid, Qt::Key_Delete, {});
  EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"Are you sure ?"}));
  EXPECT_EQ(EntriesInUse(document.model.individualDirectory), 3);

  ClickRow(grid, 1, Qt::ShiftModifier);
  const std::vector<int> cut = {0, 1};
  const std::string rows = CopiedRows(document.model, kStations, cut);
  Command("mnuEditCut");
  EXPECT_EQ(Clipboard(), rows);
  EXPECT_EQ(EntriesInUse(document.model.individualDirectory), 1);
  EXPECT_EQ(document.model.individualDirectory[0].tagName, "S3");
  EXPECT_EQ(UndoText(), "&Undo Cut of 2 entries of Individual Directory");
  EXPECT_EQ(grid->CellText(0, 1), "S3");

  ClickNode("PU");
  Grid("MSFlexGrid1")->setFocus();
  EXPECT_FALSE(window->findChild<QAction*>("mnuEditCut")->isEnabled());
  EXPECT_TRUE(window->findChild<QAction*>("mnuEditCopy")->isEnabled());
}

TEST_F(ListEditingTest, ContextMenusOfListRowsAndTreeNodes) {
  FillLists();
  // A tree node stands for its rows: an EXP channel for its own.
  std::map<std::string, bool> offered = ContextMenu(Tree(), NodeCentre("E 3"), "mnuContextCopy");
  EXPECT_EQ(offered, (std::map<std::string, bool>{{"mnuContextOpen", true},
                                                  {"mnuContextCut", false},
                                                  {"mnuContextCopy", true},
                                                  {"mnuContextPaste", false}}));
  const std::vector<int> exp3 = {2};
  EXPECT_EQ(Clipboard(), CopiedRows(document.model, kExp, exp3));
  // Pasted on the node of EXP 7, the row lands there; the list shows it.
  ContextMenu(Tree(), NodeCentre("E 7"), "mnuContextPaste");
  EXPECT_EQ(CopiedRows(document.model, kExp, std::vector<int>{6}).substr(Clipboard().find('\n') + 2),
            Clipboard().substr(Clipboard().find('\n') + 2));  // all but the channel number
  EXPECT_EQ(SelectedKey(), "ExpChannel");
  EXPECT_EQ(Grid("MSFlexGrid1")->SelectedRows(), (std::vector<int>{6}));

  // A directory list's row: Open shows its entry.
  ClickNode("SM");
  editor::ListGrid* grid = Grid("MSFlexGrid2");
  offered = ContextMenu(grid, CellCentre(grid, 1, 1), "mnuContextOpen");
  EXPECT_TRUE(offered["mnuContextCut"]);
  EXPECT_EQ(SelectedKey(), "SM 2");
  // The menu key opens it on the current row.
  ClickNode("SM");
  ClickRow(grid, 2);
  ContextMenu(grid, std::nullopt, "mnuContextOpen");
  EXPECT_EQ(SelectedKey(), "SM 3");
  // The directory's node copies every entry in use.
  ContextMenu(Tree(), NodeCentre("SM"), "mnuContextCopy");
  const std::vector<int> inUse = {0, 1, 2};
  EXPECT_EQ(Clipboard(), CopiedRows(document.model, kStations, inUse));
}

// ---------------------------------------------------------------------------------------
// Import and export
// ---------------------------------------------------------------------------------------

TEST_F(ListEditingTest, ExportWritesTheListAndImportBringsItBackAsOneStep) {
  FillLists();
  const std::string path = dir.File("stations.csv");
  prompts.savePaths.push_back(path);
  Command("mnuFileExportIndividual");
  EXPECT_EQ(prompts.requests.back().fileName, "individual.csv");
  EXPECT_EQ(ReadWholeFile(path).value_or(""), ListCsv(document.model, kStations));

  WriteFile("stations.csv", "MMSI,Name\r\n244000001,harbour\r\n");
  SettingsModel expected = document.model;
  ListFromCsv(document.model, kStations, "MMSI,Name\r\n244000001,harbour\r\n").edit->ApplyTo(expected);
  prompts.openPaths.push_back(path);
  Command("mnuFileImportIndividual");
  EXPECT_EQ(document.model, expected);
  EXPECT_EQ(document.model.individualDirectory[0].tagName, "HARBOUR");
  EXPECT_EQ(EntriesInUse(document.model.individualDirectory), 1);
  EXPECT_EQ(SelectedKey(), "SM");
  EXPECT_EQ(Grid("MSFlexGrid2")->CellText(0, 2), "244000001");
  EXPECT_EQ(Node("SM 2")->text(0).toStdString(), "Memory ID2");
  Command("mnuEditUndo");
  EXPECT_EQ(EntriesInUse(document.model.individualDirectory), 3);
}

TEST_F(ListEditingTest, ABadImportImportsNothingAndNamesEveryBadLine) {
  FillLists();
  const SettingsModel before = document.model;
  WriteFile("bad.csv", "Name,MMSI\r\nA,211234567\r\nB_,2112345\r\nC,211234568\r\n");
  prompts.openPaths.push_back(dir.File("bad.csv"));
  Command("mnuFileImportIndividual");
  EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{
                                 "Nothing was imported from 'bad.csv' (1 line refused):\n"
                                 "line 3, Name: \"B_\" holds \"_\", which the radio cannot show\n"
                                 "line 3, MMSI: \"2112345\" is not 9 digits"}));
  EXPECT_EQ(document.model, before);
  EXPECT_FALSE(MayUndo());
}

// ---------------------------------------------------------------------------------------
// Switches in the plan list
// ---------------------------------------------------------------------------------------

struct ToggleCase {
  int row;
  int column;
  bool changes;  // false: the channel editor's box would be disabled
};

TEST_F(ListEditingTest, PlanSwitchesToggleInPlaceUnderTheChannelEditorsRules) {
  SetUpDocument([](SettingsModel& m) { m.group[kGroup1][kCh15].txEnable = false; });
  ClickNode("PU");
  editor::ListGrid* grid = Grid("MSFlexGrid1");
  SettingsModel expected = document.model;
  ChannelPlan& plan = expected.group[kGroup1];
  const ToggleCase cases[] = {
      {kCh16, kEnableColumn, true}, {kCh16, kLowColumn, true}, {kCh20, kDupColumn, true},
      {kCh15, kTxColumn, false},    {kCh01A, kDupColumn, false}, {kCh70, kMemColumn, false},
      {kCh70, kLowColumn, true},
  };
  for (const ToggleCase& c : cases) {
    SCOPED_TRACE(grid->CellText(c.row, 0) + " " + grid->model()->headerData(c.column, Qt::Horizontal).toString().toStdString());
    const std::optional<PlanSwitch> which = grid->Model().SwitchAt(c.column);
    ASSERT_TRUE(which);
    ClickSwitch(grid, c.row, c.column);
    if (c.changes) SwitchOf(plan[c.row], *which) = !SwitchOf(plan[c.row], *which);
    EXPECT_EQ(document.model, expected);
    EXPECT_EQ(grid->Model().MayToggle(c.row, c.column), c.changes);
  }
  // Space toggles the current cell's switch, in every selected row, as one step.
  ClickRow(grid, 100);
  ClickRow(grid, 103, Qt::ShiftModifier);
  grid->selectionModel()->setCurrentIndex(grid->model()->index(100, kMemColumn), QItemSelectionModel::NoUpdate);
  const bool on = !plan[100].scanMemory;
  Keys(grid, Qt::Key_Space, {});
  for (int r = 100; r <= 103; ++r) plan[r].scanMemory = on;
  EXPECT_EQ(document.model, expected);
  Command("mnuEditUndo");
  EXPECT_EQ(document.model.group[kGroup1][103].scanMemory, !on);
  Command("mnuEditRedo");

  // The window saves what the same switches set on the model save.
  const std::string saved = dir.File("window.dat");
  prompts.savePaths.push_back(saved);
  Command("mnuFileSaveAs");
  EXPECT_EQ(ReadWholeFile(saved).value_or(""), FormatSettingsText(expected, document.profile));
}

// Every cell of the lists shows its whole text beside its switch: no column cuts one off.
TEST_F(ListEditingTest, ListColumnsAreAsWideAsTheirCellsNeed) {
  FillLists();
  for (const char* node : {"PU", "ExpChannel"}) {
    ClickNode(node);
    editor::ListGrid* grid = Grid("MSFlexGrid1");
    for (int column = 0; column < grid->model()->columnCount(); ++column) {
      EXPECT_GE(grid->columnWidth(column), static_cast<QAbstractItemView*>(grid)->sizeHintForColumn(column))
          << node << " " << grid->model()->headerData(column, Qt::Horizontal).toString().toStdString();
    }
  }
}

TEST_F(ListEditingTest, UndoAndRedoAreOnTheToolbarWhileThereIsAStep) {
  auto* undo = Find<QToolButton>("Undo");
  auto* redo = Find<QToolButton>("Redo");
  EXPECT_FALSE(undo->isEnabled());
  ClickNode("PU");
  ClickSwitch(Grid("MSFlexGrid1"), kCh16, kMemColumn);
  EXPECT_TRUE(undo->isEnabled());
  QTest::mouseClick(undo, Qt::LeftButton);
  EXPECT_FALSE(document.model.group[kGroup1][kCh16].scanMemory);
  EXPECT_TRUE(redo->isEnabled());
  QTest::mouseClick(redo, Qt::LeftButton);
  EXPECT_TRUE(document.model.group[kGroup1][kCh16].scanMemory);
}

}  // namespace
}  // namespace kol::test
