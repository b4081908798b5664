// The navigator: the tree built from the node table and the stack of pages beside it. A
// node click checks the page being left and shows the node's page; the tree follows the
// document (nodes come and go with the usable groups, captions with every edit).
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <map>
#include <span>
#include <string>
#include <vector>

#include "editor/document_controller.h"
#include "editor/node_table.h"

class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace kol::editor {

struct SettingPlace;

class Page;
struct EditorServices;

class Navigator final : public QObject {
  Q_OBJECT
 public:
  // The tree and the page stack are made as children of `parent` (the frame lays them
  // out); pages are made the first time one of their nodes is shown.
  Navigator(DocumentController& controller, EditorServices& services, std::span<const NodeRow> nodes,
            QWidget* parent);

  QTreeWidget* Tree() const { return tree_; }
  QStackedWidget* Stack() const { return stack_; }

  // Selects the first node with `key` and handles it as a click (page check, then its
  // page). False when there is no such node or the current page could not be left.
  bool SelectNode(const std::string& key);
  // The key of the selected node ("PU 16"), empty when none.
  std::string SelectedNodeKey() const;
  // The caption of the node with `key`; empty when the tree has no such node.
  std::string NodeText(const std::string& key) const;
  // The page that is shown; null before the first.
  Page* CurrentPage() const { return currentPage_; }
  // The check made before the page may be left.
  bool ValidateCurrentPage();
  // Shows the selected node's page again with the update lock set, so it shows fresh values.
  void ReshowCurrentPage();
  // A node selected while the window was minimised has its page shown once it is back.
  void ShowPendingNode();
  // Shows the page of a setting and puts the focus on its control (bringing its tab
  // forward). False when the page cannot be shown.
  bool ShowSetting(const SettingPlace& place);
  // What a node of the tree shows; null for no item or an item of another tree.
  static const NodeTarget* TargetOf(const QTreeWidgetItem* item);

 signals:
  // The key help of the tree, for the status bar.
  void StatusHelp(const QString& text);

 private:
  // Builds the tree from the document; expanded nodes stay expanded and the shown node
  // stays selected when it is still there.
  void BuildTree();
  // After an edit: a new tree when nodes came or went, else fresh captions.
  void FollowEdit();
  void FollowReload(Reload how);
  // A step made or taken back away from its page: its page and control shown, a list's
  // rows selected.
  void ShowStep(const EditStep& step);
  // Puts the focus on the shown page's control `name`, bringing its tab forward; the
  // control, or null when the page has none of that name.
  QWidget* FocusControl(const std::string& name);
  void ShowContextMenu(const QPoint& position);
  void OnCurrentItemChanged(QTreeWidgetItem* item);
  void ShowNodePage(QTreeWidgetItem* item);
  // Selects and shows a node without the page check.
  void ShowNodeUnchecked(const std::string& key);
  Page* PageFor(const PagePanel& panel);
  QTreeWidgetItem* ItemForKey(const std::string& key) const;
  bool Minimised() const;

  DocumentController& controller_;
  EditorServices& services_;
  std::span<const NodeRow> nodes_;
  QTreeWidget* tree_;
  QStackedWidget* stack_;
  QTreeWidgetItem* currentItem_ = nullptr;  // the node whose page is shown
  QHash<QString, QTreeWidgetItem*> itemsByKey_;
  std::vector<bool> shownRows_;  // the rows the tree was built with
  std::map<std::string, Page*> pages_;  // by panel
  Page* currentPage_ = nullptr;
};

}  // namespace kol::editor
