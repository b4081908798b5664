// The document commands of the main window: start-up, New, Open (also recent files, a
// dropped file and the command line), Save, Save As, the closing question and the caption.
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QLabel>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

#include "editor/main_window.h"
#include "editor/widgets/busy_scope.h"
#include "files/dat_file.h"
#include "files/qt_settings_store.h"
#include "files/startup.h"
#include "files/text_lines.h"

namespace kol::editor {
namespace {

constexpr int kNewDelayMs = 100;
constexpr int kTwipsPerInch = 1440;

bool HasExtension(const std::string& path, std::string_view extension) {
  return EqualsIgnoringCase(std::filesystem::path(path).extension().string(), extension);
}

// The name the caption shows: the text after the last path separator, in lower case.
std::string CaptionFileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

bool MainWindow::Start(const std::string& documentPath) {
  Document& document = deps_.document;
  // The pause after a file shows the wait pointer of a command the user chose; at start-up
  // nobody waits for one, and the window should be there at once.
  const int pauseMs = std::exchange(deps_.host.pauseMs, 0);
  const StartUpResult started = StartUp(document, deps_.host);
  deps_.host.pauseMs = pauseMs;
  if (started.offeredModels.empty()) return false;  // "Unknown model!!" has been shown
  BuildModelMenu(started.offeredModels);
  port_ = ReadPortChoice(deps_.host.store);
  RebuildPortMenu(false);
  ApplyStoredOptions();
  RebuildRecentMenu();
  AfterNewDocument();
  flags_.dataChanged = false;
  RestoreGeometryFromStore();
  started_ = true;
  if (!documentPath.empty()) OpenPath(documentPath);
  return true;
}

QString MainWindow::CaptionText() const {
  const Document& document = deps_.document;
  std::string caption = std::string(kApplicationTitle) + "  " + document.profile.WindowTitle();
  if (!document.path.empty()) caption += " - " + CaptionFileName(document.path);
  return QString::fromStdString(caption);
}

void MainWindow::UpdateCaption() {
  setWindowTitle(CaptionText());
  if (statusFile_) statusFile_->setText(QString::fromStdString(deps_.document.path));
}

// Where the user's files are: beside the document, else where the last document was opened
// or saved, else the user's documents folder.
std::string MainWindow::DialogFolder() const {
  const std::string& path = deps_.document.path;
  if (!path.empty()) return std::filesystem::path(path).parent_path().string();
  const std::vector<std::string> recent = ReadRecentFiles(deps_.host.store);
  std::error_code ec;
  if (!recent.empty()) {
    const std::filesystem::path folder = std::filesystem::path(recent.front()).parent_path();
    if (std::filesystem::is_directory(folder, ec)) return folder.string();
  }
  return deps_.documentsFolder;
}

// The name Save As proposes: the document's own, else the radio's MMSI, else "untitled".
std::string MainWindow::ProposedFileName(std::string_view extension) const {
  const Document& document = deps_.document;
  std::filesystem::path name;
  if (!document.path.empty()) {
    name = std::filesystem::path(document.path).filename();
  } else if (!document.model.dscBasic.userMmsi.empty()) {
    name = document.model.dscBasic.userMmsi;
  } else {
    name = "untitled";
  }
  return name.replace_extension(extension).string();
}

bool MainWindow::AskToSaveChanges() {
  if (!flags_.dataChanged) return true;
  const MessageButton answer = deps_.prompts.Show(
      {deps_.document.profile.WindowTitle(), "KOL data has changed.\r\nDo you want to save changes?",
       MessageIcon::kQuestion, MessageButtons::kYesNoCancel, MessageButton::kYes});
  if (answer == MessageButton::kCancel) return false;
  if (answer == MessageButton::kNo) return true;
  if (!ValidateCurrentPage()) return false;
  SaveDocument(true);
  return !deps_.document.flags.errorFlag && !deps_.document.flags.cancelFlag;
}

void MainWindow::New() {
  if (!ValidateCurrentPage() || !AskToSaveChanges()) return;
  newTimer_.start(kNewDelayMs);
}

void MainWindow::RunNew() {
  newTimer_.stop();
  BusyScope busy(this);
  SelectNode(std::string(node_key::kGeneral));
  deps_.host.Pause();
  ResetDocument(deps_.document, deps_.host, true);
  AfterNewDocument();
  flags_.dataChanged = false;
}

void MainWindow::Open() {
  if (!ValidateCurrentPage() || !AskToSaveChanges()) return;
  deps_.document.flags.cancelFlag = true;
  const std::string path =
      deps_.prompts.AskOpenPath({kSettingsFileFilter, DialogFolder(), {}, "Open"}, false);
  if (path.empty()) return;
  OpenPath(path);
}

bool MainWindow::OpenPath(const std::string& path) {
  Document& document = deps_.document;
  bool opened = false;
  {
    BusyScope busy(this);
    document.flags.cancelFlag = true;
    // The file is read into a new document, so a refused file leaves this one as it was.
    Document read = document;
    opened = ReadSettingsFile(path, read, deps_.host);
    document.flags.errorFlag = read.flags.errorFlag;
    if (opened) {
      document.model = std::move(read.model);
      document.image = std::move(read.image);
      document.destination = std::move(read.destination);
      document.path = path;
      document.flags.cancelFlag = false;
      UpdateCaption();
      RememberRecentFile(path);
      RefreshAfterLoad();
      // The page of the selected node shows the file's values; a node the file's settings
      // took away gives way to General.
      ShowNodeUnchecked(currentItem_ ? SelectedNodeKey() : std::string(node_key::kGeneral));
    }
  }
  return opened;
}

bool MainWindow::Save() { return ValidateCurrentPage() && SaveDocument(true); }

bool MainWindow::SaveAs() { return ValidateCurrentPage() && SaveDocument(false); }

bool MainWindow::SaveDocument(bool keepPath) {
  Document& document = deps_.document;
  // A raw image opened as the document is never overwritten by the settings text.
  const bool reuse = keepPath && !document.path.empty() && !HasExtension(document.path, ".hex");
  std::string path = document.path;
  if (!reuse) {
    path = deps_.prompts.AskSavePath(
        {kSettingsFileFilter, DialogFolder(), ProposedFileName(".dat"), "Save As"});
  }
  document.flags.cancelFlag = true;
  if (path.empty()) return false;
  BusyScope busy(this);
  if (WriteSettingsFile(path, document, deps_.host) && !document.flags.errorFlag) {
    document.path = path;
    UpdateCaption();
    document.flags.cancelFlag = false;
    flags_.dataChanged = false;
    RememberRecentFile(path);
  }
  return !document.flags.cancelFlag;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!AskToSaveChanges()) {
    event->ignore();
    return;
  }
  // Every other window of the program closes first, the most recent first.
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
    if (*it != this && (*it)->isVisible()) (*it)->close();
  }
  if (!isMinimized()) SaveGeometryToStore();
  event->accept();
}

// ---------------------------------------------------------------------------------------
// Window geometry, in twips as the store keeps it
// ---------------------------------------------------------------------------------------

void MainWindow::SaveGeometryToStore() {
  const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
  auto twips = [dpi](int pixels) { return static_cast<int>(pixels * kTwipsPerInch / dpi + 0.5); };
  const QRect frame = frameGeometry();
  SaveMainGeometry(deps_.host.store, {twips(frame.x()), twips(frame.y()), twips(frame.width()),
                                      twips(frame.height())});
}

void MainWindow::RestoreGeometryFromStore() {
  const std::optional<WindowGeometry> stored = ReadMainGeometry(deps_.host.store);
  if (!stored) return;
  const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
  auto pixels = [dpi](int twips) { return static_cast<int>(twips * dpi / kTwipsPerInch + 0.5); };
  const QRect wanted(pixels(stored->left), pixels(stored->top), pixels(stored->width),
                     pixels(stored->height));
  // Only a place that lies wholly on one of today's screens: a screen may have gone.
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().contains(wanted)) {
      move(wanted.topLeft());
      resize(wanted.size() - (frameGeometry().size() - size()));
      return;
    }
  }
}

// ---------------------------------------------------------------------------------------
// Recent files and dropped files
// ---------------------------------------------------------------------------------------

void MainWindow::RememberRecentFile(const std::string& path) {
  const std::string absolute = std::filesystem::absolute(path).lexically_normal().string();
  SaveRecentFiles(deps_.host.store, WithRecentFile(ReadRecentFiles(deps_.host.store), absolute));
  RebuildRecentMenu();
}

void MainWindow::RebuildRecentMenu() {
  recentMenu_->clear();
  const std::vector<std::string> files = ReadRecentFiles(deps_.host.store);
  for (std::size_t i = 0; i < files.size(); ++i) {
    const QString name = QFileInfo(QString::fromStdString(files[i])).fileName();
    QAction* item = recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(name));
    item->setObjectName(QString("mnuFileRecent_%1").arg(i));
    item->setToolTip(QString::fromStdString(files[i]));
    item->setStatusTip(QString::fromStdString(files[i]));
    connect(item, &QAction::triggered, this, [this, path = files[i]] { OpenRecent(path); });
  }
  recentMenu_->setEnabled(!files.empty());
}

void MainWindow::OpenRecent(const std::string& path) {
  if (!std::filesystem::exists(path)) {
    std::vector<std::string> files = ReadRecentFiles(deps_.host.store);
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    SaveRecentFiles(deps_.host.store, files);
    RebuildRecentMenu();
    deps_.prompts.Show({deps_.document.profile.WindowTitle(),
                        "'" + path + "' no longer exists and was removed from the list.",
                        MessageIcon::kExclamation});
    return;
  }
  if (!ValidateCurrentPage() || !AskToSaveChanges()) return;
  OpenPath(path);
}

namespace {

// The one local settings file a drag carries, or empty.
QString DroppedDatFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().first();
  if (!url.isLocalFile() || !url.toLocalFile().endsWith(".dat", Qt::CaseInsensitive)) return {};
  return url.toLocalFile();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedDatFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedDatFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  if (!ValidateCurrentPage() || !AskToSaveChanges()) return;
  OpenPath(path.toStdString());
}

}  // namespace kol::editor
