// The editor window frmMain: menus, toolbar, status bar, the navigation tree and the page
// area. Pages come from the page table; document, model, destination and port commands
// live in their own files of this class.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/editor_services.h"
#include "editor/page_table.h"
#include "files/app_settings.h"
#include "link/qt_serial_port.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QSplitter;
class QStackedWidget;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace kol::editor {

class HelpWindow;
class HexView;
struct SettingPlace;

// What the window runs on besides the document.
struct WindowDeps {
  Document& document;
  FileHost& host;          // host.prompts is `prompts`; host.clock keeps the window painting
  WindowPrompts& prompts;
  // The serial ports present (the Options menu lists them).
  std::function<std::vector<PortInfo>()> listPorts;
  // The pages the window shows; the program's own table unless a test brings its own.
  std::span<const PageRow> pages = PageTable();
  // The serial port each transfer opens: the machine's own unless a test brings a
  // simulated radio. The link runs on host.clock.
  std::function<std::unique_ptr<SerialPort>()> makeSerialPort;
  // The per-user data folder: every read from the radio is kept in its "backups" folder.
  std::string userDataFolder;
};

class MainWindow : public QMainWindow, public EditorWindow {
  Q_OBJECT
 public:
  explicit MainWindow(WindowDeps deps, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The program's start-up inside the window: the model list ("Unknown model!!" ends the
  // program: false), the model, the port, a new document with the destination's defaults,
  // the tree and the General page; then `documentPath`, when given, is opened.
  bool Start(const std::string& documentPath = {});

  // EditorWindow
  void SetStatusHelp(const std::string& text) override;
  void ShowStatusNote(const std::string& text) override;
  bool SelectNode(const std::string& key) override;
  std::string SelectedNodeKey() const override;
  void SetSelectedNodeText(const std::string& text) override;
  void ReshowCurrentPage() override;
  void RebuildTree() override;
  void UpdateGroupNodeTexts() override;
  void UpdateDirectoryNodeTexts(DirectoryKind kind) override;
  bool ValidateCurrentPage() override;
  bool RunTransfer(Operation operation) override;
  void ShowHelp(int context) override;

  // Document commands (File menu, toolbar, drop, command line).
  void New();
  void Open();
  bool OpenPath(const std::string& path);
  bool Save();
  bool SaveAs();
  // The closing question when the document has unsaved edits; false when the user
  // cancelled or the save did not happen. True at once when nothing changed.
  bool AskToSaveChanges();

  EditorFlags& Flags() { return flags_; }
  EditorServices& Services() { return services_; }
  const PortChoice& Port() const { return port_; }
  // "KOL Programmer  PC Program for LZ3300T - radio.dat"
  QString CaptionText() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Building the frame.
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void BuildCentre();
  QAction* AddAction(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut, std::function<void()> run);

  // Tree and pages.
  void FillTree();
  void OnCurrentItemChanged(QTreeWidgetItem* item);
  void ShowNodePage(QTreeWidgetItem* item);
  Page* PageFor(PageKind kind);
  QTreeWidgetItem* ItemForKey(const std::string& key) const;
  // Rebuild the tree and its texts after a document was loaded.
  void RefreshAfterLoad();
  // The window after a new document replaced the old one: menus, tree, General page.
  void AfterNewDocument();
  // Selects and shows a node without the page check.
  void ShowNodeUnchecked(const std::string& key);

  // Document commands.
  void RunNew();
  bool SaveDocument(bool keepPath);
  void UpdateCaption();
  void RememberRecentFile(const std::string& path);
  void RebuildRecentMenu();
  void OpenRecent(const std::string& path);
  void SaveGeometryToStore();
  void RestoreGeometryFromStore();
  std::string DialogFolder() const;

  // Model, destination and port menus; help and About.
  void BuildModelMenu(const std::vector<int>& offeredModels);
  void ChooseModel(int modelCode);
  void RebuildDestinationMenu();
  void ChooseDestination(const std::string& name);
  void RebuildPortMenu();
  void ChoosePort(const PortChoice& choice);
  void ChooseOtherPort();
  void ShowContextHelp();
  // The help at `context`; without a help file, a message titled `title`.
  void OpenHelp(int context, const std::string& title);
  void ShowAbout();

  // The check of what the radio would get before it is programmed; false when the user
  // stops to correct the document (the page of the first finding is then shown).
  bool ConfirmProgramming();
  // Shows the page of a setting and puts the focus on its control.
  void ShowSetting(const SettingPlace& place);

  // Dialogs: the report window, printing, the PDF export, the hex view, image files.
  void BuildHexView();
  // The stored ticks of Options: the hex view (debug mode only) and the read-back check.
  void ApplyStoredOptions();
  void ShowReportWindow();
  void PrintReport();
  void PreviewReport();
  void ExportPdf();
  void ToggleHexView();
  void ToggleVerify();
  void OpenImageFile();
  void SaveImageFileAs();

  WindowDeps deps_;
  EditorFlags flags_;
  EditorServices services_;

  // Frame.
  QTreeWidget* tree_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QVBoxLayout* pageAreaLayout_ = nullptr;  // the hex view goes above the pages
  QToolBar* toolBar_ = nullptr;
  QLabel* statusHelp_ = nullptr;
  QLabel* statusFile_ = nullptr;
  QPointer<HelpWindow> helpWindow_;
  HexView* hexView_ = nullptr;

  // Menus whose items change at run time.
  QMenu* editMenu_ = nullptr;
  QMenu* modelMenu_ = nullptr;
  QMenu* destinationMenu_ = nullptr;
  QMenu* portMenu_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QActionGroup* modelGroup_ = nullptr;
  QActionGroup* destinationGroup_ = nullptr;
  QActionGroup* portGroup_ = nullptr;
  std::map<std::string, QAction*> actions_;  // by objectName

  // Tree state.
  QTreeWidgetItem* currentItem_ = nullptr;  // the node whose page is shown
  QHash<QString, QTreeWidgetItem*> itemsByKey_;
  std::map<PageKind, Page*> pages_;
  Page* currentPage_ = nullptr;

  PortChoice port_;
  QTimer newTimer_;
  bool started_ = false;
};

}  // namespace kol::editor
