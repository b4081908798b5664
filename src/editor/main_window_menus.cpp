// The model, destination and serial-port menus of the main window, help and About.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>

#include <filesystem>

#include "editor/dialogs/about_dialog.h"
#include "editor/dialogs/help_window.h"
#include "editor/main_window.h"
#include "editor/widgets/busy_scope.h"
#include "editor/widgets/key_help.h"
#include "files/data_folders.h"
#include "files/destinations.h"
#include "files/startup.h"
#include "files/text_lines.h"
#include "model/formatters.h"

namespace kol::editor {
namespace {

constexpr int kContentsContext = 1001;

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

// ---------------------------------------------------------------------------------------
// Model type
// ---------------------------------------------------------------------------------------

void MainWindow::BuildModelMenu(const std::vector<int>& offeredModels) {
  modelMenu_->clear();
  for (int code : offeredModels) {
    QAction* item = modelMenu_->addAction(ToQt(ModelNameFor(code)));
    item->setObjectName(QString("mnuEditModelType_%1").arg(code));
    item->setCheckable(true);
    item->setChecked(code == deps_.document.profile.modelCode);
    item->setData(code);
    modelGroup_->addAction(item);
    connect(item, &QAction::triggered, this, [this, code] { ChooseModel(code); });
  }
  // With a single model there is nothing to choose.
  editMenu_->menuAction()->setVisible(offeredModels.size() >= 2);
}

void MainWindow::ChooseModel(int modelCode) {
  auto tickCurrent = [this] {
    for (QAction* item : modelGroup_->actions()) {
      item->setChecked(item->data().toInt() == deps_.document.profile.modelCode);
    }
  };
  if (modelCode != deps_.document.profile.modelCode && ValidateCurrentPage() && AskToSaveChanges() &&
      ChangeModelType(modelCode, deps_.document, deps_.host)) {
    BusyScope busy(this);
    AfterNewDocument();
    flags_.dataChanged = false;
  }
  tickCurrent();
}

// ---------------------------------------------------------------------------------------
// Destination
// ---------------------------------------------------------------------------------------

void MainWindow::RebuildDestinationMenu() {
  const std::vector<std::string> names = ListDestinations(deps_.document.profile);
  if (names.empty()) return;  // no destination files: the menu keeps what it had
  destinationMenu_->clear();
  for (QAction* old : destinationGroup_->actions()) destinationGroup_->removeAction(old);
  for (std::size_t i = 0; i < names.size(); ++i) {
    QAction* item = destinationMenu_->addAction(ToQt(names[i]));
    item->setObjectName(QString("mnuDestinationChild_%1").arg(i));
    item->setCheckable(true);
    item->setData(ToQt(names[i]));
    destinationGroup_->addAction(item);
    connect(item, &QAction::triggered, this, [this, name = names[i]] { ChooseDestination(name); });
  }
  for (QAction* item : destinationGroup_->actions()) {
    item->setChecked(EqualsIgnoringCase(item->data().toString().toStdString(),
                                        deps_.document.destination));
  }
}

void MainWindow::ChooseDestination(const std::string& name) {
  if (ValidateCurrentPage() && AskToSaveChanges() &&
      ChangeDestination(name, deps_.document, deps_.host)) {
    BusyScope busy(this);
    RefreshAfterLoad();
    ShowNodeUnchecked(std::string(node_key::kGeneral));
    flags_.dataChanged = false;
  }
  // The tick stays on the destination the document has, whatever happened.
  for (QAction* item : destinationGroup_->actions()) {
    item->setChecked(EqualsIgnoringCase(item->data().toString().toStdString(),
                                        deps_.document.destination));
  }
}

// ---------------------------------------------------------------------------------------
// Serial port
// ---------------------------------------------------------------------------------------

void MainWindow::RebuildPortMenu(bool listPresent) {
  portMenu_->clear();
  for (QAction* old : portGroup_->actions()) portGroup_->removeAction(old);
  auto addChoice = [this](const QString& caption, const char* name, const PortChoice& choice) {
    QAction* item = portMenu_->addAction(caption);
    item->setObjectName(name);
    item->setCheckable(true);
    item->setChecked(choice == port_ || (choice.devicePath.empty() && port_.devicePath.empty() &&
                                         choice.number == port_.number));
    portGroup_->addAction(item);
    connect(item, &QAction::triggered, this, [this, choice] { ChoosePort(choice); });
    return item;
  };
  std::vector<std::string> numbered;
  for (int n = kLowestPortNumber; n <= kHighestPortNumber; ++n) {
    const std::string name = "mnuOptionsSerialPort1_" + std::to_string(n - 1);
    addChoice(QString("COM&%1").arg(n), name.c_str(), {n, {}});
    numbered.push_back(DeviceForPortNumber(n));
  }
  // The serial ports this machine has beyond the four numbered ones (USB adapters), and
  // a device typed in by the user (a simulator's terminal).
  std::vector<PortInfo> present =
      listPresent && deps_.listPorts ? deps_.listPorts() : std::vector<PortInfo>{};
  std::erase_if(present, [&](const PortInfo& port) {
    return std::find(numbered.begin(), numbered.end(), port.name) != numbered.end();
  });
  if (!port_.devicePath.empty() &&
      std::none_of(present.begin(), present.end(),
                   [this](const PortInfo& port) { return port.name == port_.devicePath; })) {
    present.push_back({port_.devicePath, {}});
  }
  if (!present.empty()) portMenu_->addSeparator();
  for (std::size_t i = 0; i < present.size(); ++i) {
    QString caption = ToQt(present[i].name);
    if (!present[i].description.empty()) caption += "  (" + ToQt(present[i].description) + ")";
    const std::string name = "mnuOptionsSerialPortDevice_" + std::to_string(i);
    addChoice(caption, name.c_str(), {port_.number, present[i].name});
  }
  portMenu_->addSeparator();
  QAction* other = portMenu_->addAction("&Other...");
  other->setObjectName("mnuOptionsSerialPortOther");
  connect(other, &QAction::triggered, this, &MainWindow::ChooseOtherPort);
}

void MainWindow::ChoosePort(const PortChoice& choice) {
  port_ = choice;
  SavePortChoice(deps_.host.store, port_);
  RebuildPortMenu();
}

void MainWindow::ChooseOtherPort() {
  const std::optional<std::string> typed = deps_.prompts.AskText(
      "Serial Port", "Device of the serial port (for example /dev/ttyUSB0):", port_.devicePath);
  if (!typed) return;
  const std::string path(TrimBlanks(*typed));
  if (path.empty()) return;
  ChoosePort({port_.number, path});
}

// ---------------------------------------------------------------------------------------
// Help and About
// ---------------------------------------------------------------------------------------

void MainWindow::ShowContextHelp() {
  const QWidget* focused = QApplication::focusWidget();
  const int context = focused ? HelpContextOf(*focused) : 0;
  ShowHelp(context > 0 ? context : kContentsContext);
}

void MainWindow::ShowHelp(int context) { OpenHelp(context, deps_.document.profile.WindowTitle()); }

void MainWindow::OpenHelp(int context, const std::string& title) {
  const std::string path = DataFilePath(deps_.document.profile.programFolder,
                                        HelpFileName(deps_.document.profile.atis));
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
  AboutDialog about(deps_.document.profile.WindowTitle(), deps_.prompts, deps_.listPorts, this);
  about.exec();
}

}  // namespace kol::editor
