// The main window through its real widgets: the tree, page switching with the page check,
// the document commands and their questions, the menus that change the document.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <QLabel>
#include <QLineEdit>
#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>

#include <filesystem>

#include "editor/dialogs/help_window.h"
#include "editor/dialogs/qt_window_prompts.h"
#include "editor/pages/general_page.h"
#include "editor/widgets/key_help.h"
#include "editor/window_icon.h"
#include "editor_rig.h"
#include "files/dat_file.h"
#include "files/app_settings.h"
#include "files/startup.h"

namespace kol::test {
namespace {

using editor::FileRequest;
using editor::NodeRow;
using editor::PageKind;

const std::vector<NodeRow>& ProbeTable() {
  static const std::vector<NodeRow> kRows = NodesWithPage<ProbePage>(
      "pictProbe", {PageKind::kUsable, PageKind::kCommon, PageKind::kPlanList, PageKind::kPlanChannel});
  return kRows;
}

class MainWindowTest : public EditorRig {
 protected:
  void SetUp() override { WriteProgramFolder(); }

  bool StartProbeWindow(const std::string& path = {}) { return StartWindow(path, ProbeTable()); }
  ProbePage* Probe() { return window->findChild<ProbePage*>("pictProbe"); }
  std::vector<std::string> TopKeys(const std::string& parent) {
    std::vector<std::string> keys;
    QTreeWidgetItem* item = Node(parent);
    for (int i = 0; item && i < item->childCount(); ++i) {
      keys.push_back(item->child(i)->data(0, Qt::UserRole).toString().toStdString());
    }
    return keys;
  }
  std::string SavedDat(const std::string& name) {
    const std::string path = dir.File(name);
    EXPECT_TRUE(WriteSettingsFile(path, document, host));
    return path;
  }
};

// ---------------------------------------------------------------------------------------
// Start-up and the tree
// ---------------------------------------------------------------------------------------

TEST_F(MainWindowTest, TreeFollowsTheModelsCapabilitiesAndTheUsableGroups) {
  struct Case {
    const char* modelList;
    std::vector<std::string> general;
    std::vector<std::string> program;
  };
  const Case cases[] = {
      {kFullModelList, {"Usable", "Common", "DSC", "ATIS"}, {"PU", "PW"}},
      {"[model1]\r\nuse=1\r\natis=0\r\nwx=0\r\n", {"Usable", "Common", "DSC"}, {"PU"}},
  };
  for (const Case& c : cases) {
    WriteFile("global.ini", c.modelList);
    FreshDocument();
    ASSERT_TRUE(StartProbeWindow());
    EXPECT_EQ(TopKeys("General"), c.general);
    EXPECT_EQ(TopKeys("Program"), c.program);
    EXPECT_EQ(SelectedKey(), "General");
    EXPECT_EQ(Node("PU")->childCount(), 240);
    EXPECT_EQ(Node("SM")->childCount(), 48);
    EXPECT_EQ(Node("SG")->childCount(), 20);
    EXPECT_EQ(Node("ExpChannel"), nullptr);  // the EXP group is not usable in a new document
  }
  // A second usable group, a status name and the EXP group appear with the edit.
  EditDocument([](SettingsModel& model) {
    model.usable.group[kGroup2].usable = true;
    model.usable.group[kGroup2].statusName = "ABC";
    model.usable.group[kExpGroup].usable = true;
    model.individualDirectory[0].enable = true;
  });
  EXPECT_EQ(TopKeys("Program"), (std::vector<std::string>{"PU", "PI"}));
  EXPECT_EQ(Node("PI")->text(0).toStdString(), "Group2(ABC)");
  EXPECT_EQ(Node("PI 32")->text(0).toStdString(), "CH16[Enable]");
  EXPECT_EQ(Node("ExpChannel")->childCount(), 40);
  EXPECT_EQ(Node("E 7")->text(0).toStdString(), "EXP7");
  EXPECT_EQ(Node("SM 1")->text(0).toStdString(), "Memory ID1[Enable]");
  EXPECT_EQ(Node("SG 20")->text(0).toStdString(), "Group ID20");
}

TEST_F(MainWindowTest, NoOfferedModelEndsTheProgramWithItsMessage) {
  WriteFile("global.ini", "");
  EXPECT_FALSE(StartProbeWindow());
  ASSERT_EQ(prompts.messages.shown.size(), 1u);
  EXPECT_EQ(prompts.messages.shown[0].text, "Unknown model!!");
  EXPECT_EQ(prompts.messages.shown[0].icon, MessageIcon::kCritical);
}

TEST_F(MainWindowTest, StartPageShowsTheLogoOnceTheWindowIsDrawn) {
  std::filesystem::copy_file(std::filesystem::path(KOL_BIN_DIR) / "ZN Logo.gif", dir.File("ZN Logo.gif"));
  editor::WindowDeps deps{document, host, prompts, [] { return std::vector<PortInfo>{}; }};
  window = std::make_unique<editor::MainWindow>(std::move(deps));
  window->resize(1024, 700);
  window->show();
  ASSERT_TRUE(window->Start());
  auto* logo = Find<QLabel>("pictLogo");
  // Not read before the window has been drawn: reading it would hold the window back.
  EXPECT_TRUE(logo->pixmap().isNull());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  QTRY_COMPARE_WITH_TIMEOUT(logo->pixmap().size(), QSize(520, 220), 2000);
}

TEST_F(MainWindowTest, CaptionNamesTheModelAndTheFile) {
  ASSERT_TRUE(StartProbeWindow());
  EXPECT_EQ(Caption(), "KOL Programmer  PC Program for LZ3300T");
  const std::string path = SavedDat("Radio One.DAT");
  prompts.openPaths.push_back(path);
  Command("mnuFileOpen");
  EXPECT_EQ(Caption(), "KOL Programmer  PC Program for LZ3300T - radio one.dat");
  prompts.savePaths.push_back(dir.File("Copy.dat"));
  Command("mnuFileSaveAs");
  EXPECT_EQ(Caption(), "KOL Programmer  PC Program for LZ3300T - copy.dat");
  Command("mnuFileNew");
  Wait(150);
  EXPECT_EQ(Caption(), "KOL Programmer  PC Program for LZ3300T");
  EXPECT_TRUE(document.path.empty());
}

// The caption carries "*" while there are unsaved edits: an edit on a page sets it; Save, a
// new document and an opened file clear it.
TEST_F(MainWindowTest, CaptionMarksUnsavedEditsUntilTheyAreSavedOrLetGo) {
  ASSERT_TRUE(StartWindow());
  const std::string plain = "KOL Programmer  PC Program for LZ3300T";
  EXPECT_EQ(Caption(), plain);
  auto editOnThePage = [&] {
    ClickNode("Common");
    auto* scan = Find<QComboBox>("cmbCommonScan");
    scan->setFocus();
    QTest::keyClick(scan, scan->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
  };
  editOnThePage();
  EXPECT_EQ(Caption(), plain + "*");
  EXPECT_TRUE(window->isWindowModified());
  prompts.savePaths = {dir.File("boat.dat")};
  Command("mnuFileSave");
  EXPECT_EQ(Caption(), plain + " - boat.dat");

  editOnThePage();
  EXPECT_EQ(Caption(), plain + " - boat.dat*");
  prompts.messages.answers = {MessageButton::kNo};  // do not save: let the edit go
  Command("mnuFileNew");
  Wait(150);
  EXPECT_EQ(Caption(), plain);

  editOnThePage();
  prompts.messages.answers = {MessageButton::kNo};
  prompts.openPaths = {dir.File("boat.dat")};
  Command("mnuFileOpen");
  EXPECT_EQ(Caption(), plain + " - boat.dat");
  EXPECT_FALSE(Changed());
}

// ---------------------------------------------------------------------------------------
// Page switching
// ---------------------------------------------------------------------------------------

TEST_F(MainWindowTest, PageSwitchKeepsTheDataChangedFlagAndShowsTheNodesPage) {
  ASSERT_TRUE(StartProbeWindow());
  for (bool changed : {false, true}) {
    if (changed) EditDocument();
    ClickNode("Usable");
    EXPECT_EQ(Changed(), changed);
    ClickNode("PU 32");
    EXPECT_EQ(Probe()->shown.kind, PageKind::kPlanChannel);
    EXPECT_EQ(Probe()->shown.index, 32);
    EXPECT_EQ(Changed(), changed);
    ClickNode("General");
  }
  EXPECT_FALSE(document.flags.cancelFlag);
  EXPECT_EQ(Find<QStackedWidget>("pageStack")->currentWidget()->objectName(), "pictGeneral");
}

TEST_F(MainWindowTest, PageThatFailsItsCheckCannotBeLeftAndTheSelectionJumpsBack) {
  ASSERT_TRUE(StartProbeWindow());
  ClickNode("Common");
  Probe()->refuse = true;
  ClickNode("Usable");
  EXPECT_EQ(SelectedKey(), "Common");
  EXPECT_EQ(Probe()->shown.kind, PageKind::kCommon);
  // The keyboard takes the same path.
  Tree()->setFocus();
  QTest::keyClick(Tree(), Qt::Key_Up);
  EXPECT_EQ(SelectedKey(), "Common");
  Probe()->refuse = false;
  QTest::keyClick(Tree(), Qt::Key_Up);
  EXPECT_EQ(SelectedKey(), "Usable");
}

TEST_F(MainWindowTest, ClickingTheShownNodeNeitherChecksNorRefillsThePage) {
  ASSERT_TRUE(StartProbeWindow());
  ClickNode("Common");
  const int fills = Probe()->fills;
  const int checks = Probe()->checks;
  ClickNode("Common");
  EXPECT_EQ(Probe()->fills, fills);
  EXPECT_EQ(Probe()->checks, checks);
}

TEST_F(MainWindowTest, FocusShowsEachControlsKeyHelp) {
  ASSERT_TRUE(StartProbeWindow());
  auto* help = Find<QLabel>("sbStatusBar_0");
  ClickNode("Common");
  auto* field = new QLineEdit(Probe());
  editor::SetKeyHelp(*field, editor::key_help::kStatusName);
  field->show();
  field->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(help->text().toStdString(), "max 3 characters.");
  Tree()->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(help->text().toStdString(), editor::key_help::kTree);
}

// ---------------------------------------------------------------------------------------
// Document commands and their questions
// ---------------------------------------------------------------------------------------

TEST_F(MainWindowTest, ClosingAnswersDecideWhetherTheWindowCloses) {
  struct Case {
    const char* name;
    std::vector<MessageButton> answers;
    std::vector<std::string> savePaths;
    bool closes;
    bool saved;
  };
  const Case cases[] = {
      {"cancel", {MessageButton::kCancel}, {}, false, false},
      {"no", {MessageButton::kNo}, {}, true, false},
      {"yes and saved", {MessageButton::kYes}, {"closing.dat"}, true, true},
      {"yes but save dialog cancelled", {MessageButton::kYes}, {}, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FreshDocument();
    std::filesystem::remove(dir.File("closing.dat"));
    ASSERT_TRUE(StartProbeWindow());
    EditDocument();
    prompts.messages.shown.clear();
    prompts.messages.answers.assign(c.answers.begin(), c.answers.end());
    for (const std::string& name : c.savePaths) prompts.savePaths.push_back(dir.File(name));
    EXPECT_EQ(window->close(), c.closes);
    ASSERT_FALSE(prompts.messages.shown.empty());
    EXPECT_EQ(prompts.messages.shown[0].text, "KOL data has changed.\r\nDo you want to save changes?");
    EXPECT_EQ(prompts.messages.shown[0].buttons, MessageButtons::kYesNoCancel);
    EXPECT_EQ(std::filesystem::exists(dir.File("closing.dat")), c.saved);
    if (!c.closes) window->Controller().ForgetChanges();
  }
}

TEST_F(MainWindowTest, ClosingStoresTheWindowPlaceInTwips) {
  ASSERT_TRUE(StartProbeWindow());
  window->close();
  const std::optional<WindowGeometry> stored = ReadMainGeometry(store);
  ASSERT_TRUE(stored);
  EXPECT_GT(stored->width, 1024 * 10);  // 15 twips per pixel at 96 dpi
}

TEST_F(MainWindowTest, StoredPlaceIsUsedOnlyWhereItFitsAScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const double twipsPerPixel = 1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInchX();
  auto store_place = [&](int x, int y) {
    SaveMainGeometry(store, {static_cast<int>(x * twipsPerPixel), static_cast<int>(y * twipsPerPixel),
                             static_cast<int>(300 * twipsPerPixel), static_cast<int>(200 * twipsPerPixel)});
  };
  store_place(screen.x() + 20, screen.y() + 30);
  ASSERT_TRUE(StartProbeWindow());
  EXPECT_EQ(window->pos(), QPoint(screen.x() + 20, screen.y() + 30));
  EXPECT_EQ(window->frameGeometry().size(), QSize(300, 200));
  store_place(screen.right() + 100, screen.y());  // a screen that has gone
  ASSERT_TRUE(StartProbeWindow());
  EXPECT_EQ(window->size(), QSize(1024, 700));
}

TEST_F(MainWindowTest, DroppedSettingsFileIsOpened) {
  ASSERT_TRUE(StartProbeWindow());
  const std::string path = SavedDat("dropped.dat");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(window.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(window.get(), &drop);
  EXPECT_EQ(document.path, path);
  QMimeData other;
  other.setUrls({QUrl::fromLocalFile("/tmp/picture.png")});
  QDragEnterEvent refused(QPoint(50, 50), Qt::CopyAction, &other, Qt::LeftButton, {});
  refused.setAccepted(false);
  QApplication::sendEvent(window.get(), &refused);
  EXPECT_FALSE(refused.isAccepted());
}

TEST_F(MainWindowTest, NewAndOpenAskFirstWhenTheDocumentChanged) {
  ASSERT_TRUE(StartProbeWindow());
  const std::string path = SavedDat("other.dat");
  EditDocument([](SettingsModel& model) { model.common.resumeTime = 4; });  // not yet saved

  prompts.messages.answers = {MessageButton::kCancel};
  Command("mnuFileNew");
  Wait(150);
  EXPECT_EQ(document.model.common.resumeTime, 4);
  EXPECT_TRUE(Changed());

  prompts.messages.answers = {MessageButton::kCancel};
  prompts.openPaths.push_back(path);
  Command("mnuFileOpen");
  EXPECT_EQ(document.model.common.resumeTime, 4);
  EXPECT_TRUE(prompts.requests.empty());  // the open dialog never came up

  prompts.messages.answers = {MessageButton::kNo};
  Command("mnuFileNew");
  Wait(150);
  EXPECT_NE(document.model.common.resumeTime, 4);
  EXPECT_FALSE(Changed());
  EXPECT_EQ(prompts.messages.shown.size(), 3u);
}

TEST_F(MainWindowTest, RefusedOpenKeepsTheDocument) {
  ASSERT_TRUE(StartProbeWindow());
  WriteFile("other-model.dat", "[MAIN]\r\nMODELTYPE=7\r\n");
  WriteFile("too-large.dat", "[MAIN]\r\nMODELTYPE=1\r\n[Common Setup]\r\nResume Time=1\r\n");
  std::filesystem::resize_file(dir.File("too-large.dat"), 50 << 20);
  document.model.common.resumeTime = 4;
  const SettingsModel before = document.model;
  prompts.openPaths = {dir.File("other-model.dat"), dir.File("missing.dat"), dir.File("too-large.dat")};
  Command("mnuFileOpen");
  Command("mnuFileOpen");
  Command("mnuFileOpen");
  EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"ModelType Error !!", "FileRead Error!!",
                                                       "FileRead Error!!"}));
  EXPECT_EQ(prompts.messages.shown[2].file, dir.File("too-large.dat"));
  EXPECT_EQ(prompts.messages.shown[2].details, "52428800 bytes: a settings file has at most 1048576");
  EXPECT_EQ(document.model, before);
  EXPECT_TRUE(document.path.empty());
  EXPECT_EQ(Caption(), "KOL Programmer  PC Program for LZ3300T");
}

// What the user reads in the box: the program's own text first, then what happened in plain
// words, and the file with the system's reason in view rather than behind "Show Details".
TEST_F(MainWindowTest, FileMessagesShowThePlainWordsTheFileAndTheReason) {
  document.flags.debugMode = true;
  ASSERT_TRUE(StartProbeWindow());
  WriteFile("other-model.dat", "[MAIN]\r\nMODELTYPE=7\r\n");
  WriteFile("short.hex", "0123");
  prompts.openPaths = {dir.File("other-model.dat"), dir.File("missing.dat"), dir.File("short.hex")};
  prompts.savePaths = {dir.File("gone/radio.dat")};
  Command("mnuFileOpen");
  Command("mnuFileOpen");
  Command("keyOpenImage");
  Command("mnuFileSaveAs");
  struct Seen {
    std::string text;
    std::string informative;
  };
  const std::vector<Seen> expected = {
      {"ModelType Error !!",
       "This file is not a settings file for the LZ3300T.\n'" + dir.File("other-model.dat") + "'"},
      {"FileRead Error!!", "The settings file could not be read.\n'" + dir.File("missing.dat") +
                               "' (No such file or directory)"},
      {"bad file!!", "This file is not a memory image of the radio.\n'" + dir.File("short.hex") +
                         "' (4 bytes: an image file has exactly 8192)"},
      {"FileSave Error!!", "The settings could not be saved in this file.\n'" +
                               dir.File("gone/radio.dat") + "' (No such file or directory)"},
  };
  ASSERT_EQ(prompts.messages.shown.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const std::unique_ptr<QMessageBox> box = editor::NewMessageBox(prompts.messages.shown[i], nullptr);
    EXPECT_EQ(box->text().toStdString(), expected[i].text);
    EXPECT_EQ(box->informativeText().toStdString(), expected[i].informative);
    EXPECT_TRUE(box->detailedText().isEmpty()) << expected[i].text;
  }
  // A message about no file keeps a long list behind "Show Details".
  const std::unique_ptr<QMessageBox> list =
      editor::NewMessageBox({"Title", "Program the radio?", MessageIcon::kQuestion,
                             MessageButtons::kOkCancel, MessageButton::kOk, "line 1\nline 2"},
                            nullptr);
  EXPECT_EQ(list->detailedText().toStdString(), "line 1\nline 2");
  EXPECT_TRUE(list->informativeText().isEmpty());
  EXPECT_EQ(list->icon(), QMessageBox::Question);
}

TEST_F(MainWindowTest, SaveClearsTheChangedFlagAndReusesThePath) {
  ASSERT_TRUE(StartProbeWindow());
  EditDocument();
  prompts.savePaths.push_back(dir.File("first.dat"));
  Command("mnuFileSave");  // no path yet: asks for one
  EXPECT_FALSE(Changed());
  EXPECT_EQ(document.path, dir.File("first.dat"));
  EditDocument();
  Command("mnuFileSave");  // writes where it saved before, without asking
  EXPECT_EQ(prompts.requests.size(), 1u);
  EXPECT_FALSE(Changed());
  // A raw image as the document is never overwritten with settings text.
  document.path = dir.File("radio.hex");
  prompts.savePaths.push_back(dir.File("from-image.dat"));
  Command("mnuFileSave");
  EXPECT_EQ(prompts.requests.size(), 2u);
  EXPECT_EQ(prompts.requests.back().fileName, "radio.dat");
  EXPECT_FALSE(std::filesystem::exists(dir.File("radio.hex")));
  EXPECT_EQ(document.path, dir.File("from-image.dat"));
}

// The dialogs start where the user's files are and propose a name to save under.
TEST_F(MainWindowTest, FileDialogsStartInTheDocumentsFolderThenInTheLastOneUsed) {
  ASSERT_TRUE(StartProbeWindow());
  std::filesystem::create_directory(dir.path() / "boats");
  const FileRequest* asked = nullptr;
  auto saveAs = [&](const std::string& answer) {
    prompts.savePaths = {answer};
    Command("mnuFileSaveAs");
    asked = &prompts.requests.back();
  };
  saveAs("");  // a new document: the documents folder and "untitled"
  EXPECT_EQ(asked->folder, dir.File("Documents"));
  EXPECT_EQ(asked->fileName, "untitled.dat");
  EXPECT_EQ(asked->filter, "KOL settings (*.dat)|*.dat|All files (*)|*");
  document.model.dscBasic.userMmsi = "366123456";  // a radio's own MMSI names its settings
  saveAs(dir.File("boats/366123456.dat"));
  EXPECT_EQ(asked->fileName, "366123456.dat");
  saveAs("");  // then beside the document, under its name
  EXPECT_EQ(asked->folder, dir.File("boats"));
  EXPECT_EQ(asked->fileName, "366123456.dat");

  // A new document, even in the next run, starts in the folder used last.
  Command("mnuFileNew");
  Wait(150);
  Command("mnuFileOpen");
  EXPECT_EQ(prompts.requests.back().folder, dir.File("boats"));
  EXPECT_EQ(prompts.requests.back().filter, "KOL settings (*.dat)|*.dat|All files (*)|*");
  window.reset();
  FreshDocument();
  ASSERT_TRUE(StartProbeWindow());
  Command("mnuFileOpen");
  EXPECT_EQ(prompts.requests.back().folder, dir.File("boats"));
  // A folder that has gone gives way to the documents folder.
  std::filesystem::remove_all(dir.path() / "boats");
  Command("mnuFileOpen");
  EXPECT_EQ(prompts.requests.back().folder, dir.File("Documents"));
}

TEST_F(MainWindowTest, OpenRecentOpensAndDropsMissingFiles) {
  ASSERT_TRUE(StartProbeWindow());
  const std::string kept = SavedDat("kept.dat");
  const std::string gone = SavedDat("gone.dat");
  for (const std::string& path : {kept, gone}) {
    prompts.openPaths.push_back(path);
    Command("mnuFileOpen");
  }
  EXPECT_EQ(ReadRecentFiles(store), (std::vector<std::string>{gone, kept}));
  std::filesystem::remove(gone);
  Command("mnuFileRecent_0");  // gone.dat, the newest
  EXPECT_EQ(ReadRecentFiles(store), std::vector<std::string>{kept});
  ASSERT_EQ(prompts.Texts().size(), 1u);
  EXPECT_NE(prompts.Texts()[0].find("gone.dat"), std::string::npos);
  document.path.clear();
  Command("mnuFileRecent_0");
  EXPECT_EQ(document.path, kept);
}

TEST_F(MainWindowTest, DocumentNamedOnTheCommandLineOpensAfterStartUp) {
  WriteProgramFolder();
  Document other;
  other.profile.programFolder = dir.path().string();
  {
    MapSettingsStore otherStore;
    FileHost otherHost{prompts, otherStore, log, clock};
    ASSERT_TRUE(ResetDocument(other, otherHost, true));
    other.model.common.resumeTime = 5;
    ASSERT_TRUE(WriteSettingsFile(dir.File("start.dat"), other, otherHost));
  }
  ASSERT_TRUE(StartProbeWindow(dir.File("start.dat")));
  EXPECT_EQ(document.model.common.resumeTime, 5);
  EXPECT_EQ(document.path, dir.File("start.dat"));
  EXPECT_FALSE(Changed());
}

TEST_F(MainWindowTest, ToolbarButtonIsInertWhileItsMenuItemIsDisabled) {
  ASSERT_TRUE(StartProbeWindow());
  auto* button = Find<QToolButton>("New");
  QAction* item = window->findChild<QAction*>("mnuFileNew");
  document.model.common.resumeTime = 4;
  item->setEnabled(false);
  EXPECT_FALSE(button->isEnabled());
  button->defaultAction()->trigger();  // even a trigger that bypasses the greyed button
  Wait(150);
  EXPECT_EQ(document.model.common.resumeTime, 4);
  item->setEnabled(true);
  QTest::mouseClick(button, Qt::LeftButton);
  Wait(150);
  EXPECT_NE(document.model.common.resumeTime, 4);
}

// The toolbar's pictures are made only for the size shown, and are the style's own at every
// size, scale and state, from Qt's images or, where the desktop has one, from its icon theme.
TEST(ToolbarIcons, AreTheStylesOwnAtEverySizeScaleAndState) {
  const QStyle::StandardPixmap kIcons[] = {QStyle::SP_FileIcon,        QStyle::SP_DialogOpenButton,
                                           QStyle::SP_DialogSaveButton, QStyle::SP_FileDialogDetailedView,
                                           QStyle::SP_ArrowUp,          QStyle::SP_ArrowDown};
  auto expectTheStyles = [&kIcons](const char* where) {
    for (QStyle::StandardPixmap which : kIcons) {
      const QIcon ours = editor::StyleIcon(which);
      const QIcon styles = QApplication::style()->standardIcon(which);
      for (int side : {16, 24, 32, 40, 128, 160}) {
        for (qreal ratio : {1.0, 1.5, 2.0}) {
          for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            EXPECT_EQ(ours.pixmap(QSize(side, side), ratio, mode).toImage(),
                      styles.pixmap(QSize(side, side), ratio, mode).toImage())
                << where << ": icon " << which << ", " << side << " px at " << ratio << ", mode " << mode;
          }
        }
      }
    }
  };
  expectTheStyles("Qt's images");

  // A desktop icon theme that has every icon of the toolbar, each a square of its own colour.
  TempDir themes;
  const std::string theme = themes.File("test-theme");
  std::filesystem::create_directories(theme + "/32x32/actions");
  WriteFileAtomically(theme + "/index.theme",
                      "[Icon Theme]\nName=test-theme\nDirectories=32x32/actions\n\n"
                      "[32x32/actions]\nSize=32\nType=Fixed\n");
  const char* kNames[] = {"text-x-generic", "folder-open", "document-save", "view-list-details", "go-up", "go-down"};
  for (std::size_t i = 0; i < std::size(kNames); ++i) {
    QImage square(32, 32, QImage::Format_ARGB32);
    square.fill(QColor::fromHsv(static_cast<int>(i) * 50, 200, 200));
    ASSERT_TRUE(square.save(QString::fromStdString(theme + "/32x32/actions/" + kNames[i] + ".png")));
  }
  const QStringList searchPaths = QIcon::themeSearchPaths();
  const QString themeName = QIcon::themeName();
  QIcon::setThemeSearchPaths({QString::fromStdString(themes.path().string())});
  QIcon::setThemeName("test-theme");
  EXPECT_EQ(editor::StyleIcon(QStyle::SP_DialogSaveButton).pixmap(32).toImage().pixel(16, 16),
            QColor::fromHsv(100, 200, 200).rgb());
  expectTheStyles("an icon theme");
  QIcon::setThemeName(themeName);
  QIcon::setThemeSearchPaths(searchPaths);
}

// ---------------------------------------------------------------------------------------
// Model, destination and port menus
// ---------------------------------------------------------------------------------------

TEST_F(MainWindowTest, DestinationChangeLoadsItsImageOrKeepsTheOldTick) {
  ASSERT_TRUE(StartProbeWindow());
  auto ticked = [this] {
    for (QAction* item : Find<QMenu>("mnuDestination")->actions()) {
      if (item->isChecked()) return item->text().toStdString();
    }
    return std::string();
  };
  EXPECT_EQ(ticked(), "USA");
  auto choose = [this](const std::string& name) {
    for (QAction* item : Find<QMenu>("mnuDestination")->actions()) {
      if (item->text().toStdString() == name) item->trigger();
    }
    QApplication::processEvents();
  };
  EditDocument();
  prompts.messages.answers = {MessageButton::kNo, MessageButton::kOk};
  choose("INTL");
  EXPECT_EQ(ticked(), "INTL");
  EXPECT_TRUE(document.model.usable.group[kGroup2].usable);
  EXPECT_FALSE(Changed());
  EXPECT_EQ(prompts.Texts().back(), "Do you want to change to INTL?");

  WriteFile("CAN_0CE4.ini", "too short");
  prompts.messages.shown.clear();
  prompts.messages.answers = {MessageButton::kOk};
  choose("CAN");
  EXPECT_EQ(prompts.Texts(),
            (std::vector<std::string>{"Do you want to change to CAN?", "IniFileRead Error!!"}));
  EXPECT_EQ(ticked(), "INTL");
  EXPECT_EQ(SavedDestination(store, 1), "INTL");
}

TEST_F(MainWindowTest, ModelMenuOnlyWithTwoModelsAndAChangeAsksFirst) {
  ASSERT_TRUE(StartProbeWindow());
  // The Edit menu is always there, for Undo and the clipboard.
  EXPECT_TRUE(Find<QMenu>("mnuEdit")->menuAction()->isVisible());
  EXPECT_FALSE(Find<QMenu>("mnuEditModel")->menuAction()->isVisible());
  window->close();
  WriteFile("global.ini", "[model1]\r\nuse=1\r\n[model2]\r\nuse=1\r\n");
  FreshDocument();
  ASSERT_TRUE(StartProbeWindow());
  EXPECT_TRUE(Find<QMenu>("mnuEditModel")->menuAction()->isVisible());
  EXPECT_EQ(document.profile.modelCode, 1);  // "lastmodel" reads 1 on a first start
  prompts.messages.answers = {MessageButton::kCancel};
  Command("mnuEditModelType_2");
  ASSERT_FALSE(prompts.Texts().empty());
  EXPECT_EQ(prompts.Texts().back(), "Do you want to program the Unknown model series?");
  EXPECT_EQ(document.profile.modelCode, 1);
  EXPECT_TRUE(window->findChild<QAction*>("mnuEditModelType_1")->isChecked());
  prompts.messages.answers = {MessageButton::kOk};
  Command("mnuEditModelType_2");
  EXPECT_EQ(document.profile.modelCode, 2);
  EXPECT_TRUE(window->findChild<QAction*>("mnuEditModelType_2")->isChecked());
  EXPECT_EQ(store.Read("Settings", "lastmodel", ""), "2");
  EXPECT_EQ(Caption(), "KOL Programmer  PC Program for Unknown model");
}

TEST_F(MainWindowTest, PortChoicePersistsAndADeviceCanBeTyped) {
  store.Write("ComPath", "ComNum", "3");
  ASSERT_TRUE(StartProbeWindow());
  EXPECT_TRUE(window->findChild<QAction*>("mnuOptionsSerialPort1_2")->isChecked());
  EXPECT_TRUE(store.values.count({"ComPath", "ComDevice"}) == 0);  // start-up writes nothing
  Command("mnuOptionsSerialPort1_1");
  EXPECT_EQ(store.Read("ComPath", "ComNum", ""), "2");
  prompts.texts.push_back(" /dev/pts/7 ");
  Command("mnuOptionsSerialPortOther");
  EXPECT_EQ(window->Transfers().Port(), (PortChoice{2, "/dev/pts/7"}));
  EXPECT_EQ(store.Read("ComPath", "ComDevice", ""), "/dev/pts/7");
  QAction* device = window->findChild<QAction*>("mnuOptionsSerialPortDevice_0");
  ASSERT_NE(device, nullptr);
  EXPECT_TRUE(device->isChecked());
  EXPECT_EQ(device->text().toStdString(), "/dev/pts/7");
}

// Looking for serial ports costs thousands of system calls: the menu does it when it opens.
TEST_F(MainWindowTest, SerialPortsAreListedWhenTheMenuOpensNotAtStart) {
  presentPorts = {{"/dev/ttyUSB0", "USB serial"}};
  ASSERT_TRUE(StartProbeWindow());
  EXPECT_EQ(portListings, 0);
  EXPECT_TRUE(window->findChild<QAction*>("mnuOptionsSerialPort1_0")->isChecked());
  auto* menu = Find<QMenu>("mnuOptionsSerialPort");
  menu->popup(window->mapToGlobal(QPoint(0, 0)));
  QApplication::processEvents();
  menu->close();
  EXPECT_EQ(portListings, 1);
  QAction* device = window->findChild<QAction*>("mnuOptionsSerialPortDevice_0");
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->text().toStdString(), "/dev/ttyUSB0  (USB serial)");
}

TEST_F(MainWindowTest, HelpOpensAtTheContextOrSaysThereIsNone) {
  ASSERT_TRUE(StartProbeWindow());
  Command("mnuHelpContents");
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{
                                 "Unable to display Help Contents. There is no Help associated "
                                 "with this project."});
  WriteFile("TQ460.html", "<html><body><a name=\"topic1001\"></a>Contents</body></html>");
  Command("mnuHelpContents");
  auto* help = window->findChild<editor::HelpWindow*>("frmHelp");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->CurrentAnchor().toStdString(), "topic1001");
  EXPECT_TRUE(help->isVisible());
}

}  // namespace
}  // namespace kol::test
