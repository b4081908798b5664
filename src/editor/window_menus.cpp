#include "editor/window_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

#include "editor/document_controller.h"
#include "editor/list_commands.h"
#include "editor/report_commands.h"
#include "editor/transfer_runner.h"
#include "editor/window_icon.h"
#include "files/destinations.h"
#include "files/text_lines.h"
#include "model/formatters.h"

namespace kol::editor {
namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

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
    {"Undo", "Undo", "mnuEditUndo", QStyle::SP_ArrowBack, true},
    {"Redo", "Redo", "mnuEditRedo", QStyle::SP_ArrowForward, true},
    {"Print", "Print", "mnuFilePrint", QStyle::SP_FileDialogDetailedView, true},
    {"Program", "Program to Radio", "mnuTransferProgram", QStyle::SP_ArrowUp, true},
    {"Program2", "Program to Radio", "mnuTransferProgram", QStyle::SP_ArrowUp, false},
    {"Read", "Read from Radio", "mnuTransferRead", QStyle::SP_ArrowDown, true},
    {"Read2", "Read from Radio", "mnuTransferRead", QStyle::SP_ArrowDown, false},
};

}  // namespace

WindowMenus::WindowMenus(QMainWindow& frame, const WindowDeps& deps, DocumentController& controller,
                         ListCommands& lists, TransferRunner& transfers, ReportCommands& report,
                         FrameCommands commands)
    : QObject(&frame),
      frame_(frame),
      deps_(deps),
      controller_(controller),
      lists_(lists),
      transfers_(transfers),
      report_(report),
      commands_(std::move(commands)) {
  BuildMenus();
  BuildToolBar();
  connect(&controller_, &DocumentController::RecentFilesChanged, this, &WindowMenus::RebuildRecentMenu);
  connect(&controller_, &DocumentController::Reloaded, this, [this](Reload how) {
    if (how != Reload::kShownPage) RebuildDestinationMenu();
  });
  connect(&controller_, &DocumentController::HistoryChanged, this, &WindowMenus::UpdateEditItems);
  connect(&lists_, &ListCommands::OfferChanged, this, &WindowMenus::UpdateEditItems);
  RebuildRecentMenu();
  UpdateEditItems();
  qApp->installEventFilter(this);
}

bool WindowMenus::eventFilter(QObject* watched, QEvent* event) {
  // A text field takes the Undo and Redo keys for its own typing even when it has none to
  // take back, which would leave the keys dead on every page of fields. With nothing of
  // its own to take back or make again, the keys are the document's, as everywhere else.
  if (event->type() != QEvent::ShortcutOverride) return false;
  const auto* field = qobject_cast<const QLineEdit*>(watched);
  if (!field || field->window() != &frame_) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return (key->matches(QKeySequence::Undo) && !field->isUndoAvailable()) ||
         (key->matches(QKeySequence::Redo) && !field->isRedoAvailable());
}

QAction* WindowMenus::AddAction(QMenu* menu, const char* name, const QString& caption,
                                const QKeySequence& shortcut, std::function<void()> run) {
  auto* action = new QAction(caption, &frame_);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  if (menu) menu->addAction(action);
  actions_[name] = action;
  return action;
}

void WindowMenus::BuildMenus() {
  QMenuBar* bar = frame_.menuBar();
  DocumentController& document = controller_;
  QMenu* file = bar->addMenu("&File");
  file->setObjectName("mnuFile");
  AddAction(file, "mnuFileNew", "&New", QKeySequence::New, [&document] { document.New(); });
  AddAction(file, "mnuFileOpen", "&Open", QKeySequence::Open, [&document] { document.Open(); });
  recentMenu_ = file->addMenu("Open &Recent");
  recentMenu_->setObjectName("mnuFileRecent");
  file->addSeparator();
  AddAction(file, "mnuFileSave", "&Save", QKeySequence::Save, [&document] { document.Save(); });
  AddAction(file, "mnuFileSaveAs", "Save &As...", QKeySequence("Ctrl+Shift+S"),
            [&document] { document.SaveAs(); });
  file->addSeparator();
  BuildListFileMenus(file);
  file->addSeparator();
  AddAction(file, "mnuFilePrint", "&Print", QKeySequence::Print, [this] { report_.Print(); });
  AddAction(file, "mnuFilePrintPreview", "Print Pre&view...", {}, [this] { report_.Preview(); });
  AddAction(file, "mnuFilePrintToFile", "P&rint to File", {}, [this] { report_.ShowReportWindow(); });
  AddAction(file, "mnuFileExportPdf", "Export P&DF...", {}, [this] { report_.ExportPdf(); });
  file->addSeparator();
  AddAction(file, "mnuFileExit", "E&xit", QKeySequence::Quit, [this] { commands_.exit(); });

  editMenu_ = bar->addMenu("&Edit");
  editMenu_->setObjectName("mnuEdit");
  BuildEditMenu(editMenu_);

  QMenu* transfer = bar->addMenu("&Transfer");
  transfer->setObjectName("mnuTransfer");
  AddAction(transfer, "mnuTransferProgram", "&Program to Radio", {},
            [this] { transfers_.Run(Operation::kProgram); });
  AddAction(transfer, "mnuTransferRead", "&Read from Radio", {}, [this] { transfers_.Run(Operation::kRead); });
  transfer->addSeparator();
  AddAction(transfer, "mnuTransferCompare", "&Compare with Radio...", {}, [this] { transfers_.Compare(); });

  destinationMenu_ = bar->addMenu("&Destination");
  destinationMenu_->setObjectName("mnuDestination");
  destinationGroup_ = new QActionGroup(this);

  QMenu* options = bar->addMenu("&Options");
  options->setObjectName("mnuOptions");
  portMenu_ = options->addMenu("&SerialPort");
  portMenu_->setObjectName("mnuOptionsSerialPort");
  portGroup_ = new QActionGroup(this);
  connect(portMenu_, &QMenu::aboutToShow, this, [this] { RebuildPortMenu(); });
  QAction* verify = AddAction(options, "mnuOptionsVerify", "&Verify after Programming", {},
                              [this] { transfers_.SetVerify(Action("mnuOptionsVerify")->isChecked()); });
  verify->setCheckable(true);
  verify->setChecked(true);
  QAction* hexdump = AddAction(options, "mnuOptionsHexdump", "Hexdump", {},
                               [this] { commands_.showHexView(Action("mnuOptionsHexdump")->isChecked()); });
  hexdump->setCheckable(true);
  hexdump->setVisible(false);
  // The image files of debug mode have keys of their own and no menu item.
  frame_.addAction(AddAction(nullptr, "keyOpenImage", "Open Image", QKeySequence(Qt::CTRL | Qt::Key_F2),
                             [&document] { document.OpenImage(); }));
  frame_.addAction(AddAction(nullptr, "keySaveImage", "Save Image", QKeySequence(Qt::CTRL | Qt::Key_F3),
                             [&document] { document.SaveImage(); }));

  QMenu* help = bar->addMenu("&Help");
  help->setObjectName("mnuHelp");
  AddAction(help, "mnuHelpContents", "&Contents", QKeySequence::HelpContents,
            [this] { commands_.helpContents(); });
  help->addSeparator();
  AddAction(help, "mnuHelpAbout", "&About KOL Version", {}, [this] { commands_.about(); });
}

void WindowMenus::BuildEditMenu(QMenu* edit) {
  DocumentController& document = controller_;
  AddAction(edit, "mnuEditUndo", "&Undo", QKeySequence::Undo, [&document] { document.Undo(); });
  QAction* redo = AddAction(edit, "mnuEditRedo", "&Redo", {}, [&document] { document.Redo(); });
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit->addSeparator();
  ListCommands& lists = lists_;
  AddAction(edit, "mnuEditCut", "Cu&t", QKeySequence::Cut, [&lists] { lists.CutFocused(); });
  AddAction(edit, "mnuEditCopy", "&Copy", QKeySequence::Copy, [&lists] { lists.CopyFocused(); });
  AddAction(edit, "mnuEditPaste", "&Paste", QKeySequence::Paste, [&lists] { lists.PasteFocused(); });
  modelSeparator_ = edit->addSeparator();
  modelMenu_ = edit->addMenu("&Model");
  modelMenu_->setObjectName("mnuEditModel");
  modelGroup_ = new QActionGroup(this);
}

void WindowMenus::BuildListFileMenus(QMenu* file) {
  struct ListItem {
    const char* name;  // of the item under mnuFileImport / mnuFileExport
    const char* caption;
    ListId list;
  };
  static const ListItem kLists[] = {
      {"Individual", "&Individual Directory...", {ListKind::kIndividualDirectory}},
      {"Group", "&Group Directory...", {ListKind::kGroupDirectory}},
      {"Exp", "&EXP Channels...", {ListKind::kExpChannels}},
  };
  QMenu* import = file->addMenu("&Import");
  import->setObjectName("mnuFileImport");
  QMenu* exportMenu = file->addMenu("Ex&port");
  exportMenu->setObjectName("mnuFileExport");
  for (const ListItem& item : kLists) {
    const std::string importName = std::string("mnuFileImport") + item.name;
    const std::string exportName = std::string("mnuFileExport") + item.name;
    AddAction(import, importName.c_str(), item.caption, {}, [this, list = item.list] { controller_.ImportList(list); });
    AddAction(exportMenu, exportName.c_str(), item.caption, {},
              [this, list = item.list] { controller_.ExportList(list); });
  }
}

void WindowMenus::UpdateEditItems() {
  // A step's name holds no access key: its "&" is shown as it is.
  auto named = [](const char* verb, const EditStep* step) {
    QString text = verb;
    if (step && !step->name.empty()) text += " " + ToQt(step->name).replace("&", "&&");
    return text;
  };
  QAction* undo = actions_.at("mnuEditUndo");
  undo->setText(named("&Undo", controller_.UndoStep()));
  undo->setEnabled(controller_.UndoStep() != nullptr);
  QAction* redo = actions_.at("mnuEditRedo");
  redo->setText(named("&Redo", controller_.RedoStep()));
  redo->setEnabled(controller_.RedoStep() != nullptr);
  const ListCommands::Offer offer = lists_.OfferForFocus();
  actions_.at("mnuEditCut")->setEnabled(offer.cut);
  actions_.at("mnuEditCopy")->setEnabled(offer.copy);
  actions_.at("mnuEditPaste")->setEnabled(offer.paste);
}

void WindowMenus::BuildToolBar() {
  QToolBar* toolBar = frame_.addToolBar("Toolbar");
  toolBar->setObjectName("tbToolBar");
  toolBar->setMovable(false);
  toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  for (const ToolButtonRow& row : kToolButtons) {
    QAction* menuItem = actions_.at(row.action);
    // A button runs its menu item only while that item is enabled, and looks it.
    auto* button = new QAction(StyleIcon(row.icon), row.tooltip, toolBar);
    button->setToolTip(row.tooltip);
    button->setIconText(QString(row.tooltip).remove("..."));
    button->setEnabled(menuItem->isEnabled());
    connect(menuItem, &QAction::changed, button, [button, menuItem] { button->setEnabled(menuItem->isEnabled()); });
    connect(button, &QAction::triggered, menuItem, [menuItem] {
      if (menuItem->isEnabled()) menuItem->trigger();
    });
    toolBar->addAction(button);
    QWidget* widget = toolBar->widgetForAction(button);
    widget->setObjectName(row.key);
    button->setVisible(row.shown);
    if (QString(row.key) == "Save" || QString(row.key) == "Redo" || QString(row.key) == "Print") {
      toolBar->addSeparator();
    }
  }
}

void WindowMenus::ShowStoredOptions() {
  actions_.at("mnuOptionsVerify")->setChecked(transfers_.Verify());
  RebuildPortMenu(false);
}

// ---------------------------------------------------------------------------------------
// Recent files
// ---------------------------------------------------------------------------------------

void WindowMenus::RebuildRecentMenu() {
  recentMenu_->clear();
  const std::vector<std::string> files = controller_.RecentFiles();
  for (std::size_t i = 0; i < files.size(); ++i) {
    const QString name = QFileInfo(ToQt(files[i])).fileName();
    QAction* item = recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(name));
    item->setObjectName(QString("mnuFileRecent_%1").arg(i));
    item->setToolTip(ToQt(files[i]));
    item->setStatusTip(ToQt(files[i]));
    connect(item, &QAction::triggered, this, [this, path = files[i]] { controller_.OpenRecent(path); });
  }
  recentMenu_->setEnabled(!files.empty());
}

// ---------------------------------------------------------------------------------------
// Model type and destination
// ---------------------------------------------------------------------------------------

void WindowMenus::BuildModelMenu(const std::vector<int>& offeredModels) {
  modelMenu_->clear();
  for (int code : offeredModels) {
    QAction* item = modelMenu_->addAction(ToQt(ModelNameFor(code)));
    item->setObjectName(QString("mnuEditModelType_%1").arg(code));
    item->setCheckable(true);
    item->setData(code);
    modelGroup_->addAction(item);
    connect(item, &QAction::triggered, this, [this, code] {
      controller_.ChangeModel(code);
      TickModelAndDestination();
    });
  }
  TickModelAndDestination();
  // With a single model there is nothing to choose.
  modelSeparator_->setVisible(offeredModels.size() >= 2);
  modelMenu_->menuAction()->setVisible(offeredModels.size() >= 2);
}

void WindowMenus::RebuildDestinationMenu() {
  const std::vector<std::string> names = ListDestinations(controller_.Doc().profile);
  std::vector<std::string> listed;
  for (const QAction* item : destinationGroup_->actions()) listed.push_back(item->data().toString().toStdString());
  // No destination files: the menu keeps what it had. The same files: the items stay (one
  // of them may be the item being handled).
  if (names.empty() || names == listed) {
    TickModelAndDestination();
    return;
  }
  destinationMenu_->clear();
  for (QAction* old : destinationGroup_->actions()) destinationGroup_->removeAction(old);
  for (std::size_t i = 0; i < names.size(); ++i) {
    QAction* item = destinationMenu_->addAction(ToQt(names[i]));
    item->setObjectName(QString("mnuDestinationChild_%1").arg(i));
    item->setCheckable(true);
    item->setData(ToQt(names[i]));
    destinationGroup_->addAction(item);
    connect(item, &QAction::triggered, this, [this, name = names[i]] {
      controller_.ChangeDestination(name);
      TickModelAndDestination();
    });
  }
  TickModelAndDestination();
}

// The ticks stay on the model and the destination the document has, whatever was clicked.
void WindowMenus::TickModelAndDestination() {
  const Document& document = controller_.Doc();
  for (QAction* item : modelGroup_->actions()) {
    item->setChecked(item->data().toInt() == document.profile.modelCode);
  }
  for (QAction* item : destinationGroup_->actions()) {
    item->setChecked(EqualsIgnoringCase(item->data().toString().toStdString(), document.destination));
  }
}

// ---------------------------------------------------------------------------------------
// Serial port
// ---------------------------------------------------------------------------------------

void WindowMenus::RebuildPortMenu(bool listPresent) {
  portMenu_->clear();
  for (QAction* old : portGroup_->actions()) portGroup_->removeAction(old);
  const PortChoice& current = transfers_.Port();
  auto addChoice = [this, &current](const QString& caption, const std::string& name, const PortChoice& choice) {
    QAction* item = portMenu_->addAction(caption);
    item->setObjectName(ToQt(name));
    item->setCheckable(true);
    item->setChecked(choice == current || (choice.devicePath.empty() && current.devicePath.empty() &&
                                           choice.number == current.number));
    portGroup_->addAction(item);
    connect(item, &QAction::triggered, this, [this, choice] { ChoosePort(choice); });
  };
  std::vector<std::string> numbered;
  for (int n = kLowestPortNumber; n <= kHighestPortNumber; ++n) {
    addChoice(QString("COM&%1").arg(n), "mnuOptionsSerialPort1_" + std::to_string(n - 1), {n, {}});
    numbered.push_back(DeviceForPortNumber(n));
  }
  // The serial ports this machine has beyond the four numbered ones (USB adapters), and
  // a device typed in by the user (a simulator's terminal).
  std::vector<PortInfo> present =
      listPresent && deps_.listPorts ? deps_.listPorts() : std::vector<PortInfo>{};
  std::erase_if(present, [&](const PortInfo& port) {
    return std::find(numbered.begin(), numbered.end(), port.name) != numbered.end();
  });
  if (!current.devicePath.empty() &&
      std::none_of(present.begin(), present.end(),
                   [&current](const PortInfo& port) { return port.name == current.devicePath; })) {
    present.push_back({current.devicePath, {}});
  }
  if (!present.empty()) portMenu_->addSeparator();
  for (std::size_t i = 0; i < present.size(); ++i) {
    QString caption = ToQt(present[i].name);
    if (!present[i].description.empty()) caption += "  (" + ToQt(present[i].description) + ")";
    addChoice(caption, "mnuOptionsSerialPortDevice_" + std::to_string(i), {current.number, present[i].name});
  }
  portMenu_->addSeparator();
  QAction* other = portMenu_->addAction("&Other...");
  other->setObjectName("mnuOptionsSerialPortOther");
  connect(other, &QAction::triggered, this, &WindowMenus::ChooseOtherPort);
}

void WindowMenus::ChoosePort(const PortChoice& choice) {
  transfers_.ChoosePort(choice);
  RebuildPortMenu();
}

void WindowMenus::ChooseOtherPort() {
  const PortChoice current = transfers_.Port();
  const std::optional<std::string> typed = deps_.prompts.AskText(
      "Serial Port", "Device of the serial port (for example /dev/ttyUSB0):", current.devicePath);
  if (!typed) return;
  const std::string path(TrimBlanks(*typed));
  if (path.empty()) return;
  ChoosePort({current.number, path});
}

}  // namespace kol::editor
