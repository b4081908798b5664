// The menus and the toolbar of the main window. Their items run the document controller's
// commands, the transfers and the frame's own commands; the recent files, model,
// destination and serial-port menus follow what they list.
#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "editor/window_deps.h"
#include "files/app_settings.h"

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

namespace kol::editor {

class DocumentController;
class ListCommands;
class ReportCommands;
class TransferRunner;

// The frame's own commands the menus run.
struct FrameCommands {
  std::function<void()> exit;
  std::function<void(bool shown)> showHexView;
  std::function<void()> helpContents;
  std::function<void()> about;
};

class WindowMenus final : public QObject {
  Q_OBJECT
 public:
  WindowMenus(QMainWindow& frame, const WindowDeps& deps, DocumentController& controller,
              ListCommands& lists, TransferRunner& transfers, ReportCommands& report,
              FrameCommands commands);

  // Edit > Model: the models the model list offers, the document's ticked.
  void BuildModelMenu(const std::vector<int>& offeredModels);
  // The items whose state comes from the settings store: the ports and the read-back tick.
  void ShowStoredOptions();
  // A menu item by its objectName.
  QAction* Action(const std::string& name) const { return actions_.at(name); }

 protected:
  // Undo and Redo keys in a text field of the window.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildEditMenu(QMenu* edit);
  // File > Import and Export: a submenu each, one item per list.
  void BuildListFileMenus(QMenu* file);
  // Undo and Redo name their steps; Cut, Copy and Paste follow what has the focus.
  void UpdateEditItems();
  void BuildToolBar();
  QAction* AddAction(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut, std::function<void()> run);
  void RebuildRecentMenu();
  void RebuildDestinationMenu();
  void TickModelAndDestination();
  // The numbered ports and the chosen one; the machine's other serial ports are looked for
  // only when the menu opens (`listPresent`), not at start-up.
  void RebuildPortMenu(bool listPresent = true);
  void ChoosePort(const PortChoice& choice);
  void ChooseOtherPort();

  QMainWindow& frame_;
  const WindowDeps& deps_;
  DocumentController& controller_;
  ListCommands& lists_;
  TransferRunner& transfers_;
  ReportCommands& report_;
  FrameCommands commands_;

  QMenu* editMenu_ = nullptr;
  QMenu* modelMenu_ = nullptr;
  QAction* modelSeparator_ = nullptr;
  QMenu* destinationMenu_ = nullptr;
  QMenu* portMenu_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QActionGroup* modelGroup_ = nullptr;
  QActionGroup* destinationGroup_ = nullptr;
  QActionGroup* portGroup_ = nullptr;
  std::map<std::string, QAction*> actions_;  // by objectName
};

}  // namespace kol::editor
