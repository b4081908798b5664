// The editor window frmMain: the frame that holds the tree and the pages (the navigator),
// the menus and toolbar, the status bar and the hex view, and wires them to the document
// controller, the transfer runner and the report commands. Its own jobs are the window's:
// start-up, closing, dropped files, the window's place, help and About.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <string>

#include "editor/document_controller.h"
#include "editor/editor_services.h"
#include "editor/list_commands.h"
#include "editor/navigator.h"
#include "editor/report_commands.h"
#include "editor/transfer_runner.h"
#include "editor/window_deps.h"

class QLabel;

namespace kol::editor {

class HelpWindow;
class HexView;
class ReadBanner;
class WindowMenus;

class MainWindow : public QMainWindow, public EditorWindow {
  Q_OBJECT
 public:
  explicit MainWindow(WindowDeps deps, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The program's start-up inside the window: the model list ("Unknown model!!" ends the
  // program: false), the model, the port, a new document with the destination's defaults,
  // the tree and the General page; then `documentPath`, when given, is opened.
  bool Start(const std::string& documentPath = {});

  DocumentController& Controller() { return controller_; }
  Navigator& Navigation() { return navigator_; }
  TransferRunner& Transfers() { return transfers_; }

  // EditorWindow
  bool SelectNode(const std::string& key) override { return navigator_.SelectNode(key); }
  bool RunTransfer(Operation operation) override { return transfers_.Run(operation); }
  void ShowStatusNote(const std::string& text) override;

  // Opens the help at a context number (1001 contents, 1012 transfer, 2401-2403 channel fields).
  void ShowHelp(int context);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildCentre();
  void BuildStatusBar();
  // The stored tick of the hex view (debug mode only).
  void ApplyStoredHexView();
  void ShowHexView(bool shown);
  // The caption, with Qt's mark of unsaved edits ("[*]", shown as "*").
  void UpdateCaption();
  // After a read: where the document came from and where the radio's memory is kept.
  void ShowReadBanner(const QString& backup);
  void SaveGeometryToStore();
  void RestoreGeometryFromStore();
  void ShowContextHelp();
  // The help at `context`; without a help file, a message titled `title`.
  void OpenHelp(int context, const std::string& title);
  void ShowAbout();

  WindowDeps deps_;
  DocumentController controller_;
  ListCommands lists_;
  EditorServices services_;
  Navigator navigator_;
  TransferRunner transfers_;
  ReportCommands report_;
  WindowMenus* menus_ = nullptr;

  QLabel* statusHelp_ = nullptr;
  QLabel* statusFile_ = nullptr;
  QPointer<HelpWindow> helpWindow_;
  HexView* hexView_ = nullptr;
  ReadBanner* readBanner_ = nullptr;
};

}  // namespace kol::editor
