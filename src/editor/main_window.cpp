#include "editor/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTime>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <filesystem>

#include "editor/dialogs/about_dialog.h"
#include "editor/dialogs/help_window.h"
#include "editor/dialogs/hex_view.h"
#include "editor/widgets/key_help.h"
#include "editor/widgets/read_banner.h"
#include "editor/window_menus.h"
#include "files/app_settings.h"
#include "files/data_folders.h"
#include "model/field_limits.h"

namespace kol::editor {
namespace {

constexpr int kContentsContext = 1001;
constexpr int kTwipsPerInch = 1440;

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// The one local settings file a drag carries, or empty.
QString DroppedDatFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().first();
  if (!url.isLocalFile() || !url.toLocalFile().endsWith(".dat", Qt::CaseInsensitive)) return {};
  return url.toLocalFile();
}

}  // namespace

MainWindow::MainWindow(WindowDeps deps, QWidget* parent)
    : QMainWindow(parent),
      deps_(std::move(deps)),
      controller_(deps_.document, deps_.host, deps_.prompts, *this, deps_.documentsFolder),
      lists_(controller_, deps_.prompts),
      services_{controller_, deps_.prompts, *this, lists_},
      navigator_(controller_, services_, deps_.nodes, this),
      transfers_(deps_, controller_, navigator_,
                 [this](int context, const std::string& title) { OpenHelp(context, title); }, *this),
      report_(controller_, deps_.host, deps_.prompts, *this) {
  setObjectName("frmMain");
  setAcceptDrops(true);
  controller_.SetPageCheck([this] { return navigator_.ValidateCurrentPage(); });
  BuildCentre();
  menus_ = new WindowMenus(*this, deps_, controller_, lists_, transfers_, report_,
                           {[this] { close(); }, [this](bool shown) { ShowHexView(shown); },
                            [this] { ShowContextHelp(); }, [this] { ShowAbout(); }});
  BuildStatusBar();
  connect(&controller_, &DocumentController::PathChanged, this, &MainWindow::UpdateCaption);
  // The caption's "*" while the document holds unsaved edits.
  connect(&controller_, &DocumentController::DataChangedChanged, this, &QWidget::setWindowModified);
  // The read's banner stays until another document replaces the one read.
  connect(&controller_, &DocumentController::Reloaded, readBanner_, [this](Reload how) {
    if (how != Reload::kShownPage) readBanner_->hide();
  });
  connect(&transfers_, &TransferRunner::ReadFromRadio, this, &MainWindow::ShowReadBanner);
  connect(readBanner_, &ReadBanner::OpenFolder, this,
          [this](const QString& folder) { deps_.prompts.OpenFolder(folder.toStdString()); });
  qApp->installEventFilter(this);
  resize(960, 680);
  UpdateCaption();
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

bool MainWindow::Start(const std::string& documentPath) {
  const StartUpResult started = controller_.Start();
  if (started.offeredModels.empty()) return false;  // "Unknown model!!" has been shown
  menus_->BuildModelMenu(started.offeredModels);
  transfers_.ReadStoredOptions();
  menus_->ShowStoredOptions();
  ApplyStoredHexView();
  RestoreGeometryFromStore();
  if (!documentPath.empty()) controller_.OpenPath(documentPath);
  return true;
}

// ---------------------------------------------------------------------------------------
// Frame
// ---------------------------------------------------------------------------------------

void MainWindow::BuildCentre() {
  auto* pageArea = new QWidget(this);
  pageArea->setObjectName("pictPageArea");
  auto* pageAreaLayout = new QVBoxLayout(pageArea);  // the bars and the hex view above the pages
  pageAreaLayout->setContentsMargins(0, 0, 0, 0);
  readBanner_ = new ReadBanner(pageArea);
  pageAreaLayout->addWidget(readBanner_);
  hexView_ = new HexView(pageArea);
  hexView_->hide();
  pageAreaLayout->addWidget(hexView_);
  pageAreaLayout->addWidget(navigator_.Stack());

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setObjectName("imgSplitter");
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(navigator_.Tree());
  splitter->addWidget(pageArea);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({240, 720});
  setCentralWidget(splitter);
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("sbStatusBar");
  statusHelp_ = new QLabel(this);
  statusHelp_->setObjectName("sbStatusBar_0");
  statusHelp_->setMinimumWidth(200);
  statusFile_ = new QLabel(this);
  statusFile_->setObjectName("sbStatusBar_1");
  statusFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  bar->addWidget(statusHelp_, 3);
  bar->addWidget(statusFile_, 2);
  connect(&navigator_, &Navigator::StatusHelp, statusHelp_, &QLabel::setText);
}

void MainWindow::ShowStatusNote(const std::string& text) {
  constexpr int kNoteMs = 10000;  // long enough to read, gone before it misleads
  statusBar()->showMessage(ToQt(text), kNoteMs);
}

void MainWindow::UpdateCaption() {
  setWindowTitle(controller_.CaptionText() + "[*]");
  statusFile_->setText(ToQt(controller_.Doc().path));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // Key help: whatever control of this window takes the focus shows its own.
  if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() == this) {
      const QString help = KeyHelpOf(*widget);
      if (!help.isNull()) statusHelp_->setText(help);
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // A page switch made while minimised is shown once the window is back.
  if (event->type() == QEvent::WindowStateChange && !isMinimized()) navigator_.ShowPendingNode();
}

// ---------------------------------------------------------------------------------------
// Closing, dropped files, the window's place
// ---------------------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!controller_.AskToSaveChanges()) {
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

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedDatFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedDatFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  controller_.OpenFile(path.toStdString());
}

// In twips, as the store keeps it.
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

void MainWindow::ShowReadBanner(const QString& backup) {
  const std::string& mmsi = controller_.Doc().model.dscBasic.userMmsi;
  readBanner_->ShowRead(ToQt(mmsi.substr(0, field_limits::kUserMmsiTyped)),
                        QTime::currentTime().toString("HH:mm"), backup);
}

// ---------------------------------------------------------------------------------------
// Hex view
// ---------------------------------------------------------------------------------------

void MainWindow::ApplyStoredHexView() {
  QAction* hexdump = menus_->Action("mnuOptionsHexdump");
  const bool debug = controller_.Doc().flags.debugMode;
  hexdump->setVisible(debug);
  hexdump->setChecked(ReadFlagSetting(deps_.host.store, kHexVisibleSetting).value_or(false));
  // Outside debug mode there is no way to switch the view off, so it never shows there.
  ShowHexView(debug && hexdump->isChecked());
}

void MainWindow::ShowHexView(bool shown) {
  hexView_->setVisible(shown);
  hexView_->Fill(controller_.Doc().image);
}

// ---------------------------------------------------------------------------------------
// Help and About
// ---------------------------------------------------------------------------------------

void MainWindow::ShowContextHelp() {
  const QWidget* focused = QApplication::focusWidget();
  const int context = focused ? HelpContextOf(*focused) : 0;
  ShowHelp(context > 0 ? context : kContentsContext);
}

void MainWindow::ShowHelp(int context) { OpenHelp(context, controller_.Doc().profile.WindowTitle()); }

void MainWindow::OpenHelp(int context, const std::string& title) {
  const ModelProfile& profile = controller_.Doc().profile;
  const std::string path = DataFilePath(profile.programFolder, HelpFileName(profile.atis));
  if (!std::filesystem::is_regular_file(path)) {
    deps_.prompts.Show({title,
                        "Unable to display Help Contents. There is no Help associated with this "
                        "project.",
                        MessageIcon::kInformation});
    return;
  }
  // A modal dialog (the transfer dialog) blocks every other window of the program but its
  // own children: the help asked for from there opens as one of them.
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = this;
  if (helpWindow_ && helpWindow_->parentWidget() != owner) delete helpWindow_;
  if (!helpWindow_) helpWindow_ = new HelpWindow(owner);
  helpWindow_->Open(ToQt(path), context);
}

void MainWindow::ShowAbout() {
  AboutDialog about(controller_.Doc().profile.WindowTitle(), deps_.prompts, deps_.listPorts, this);
  about.exec();
}

}  // namespace kol::editor
