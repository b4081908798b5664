#include "editor/navigator.h"

#include <QHeaderView>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "editor/list_commands.h"
#include "editor/page.h"
#include "editor/setting_places.h"
#include "editor/widgets/key_help.h"
#include "editor/widgets/list_grid.h"

namespace kol::editor {
namespace {

constexpr int kKeyRole = Qt::UserRole;  // a node's key, by which tests and tools find it

// A tree node with what it shows, so that a click needs nothing but the item. Its own item
// type tells it from the items of other trees (the list of differences with a radio).
constexpr int kNodeItemType = QTreeWidgetItem::UserType + 1;

class NodeItem final : public QTreeWidgetItem {
 public:
  explicit NodeItem(const TreeNode& node) : QTreeWidgetItem(kNodeItemType), row(node.row), target(node.target) {
    setText(0, QString::fromStdString(node.text));
    setData(0, kKeyRole, QString::fromStdString(node.target.key));
  }
  const NodeRow* row;
  NodeTarget target;
};

const NodeItem* AsNode(const QTreeWidgetItem* item) { return static_cast<const NodeItem*>(item); }

std::string KeyOf(const QTreeWidgetItem* item) { return item ? AsNode(item)->target.key : std::string(); }

}  // namespace

Navigator::Navigator(DocumentController& controller, EditorServices& services,
                     std::span<const NodeRow> nodes, QWidget* parent)
    : controller_(controller),
      services_(services),
      nodes_(nodes),
      tree_(new QTreeWidget(parent)),
      stack_(new QStackedWidget(parent)) {
  tree_->setObjectName("tvTreeView");
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setUniformRowHeights(true);
  tree_->setMinimumWidth(180);
  tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tree_->header()->setStretchLastSection(false);
  SetKeyHelp(*tree_, key_help::kTree);
  stack_->setObjectName("pageStack");
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { OnCurrentItemChanged(item); });
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(tree_, &QTreeWidget::customContextMenuRequested, this, &Navigator::ShowContextMenu);
  connect(&controller_, &DocumentController::Edited, this, &Navigator::FollowEdit);
  connect(&controller_, &DocumentController::Applied, this, &Navigator::ShowStep);
  connect(&controller_, &DocumentController::Reloaded, this, &Navigator::FollowReload);
  connect(&controller_, &DocumentController::Reloading, this,
          [this] { ShowNodeUnchecked(std::string(node_key::kGeneral)); });
}

bool Navigator::Minimised() const { return tree_->window()->isMinimized(); }

// ---------------------------------------------------------------------------------------
// The tree
// ---------------------------------------------------------------------------------------

void Navigator::BuildTree() {
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
  const Document& document = controller_.Doc();
  std::function<void(const TreeNode&, QTreeWidgetItem*)> add = [&](const TreeNode& node,
                                                                   QTreeWidgetItem* parent) {
    auto* item = new NodeItem(node);
    if (parent) {
      parent->addChild(item);
    } else {
      tree_->addTopLevelItem(item);
    }
    const QString key = QString::fromStdString(node.target.key);
    if (!itemsByKey_.contains(key)) itemsByKey_.insert(key, item);
    for (const TreeNode& child : node.children) add(child, item);
    if (expanded.contains(key) || (!parent && expanded.isEmpty())) item->setExpanded(true);
  };
  for (const TreeNode& root : BuildTreeNodes(nodes_, document)) add(root, nullptr);
  shownRows_ = ShownRows(nodes_, document);
  // The page that is shown keeps its node selected when the node still exists.
  if (QTreeWidgetItem* shown = ItemForKey(shownKey)) {
    tree_->setCurrentItem(shown);
    currentItem_ = shown;
  }
  tree_->setUpdatesEnabled(true);
}

void Navigator::FollowEdit() {
  const Document& document = controller_.Doc();
  if (ShownRows(nodes_, document) != shownRows_) {
    BuildTree();
    return;
  }
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    const NodeItem* node = AsNode(*it);
    const QString text = QString::fromStdString(NodeCaption(*node->row, node->target, document));
    if ((*it)->text(0) != text) (*it)->setText(0, text);
  }
}

void Navigator::FollowReload(Reload how) {
  if (how == Reload::kShownPage) {
    ReshowCurrentPage();
    return;
  }
  BuildTree();
  // The old page showed a document that is gone: nothing on it is left to check.
  const bool samePage = how == Reload::kSamePage && currentItem_;
  ShowNodeUnchecked(samePage ? KeyOf(currentItem_) : std::string(node_key::kGeneral));
}

QTreeWidgetItem* Navigator::ItemForKey(const std::string& key) const {
  return key.empty() ? nullptr : itemsByKey_.value(QString::fromStdString(key), nullptr);
}

std::string Navigator::SelectedNodeKey() const { return KeyOf(tree_->currentItem()); }

std::string Navigator::NodeText(const std::string& key) const {
  const QTreeWidgetItem* item = ItemForKey(key);
  return item ? item->text(0).toStdString() : std::string();
}

// ---------------------------------------------------------------------------------------
// Node clicks and pages
// ---------------------------------------------------------------------------------------

bool Navigator::SelectNode(const std::string& key) {
  QTreeWidgetItem* item = ItemForKey(key);
  if (!item) return false;
  if (tree_->currentItem() == item) {
    OnCurrentItemChanged(item);  // a node click on the shown node does nothing more
  } else {
    tree_->setCurrentItem(item);  // runs the node click
  }
  return currentItem_ == item;
}

void Navigator::OnCurrentItemChanged(QTreeWidgetItem* item) {
  emit StatusHelp(key_help::kTree);
  if (!item || item == currentItem_ || Minimised()) return;
  if (currentItem_ && !ValidateCurrentPage()) {
    // The page that is still shown keeps its node selected.
    const QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(currentItem_);
    return;
  }
  currentItem_ = item;
  ShowNodePage(item);
}

void Navigator::ShowPendingNode() {
  if (tree_->currentItem() && tree_->currentItem() != currentItem_) {
    OnCurrentItemChanged(tree_->currentItem());
  }
}

Page* Navigator::PageFor(const PagePanel& panel) {
  if (const auto found = pages_.find(panel.name); found != pages_.end()) return found->second;
  Page* page = panel.make(services_, stack_);
  page->setObjectName(panel.name);
  stack_->addWidget(page);
  pages_[panel.name] = page;
  return page;
}

void Navigator::ShowNodePage(QTreeWidgetItem* item) {
  if (!item || Minimised()) return;
  AppFlags& flags = controller_.Flags();
  flags.cancelFlag = true;
  const NodeItem* node = AsNode(item);
  Page* page = PageFor(node->row->panel);
  stack_->setCurrentWidget(page);
  currentPage_ = page;
  page->Show(node->target);
  emit StatusHelp(key_help::kTree);
  flags.cancelFlag = false;
}

void Navigator::ReshowCurrentPage() { ShowNodePage(tree_->currentItem()); }

bool Navigator::ValidateCurrentPage() { return !currentPage_ || currentPage_->Validate(); }

void Navigator::ShowNodeUnchecked(const std::string& key) {
  QTreeWidgetItem* item = ItemForKey(key);
  if (!item) return;
  {
    const QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(item);
  }
  currentItem_ = item;
  ShowNodePage(item);
}

bool Navigator::ShowSetting(const SettingPlace& place) {
  if (!SelectNode(place.node) || !currentPage_) return false;
  FocusControl(place.control);
  return true;
}

QWidget* Navigator::FocusControl(const std::string& name) {
  auto* control = currentPage_ ? currentPage_->findChild<QWidget*>(QString::fromStdString(name)) : nullptr;
  if (!control) return nullptr;
  // A control on a tab that is not shown brings its tab forward first.
  for (QWidget* w = control; w && w != currentPage_; w = w->parentWidget()) {
    const QWidget* stack = w->parentWidget();  // a tab widget keeps its pages in a stack
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (tabs && tabs->indexOf(w) >= 0) tabs->setCurrentWidget(w);
  }
  control->setFocus(Qt::OtherFocusReason);
  return control;
}

void Navigator::ShowStep(const EditStep& step) {
  FollowEdit();
  // The page was checked before the step: it is left without another check.
  QTreeWidgetItem* item = ItemForKey(step.place.node);
  if (item && item != currentItem_) {
    ShowNodeUnchecked(step.place.node);
  } else {
    ReshowCurrentPage();
  }
  if (!item) return;
  auto* grid = qobject_cast<ListGrid*>(FocusControl(step.place.control));
  if (grid && !step.rows.empty()) grid->SelectRows(step.rows);
}

const NodeTarget* Navigator::TargetOf(const QTreeWidgetItem* item) {
  return item && item->type() == kNodeItemType ? &AsNode(item)->target : nullptr;
}

void Navigator::ShowContextMenu(const QPoint& position) {
  const QTreeWidgetItem* item = tree_->itemAt(position);
  if (!item) return;
  const NodeTarget target = AsNode(item)->target;
  services_.lists.ShowContextMenu(tree_->viewport()->mapToGlobal(position),
                                  [this, key = target.key] { SelectNode(key); },
                                  NodeSelection(target, controller_.Doc().model));
}

}  // namespace kol::editor
