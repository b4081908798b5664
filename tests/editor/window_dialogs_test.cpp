// The report window, printing, the print preview and the PDF export, the hex view and the
// image files of debug mode, through the main window's commands.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <filesystem>

#include "editor/dialogs/report_window.h"
#include "editor_rig.h"
#include "files/file_read.h"
#include "files/hex_file.h"
#include "model/image_codec.h"
#include "report/report_text.h"

namespace kol::test {
namespace {

using editor::NodeRow;
using editor::PageKind;
using editor::ReportWindow;

const std::vector<NodeRow>& CheckedTable() {
  static const std::vector<NodeRow> kRows = NodesWithPage<ProbePage>("pictCommon", {PageKind::kCommon});
  return kRows;
}

class WindowDialogsTest : public EditorRig {
 protected:
  void SetUp() override { WriteProgramFolder(); }
  bool Start(bool debug = false) {
    document.flags.debugMode = debug;
    return StartWindow({}, CheckedTable());
  }
  ProbePage* Common() { return window->findChild<ProbePage*>("pictCommon"); }

  // Opens the report window, waits for its text and runs `script` on it; the window is
  // closed with OK afterwards when the script left it open.
  void WithReportWindow(std::function<void(ReportWindow&)> script) {
    QTimer::singleShot(0, window.get(), [script = std::move(script)] {
      auto* report = qobject_cast<ReportWindow*>(QApplication::activeModalWidget());
      ASSERT_NE(report, nullptr);
      for (int i = 0; i < 200 && report->Text() == editor::kReportWaitText; ++i) QTest::qWait(5);
      script(*report);
      if (report->isVisible()) QTest::mouseClick(report->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    Command("mnuFilePrintToFile");
  }
  static void SaveReport(ReportWindow& report) {
    report.findChild<QAction*>("mnuFileSave")->trigger();
  }
  QListWidget* HexList() { return Find<QListWidget>("lstHex"); }
  void Key(int key) {
    QTest::keyClick(window.get(), static_cast<Qt::Key>(key), Qt::ControlModifier);
    QApplication::processEvents();
  }
};

// ---------------------------------------------------------------------------------------
// Report window
// ---------------------------------------------------------------------------------------

TEST_F(WindowDialogsTest, ReportWindowSavesTheTextAsShownWithItsLineEnds) {
  ASSERT_TRUE(Start());
  ClickNode("Common");
  Common()->refuse = true;  // the report window opens without the page check
  const std::string report = BuildReportText(document.model, document.profile);
  prompts.savePaths = {dir.File("a.txt"), dir.File("b.txt"), dir.File("edited.txt")};
  WithReportWindow([&](ReportWindow& shown) {
    EXPECT_EQ(shown.windowTitle().toStdString(), "Print to File");
    EXPECT_EQ(shown.Text().replace('\n', "\r\n").toStdString(), report);
    SaveReport(shown);
    SaveReport(shown);
    auto* text = shown.findChild<QPlainTextEdit*>("txtPrn");
    text->moveCursor(QTextCursor::Start);
    QTest::keyClicks(text, "Checked by J. Smith");
    QTest::keyClick(text, Qt::Key_Return);
    SaveReport(shown);
  });
  EXPECT_EQ(Common()->checks, 0);
  const std::optional<std::string> first = ReadWholeFile(dir.File("a.txt"));
  ASSERT_TRUE(first);
  EXPECT_EQ(*first, report + "\r\n");
  EXPECT_EQ(first->rfind("##### Usable CH Group Setup #####", 0), 0u);
  EXPECT_EQ(ReadWholeFile(dir.File("b.txt")), first);
  EXPECT_EQ(ReadWholeFile(dir.File("edited.txt")), "Checked by J. Smith\r\n" + *first);
  EXPECT_EQ(prompts.requests[0].filter, "Text files (*.txt)|*.txt|All files (*)|*");
  EXPECT_EQ(prompts.requests[0].fileName, "untitled.txt");
}

TEST_F(WindowDialogsTest, FailedReportSaveKeepsTheWindowAndItsText) {
  ASSERT_TRUE(Start());
  prompts.savePaths = {dir.File("missing/report.txt")};
  bool stillOpen = false;
  QString before;
  QString after;
  WithReportWindow([&](ReportWindow& shown) {
    before = shown.Text();
    SaveReport(shown);
    stillOpen = shown.isVisible();
    after = shown.Text();
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(after, before);
  ASSERT_EQ(prompts.messages.shown.size(), 1u);
  const Message& shown = prompts.messages.shown[0];
  EXPECT_EQ(shown.title, "LZ3300T PC Program for LZ3300T");
  EXPECT_EQ(shown.text, dir.File("missing/report.txt") + ": No such file or directory");
  EXPECT_EQ(shown.icon, MessageIcon::kExclamation);
  EXPECT_TRUE(document.flags.errorFlag);
  EXPECT_TRUE(document.flags.cancelFlag);
  EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
}

// ---------------------------------------------------------------------------------------
// Printing, preview, PDF
// ---------------------------------------------------------------------------------------

TEST_F(WindowDialogsTest, PrintPreviewAndPdfStartOnlyWhenThePageMayBeLeft) {
  ASSERT_TRUE(Start());
  ClickNode("Common");
  Common()->refuse = true;
  prompts.savePaths = {dir.File("report.pdf")};
  for (const char* command : {"mnuFilePrint", "mnuFilePrintPreview", "mnuFileExportPdf"}) {
    Command(command);
  }
  EXPECT_EQ(Common()->checks, 3);
  EXPECT_EQ(prompts.printerQuestions, 0);
  EXPECT_EQ(prompts.previews, 0);
  EXPECT_TRUE(prompts.requests.empty());

  Common()->refuse = false;
  auto pdf = [](const std::string& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    return bytes && bytes->rfind("%PDF", 0) == 0 && bytes->size() > 1000;
  };
  prompts.printerAnswer = true;
  prompts.printerPdf = dir.File("printed.pdf");
  Command("mnuFilePrint");
  EXPECT_TRUE(pdf(dir.File("printed.pdf")));
  prompts.printerPdf = dir.File("preview.pdf");
  Command("mnuFilePrintPreview");
  EXPECT_TRUE(pdf(dir.File("preview.pdf")));
  Command("mnuFileExportPdf");
  EXPECT_TRUE(pdf(dir.File("report.pdf")));
  EXPECT_EQ(prompts.requests.back().fileName, "untitled.pdf");
  EXPECT_TRUE(prompts.Texts().empty());
}

// ---------------------------------------------------------------------------------------
// Hex view
// ---------------------------------------------------------------------------------------

TEST_F(WindowDialogsTest, HexViewIsASnapshotRebuiltEachTimeItIsShown) {
  ASSERT_TRUE(Start(true));
  QAction* hexdump = window->findChild<QAction*>("mnuOptionsHexdump");
  EXPECT_TRUE(hexdump->isVisible());
  EXPECT_FALSE(HexList()->isVisible());
  document.image = RadioImage();  // all 0xFF
  Command("mnuOptionsHexdump");
  EXPECT_TRUE(hexdump->isChecked());
  ASSERT_TRUE(HexList()->isVisible());
  ASSERT_EQ(HexList()->count(), 514);
  EXPECT_EQ(HexList()->item(2)->text().toStdString(),
            " 0000: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
  document.image[0] = 0x0C;
  EXPECT_EQ(HexList()->item(2)->text().toStdString().substr(7, 2), "FF");  // not refreshed
  Command("mnuOptionsHexdump");
  EXPECT_FALSE(HexList()->isVisible());
  EXPECT_EQ(HexList()->count(), 0);
  Command("mnuOptionsHexdump");
  EXPECT_EQ(HexList()->item(2)->text().toStdString().substr(7, 2), "0C");
  EXPECT_EQ(store.values.count({"Settings", "hexvisible"}), 0u);  // the tick is never stored
}

TEST_F(WindowDialogsTest, HexViewFollowsTheStoredTickOnlyInDebugMode) {
  store.Write("Settings", "hexvisible", "1");
  for (bool debug : {true, false}) {
    SCOPED_TRACE(debug);
    FreshDocument();
    ASSERT_TRUE(Start(debug));
    EXPECT_EQ(window->findChild<QAction*>("mnuOptionsHexdump")->isVisible(), debug);
    EXPECT_EQ(HexList()->isVisible(), debug);
    EXPECT_EQ(HexList()->count(), debug ? 514 : 0);
  }
}

// ---------------------------------------------------------------------------------------
// Image files
// ---------------------------------------------------------------------------------------

TEST_F(WindowDialogsTest, ImageFilesSaveAndOpenWithTheirKeysInDebugMode) {
  ASSERT_TRUE(Start(true));
  document.model.common.resumeTime = 4;
  EditDocument();
  const std::string path = dir.File("radio.hex");
  prompts.savePaths = {path};
  Key(Qt::Key_F3);
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(prompts.requests.back().filter, "Radio images (*.hex)|*.hex|All files (*)|*");
  EXPECT_EQ(prompts.requests.back().folder, dir.File("Documents"));
  // The save changes neither the path nor the caption nor the changed mark.
  EXPECT_TRUE(document.path.empty());
  EXPECT_TRUE(Changed());

  document.model.common.resumeTime = 2;
  ClickNode("Common");
  prompts.messages.answers = {MessageButton::kNo};  // unsaved edits: do not save
  prompts.openPaths = {path};
  Key(Qt::Key_F2);
  EXPECT_EQ(prompts.Texts(),
            std::vector<std::string>{"KOL data has changed.\r\nDo you want to save changes?"});
  EXPECT_EQ(document.model.common.resumeTime, 4);
  EXPECT_EQ(document.path, path);
  EXPECT_EQ(Caption(), "KOL Programmer  PC Program for LZ3300T - radio.hex");
  EXPECT_FALSE(Changed());
  EXPECT_EQ(SelectedKey(), "General");

  // A file of the wrong length leaves everything as it was.
  WriteFile("short.hex", std::string(8191, '\xFF'));
  prompts.openPaths = {dir.File("short.hex")};
  Key(Qt::Key_F2);
  EXPECT_EQ(prompts.Texts().back(), "bad file!!");
  EXPECT_EQ(document.path, path);
  EXPECT_TRUE(document.flags.cancelFlag);
}

TEST_F(WindowDialogsTest, ImageKeysDoNothingOutsideDebugMode) {
  ASSERT_TRUE(Start(false));
  prompts.openPaths = {dir.File("x.hex")};
  prompts.savePaths = {dir.File("x.hex")};
  Key(Qt::Key_F2);
  Key(Qt::Key_F3);
  EXPECT_TRUE(prompts.requests.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.hex")));
}

}  // namespace
}  // namespace kol::test
