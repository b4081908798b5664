#include "editor/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/page_table.h"
#include "editor/widgets/key_help.h"
#include "editor/window_icon.h"
#include "files/qt_settings_store.h"

namespace kol::editor {
namespace {

constexpr int kKeyRole = Qt::UserRole;  // a tree item's node key

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

std::string KeyOf(const QTreeWidgetItem* item) {
  return item ? item->data(0, kKeyRole).toString().toStdString() : std::string();
}

struct ToolButtonRow {
  const char* key;
  const char* tooltip;
  const char* action;  // the menu item the button runs
  QStyle::StandardPixmap icon;
  bool shown;
};

// Program2 and Read2 duplicate Program and Read; the window shows one of each.
constexpr ToolButtonRow kToolButtons[] = {
    {"New", "New", "mnuFileNew", QStyle::SP_FileIcon, true},
    {"Open", "Open...", "mnuFileOpen", QStyle::SP_DialogOpenButton, true},
    {"Save", "Save", "mnuFileSave", QStyle::SP_DialogSaveButton, true},
    {"Print", "Print", "mnuFilePrint", QStyle::SP_FileDialogDetailedView, true},
    {"Program", "Program to Radio", "mnuTransferProgram", QStyle::SP_ArrowUp, true},
    {"Program2", "Program to Radio", "mnuTransferProgram", QStyle::SP_ArrowUp, false},
    {"Read", "Read from Radio", "mnuTransferRead", QStyle::SP_ArrowDown, true},
    {"Read2", "Read from Radio", "mnuTransferRead", QStyle::SP_ArrowDown, false},
};

}  // namespace

MainWindow::MainWindow(WindowDeps deps, QWidget* parent)
    : QMainWindow(parent),
      deps_(std::move(deps)),
      services_{deps_.document, deps_.host, deps_.prompts, flags_, *this} {
  setObjectName("frmMain");
  setWindowIcon(ApplicationIcon());
  setAcceptDrops(true);
  BuildCentre();
  BuildHexView();
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  newTimer_.setSingleShot(true);
  connect(&newTimer_, &QTimer::timeout, this, &MainWindow::RunNew);
  qApp->installEventFilter(this);
  resize(960, 680);
  UpdateCaption();
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

// ---------------------------------------------------------------------------------------
// Frame
// ---------------------------------------------------------------------------------------

QAction* MainWindow::AddAction(QMenu* menu, const char* name, const QString& caption,
                               const QKeySequence& shortcut, std::function<void()> run) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  if (menu) menu->addAction(action);
  actions_[name] = action;
  return action;
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("mnuFile");
  AddAction(file, "mnuFileNew", "&New", QKeySequence::New, [this] { New(); });
  AddAction(file, "mnuFileOpen", "&Open", QKeySequence::Open, [this] { Open(); });
  recentMenu_ = file->addMenu("Open &Recent");
  recentMenu_->setObjectName("mnuFileRecent");
  file->addSeparator();
  AddAction(file, "mnuFileSave", "&Save", QKeySequence::Save, [this] { Save(); });
  AddAction(file, "mnuFileSaveAs", "Save &As...", QKeySequence("Ctrl+Shift+S"), [this] { SaveAs(); });
  file->addSeparator();
  AddAction(file, "mnuFilePrint", "&Print", QKeySequence::Print, [this] { PrintReport(); });
  AddAction(file, "mnuFilePrintPreview", "Print Pre&view...", {}, [this] { PreviewReport(); });
  AddAction(file, "mnuFilePrintToFile", "P&rint to File", {}, [this] { ShowReportWindow(); });
  AddAction(file, "mnuFileExportPdf", "Export P&DF...", {}, [this] { ExportPdf(); });
  file->addSeparator();
  AddAction(file, "mnuFileExit", "E&xit", QKeySequence::Quit, [this] { close(); });

  editMenu_ = menuBar()->addMenu("&Edit");
  editMenu_->setObjectName("mnuEdit");
  modelMenu_ = editMenu_->addMenu("&Model");
  modelMenu_->setObjectName("mnuEditModel");
  modelGroup_ = new QActionGroup(this);

  QMenu* transfer = menuBar()->addMenu("&Transfer");
  transfer->setObjectName("mnuTransfer");
  AddAction(transfer, "mnuTransferProgram", "&Program to Radio", {},
            [this] { RunTransfer(Operation::kProgram); });
  AddAction(transfer, "mnuTransferRead", "&Read from Radio", {},
            [this] { RunTransfer(Operation::kRead); });

  destinationMenu_ = menuBar()->addMenu("&Destination");
  destinationMenu_->setObjectName("mnuDestination");
  destinationGroup_ = new QActionGroup(this);

  QMenu* options = menuBar()->addMenu("&Options");
  options->setObjectName("mnuOptions");
  portMenu_ = options->addMenu("&SerialPort");
  portMenu_->setObjectName("mnuOptionsSerialPort");
  portGroup_ = new QActionGroup(this);
  connect(portMenu_, &QMenu::aboutToShow, this, &MainWindow::RebuildPortMenu);
  QAction* verify = AddAction(options, "mnuOptionsVerify", "&Verify after Programming", {},
                              [this] { ToggleVerify(); });
  verify->setCheckable(true);
  verify->setChecked(true);
  QAction* hexdump = AddAction(options, "mnuOptionsHexdump", "Hexdump", {}, [this] { ToggleHexView(); });
  hexdump->setCheckable(true);
  hexdump->setVisible(false);
  // The image files of debug mode have keys of their own and no menu item.
  addAction(AddAction(nullptr, "keyOpenImage", "Open Image", QKeySequence(Qt::CTRL | Qt::Key_F2),
                      [this] { OpenImageFile(); }));
  addAction(AddAction(nullptr, "keySaveImage", "Save Image", QKeySequence(Qt::CTRL | Qt::Key_F3),
                      [this] { SaveImageFileAs(); }));

  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("mnuHelp");
  AddAction(help, "mnuHelpContents", "&Contents", QKeySequence::HelpContents,
            [this] { ShowContextHelp(); });
  help->addSeparator();
  AddAction(help, "mnuHelpAbout", "&About KOL Version", {}, [this] { ShowAbout(); });
}

void MainWindow::BuildToolBar() {
  toolBar_ = addToolBar("Toolbar");
  toolBar_->setObjectName("tbToolBar");
  toolBar_->setMovable(false);
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  for (const ToolButtonRow& row : kToolButtons) {
    QAction* menuItem = actions_.at(row.action);
    // A button runs its menu item only while that item is enabled, and looks it.
    auto* button = new QAction(style()->standardIcon(row.icon), row.tooltip, toolBar_);
    button->setToolTip(row.tooltip);
    button->setIconText(QString(row.tooltip).remove("..."));
    button->setEnabled(menuItem->isEnabled());
    connect(menuItem, &QAction::changed, button, [button, menuItem] { button->setEnabled(menuItem->isEnabled()); });
    connect(button, &QAction::triggered, menuItem, [menuItem] {
      if (menuItem->isEnabled()) menuItem->trigger();
    });
    toolBar_->addAction(button);
    QWidget* widget = toolBar_->widgetForAction(button);
    widget->setObjectName(row.key);
    button->setVisible(row.shown);
    if (QString(row.key) == "Save" || QString(row.key) == "Print") toolBar_->addSeparator();
  }
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
}

void MainWindow::BuildCentre() {
  tree_ = new QTreeWidget(this);
  tree_->setObjectName("tvTreeView");
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setUniformRowHeights(true);
  tree_->setMinimumWidth(180);
  tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tree_->header()->setStretchLastSection(false);
  SetKeyHelp(*tree_, key_help::kTree);
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { OnCurrentItemChanged(item); });
  connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    const std::string key = KeyOf(item);
    if (key == node_key::kIndividualDirectory) UpdateDirectoryNodeTexts(DirectoryKind::kIndividual);
    if (key == node_key::kGroupDirectory) UpdateDirectoryNodeTexts(DirectoryKind::kGroup);
  });

  auto* pageArea = new QWidget(this);
  pageArea->setObjectName("pictPageArea");
  pageAreaLayout_ = new QVBoxLayout(pageArea);
  pageAreaLayout_->setContentsMargins(0, 0, 0, 0);
  stack_ = new QStackedWidget(pageArea);
  stack_->setObjectName("pageStack");
  pageAreaLayout_->addWidget(stack_);

  splitter_ = new QSplitter(Qt::Horizontal, this);
  splitter_->setObjectName("imgSplitter");
  splitter_->setChildrenCollapsible(false);
  splitter_->addWidget(tree_);
  splitter_->addWidget(pageArea);
  splitter_->setStretchFactor(0, 0);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({240, 720});
  setCentralWidget(splitter_);
}

void MainWindow::SetStatusHelp(const std::string& text) { statusHelp_->setText(ToQt(text)); }

void MainWindow::ShowStatusNote(const std::string& text) {
  constexpr int kNoteMs = 10000;  // long enough to read, gone before it misleads
  statusBar()->showMessage(ToQt(text), kNoteMs);
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
  if (event->type() == QEvent::WindowStateChange && !isMinimized() && tree_ &&
      tree_->currentItem() && tree_->currentItem() != currentItem_) {
    OnCurrentItemChanged(tree_->currentItem());
  }
}

// ---------------------------------------------------------------------------------------
// Tree and pages
// ---------------------------------------------------------------------------------------

void MainWindow::FillTree() {
  QSet<QString> expanded;
  for (auto it = itemsByKey_.cbegin(); it != itemsByKey_.cend(); ++it) {
    if (it.value()->isExpanded()) expanded.insert(it.key());
  }
  const std::string shownKey = KeyOf(currentItem_);
  const QSignalBlocker quiet(tree_);
  tree_->setUpdatesEnabled(false);
  tree_->clear();
  itemsByKey_.clear();
  currentItem_ = nullptr;
  std::function<void(const TreeNode&, QTreeWidgetItem*)> add = [&](const TreeNode& node,
                                                                   QTreeWidgetItem* parent) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    const QString key = ToQt(node.key);
    item->setText(0, ToQt(node.text));
    item->setData(0, kKeyRole, key);
    if (!itemsByKey_.contains(key)) itemsByKey_.insert(key, item);
    for (const TreeNode& child : node.children) add(child, item);
    if (expanded.contains(key) || (!parent && expanded.isEmpty())) item->setExpanded(true);
  };
  for (const TreeNode& root : BuildTreeNodes(deps_.document)) add(root, nullptr);
  // The page that is shown keeps its node selected when the node still exists.
  if (QTreeWidgetItem* shown = ItemForKey(shownKey)) {
    tree_->setCurrentItem(shown);
    currentItem_ = shown;
  }
  tree_->setUpdatesEnabled(true);
}

QTreeWidgetItem* MainWindow::ItemForKey(const std::string& key) const {
  return key.empty() ? nullptr : itemsByKey_.value(ToQt(key), nullptr);
}

void MainWindow::RebuildTree() {
  FillTree();
  UpdateGroupNodeTexts();
}

void MainWindow::UpdateGroupNodeTexts() {
  for (std::string_view key : {node_key::kPlanGroups[0], node_key::kPlanGroups[1],
                               node_key::kPlanGroups[2], node_key::kExpChannel}) {
    if (QTreeWidgetItem* item = ItemForKey(std::string(key))) {
      item->setText(0, ToQt(GroupNodeText(item->text(0).toStdString(),
                                          GroupNodeStatusName(deps_.document, key))));
    }
  }
}

void MainWindow::UpdateDirectoryNodeTexts(DirectoryKind kind) {
  const bool individual = kind == DirectoryKind::kIndividual;
  QTreeWidgetItem* directory = ItemForKey(
      std::string(individual ? node_key::kIndividualDirectory : node_key::kGroupDirectory));
  if (!directory) return;
  const SettingsModel& model = deps_.document.model;
  for (int i = 0; i < directory->childCount(); ++i) {
    const bool enabled =
        individual ? model.individualDirectory[static_cast<std::size_t>(i)].enable
                   : (i < kGroupDirectorySize && model.groupDirectory[static_cast<std::size_t>(i)].enable);
    QTreeWidgetItem* child = directory->child(i);
    child->setText(0, ToQt(EnableSuffixedText(child->text(0).toStdString(), enabled)));
  }
}

void MainWindow::RefreshAfterLoad() {
  RebuildTree();
  UpdateDirectoryNodeTexts(DirectoryKind::kIndividual);
}

std::string MainWindow::SelectedNodeKey() const { return KeyOf(tree_->currentItem()); }

void MainWindow::SetSelectedNodeText(const std::string& text) {
  if (QTreeWidgetItem* item = tree_->currentItem()) item->setText(0, ToQt(text));
}

bool MainWindow::SelectNode(const std::string& key) {
  QTreeWidgetItem* item = ItemForKey(key);
  if (!item) return false;
  if (tree_->currentItem() == item) {
    OnCurrentItemChanged(item);  // a node click on the shown node does nothing more
  } else {
    tree_->setCurrentItem(item);  // runs the node click
  }
  return currentItem_ == item;
}

void MainWindow::OnCurrentItemChanged(QTreeWidgetItem* item) {
  SetStatusHelp(key_help::kTree);
  if (!item || item == currentItem_ || isMinimized()) return;
  if (currentItem_ && !ValidateCurrentPage()) {
    // The page that is still shown keeps its node selected.
    const QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(currentItem_);
    return;
  }
  currentItem_ = item;
  ShowNodePage(item);
}

Page* MainWindow::PageFor(PageKind kind) {
  if (const auto found = pages_.find(kind); found != pages_.end()) return found->second;
  for (const PageRow& row : deps_.pages) {
    if (std::find(row.kinds.begin(), row.kinds.end(), kind) == row.kinds.end()) continue;
    Page* page = row.make(services_, stack_);
    page->setObjectName(row.panel);
    stack_->addWidget(page);
    for (PageKind shared : row.kinds) pages_[shared] = page;
    return page;
  }
  return kind == PageKind::kGrey ? nullptr : PageFor(PageKind::kGrey);
}

void MainWindow::ShowNodePage(QTreeWidgetItem* item) {
  if (!item || isMinimized()) return;
  // A page's fill only shows the document: the data-changed flag stays as it is.
  AppFlags& appFlags = deps_.document.flags;
  appFlags.cancelFlag = true;
  const NodeTarget target = ResolveNode(KeyOf(item), KeyOf(item->parent()));
  if (Page* page = PageFor(target.kind)) {
    stack_->setCurrentWidget(page);
    currentPage_ = page;
    page->ShowFor(target);
  }
  SetStatusHelp(key_help::kTree);
  appFlags.cancelFlag = false;
}

void MainWindow::ReshowCurrentPage() {
  UpdateLockScope lock(deps_.document.flags);
  ShowNodePage(tree_->currentItem());
}

bool MainWindow::ValidateCurrentPage() { return !currentPage_ || currentPage_->Validate(); }

void MainWindow::ShowNodeUnchecked(const std::string& key) {
  QTreeWidgetItem* item = ItemForKey(key);
  if (!item) return;
  {
    const QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(item);
  }
  currentItem_ = item;
  ShowNodePage(item);
}

void MainWindow::AfterNewDocument() {
  RebuildDestinationMenu();
  RefreshAfterLoad();
  // The old page showed a document that is gone: nothing on it is left to check.
  ShowNodeUnchecked(std::string(node_key::kGeneral));
  UpdateCaption();
}

}  // namespace kol::editor
