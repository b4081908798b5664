#include "editor/list_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTreeWidget>

#include <algorithm>

#include "editor/navigator.h"
#include "editor/widgets/list_grid.h"
#include "model/directory_rules.h"

namespace kol::editor {
namespace {

bool ClipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText() && !data->text().isEmpty();
}

// The rows of `rows` that are directory entries in use, last first.
std::vector<int> EntriesInUseOf(const SettingsModel& model, const ListSelection& rows) {
  std::vector<int> inUse;
  if (!IsDirectory(rows.list)) return inUse;
  const int count = EntriesInUse(DirectoryEntries(model, DirectoryOf(rows.list)));
  for (int row : rows.rows) {
    if (row >= 0 && row < count) inUse.push_back(row);
  }
  std::sort(inUse.rbegin(), inUse.rend());
  return inUse;
}

}  // namespace

ListCommands::ListCommands(DocumentController& controller, WindowPrompts& prompts)
    : controller_(controller), prompts_(prompts) {
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FollowFocus(now); });
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &ListCommands::OfferChanged);
  connect(&controller_, &DocumentController::Edited, this, &ListCommands::OfferChanged);
  connect(&controller_, &DocumentController::Reloaded, this, &ListCommands::OfferChanged);
}

void ListCommands::FollowFocus(QWidget* now) {
  // What the focused widget offers changes with its selection.
  if (auto* grid = qobject_cast<ListGrid*>(now)) {
    connect(grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ListCommands::OfferChanged,
            Qt::UniqueConnection);
  } else if (auto* tree = qobject_cast<QTreeWidget*>(now)) {
    connect(tree, &QTreeWidget::currentItemChanged, this, &ListCommands::OfferChanged, Qt::UniqueConnection);
  } else if (auto* field = qobject_cast<QLineEdit*>(now)) {
    connect(field, &QLineEdit::selectionChanged, this, &ListCommands::OfferChanged, Qt::UniqueConnection);
  }
  emit OfferChanged();
}

std::optional<ListSelection> ListCommands::SelectionOf(const QWidget* widget, const SettingsModel& model) {
  if (const auto* grid = qobject_cast<const ListGrid*>(widget)) {
    const std::vector<int> rows = grid->SelectedRows();
    return ListSelection{grid->Model().List(), rows, rows.empty() ? 0 : rows.front()};
  }
  if (const auto* tree = qobject_cast<const QTreeWidget*>(widget)) {
    const NodeTarget* target = Navigator::TargetOf(tree->currentItem());
    if (target) return NodeSelection(*target, model);
  }
  return std::nullopt;
}

// ---------------------------------------------------------------------------------------
// What has the focus
// ---------------------------------------------------------------------------------------

ListCommands::Offer ListCommands::OfferForFocus() const {
  const QWidget* focus = QApplication::focusWidget();
  if (const auto* field = qobject_cast<const QLineEdit*>(focus)) {
    const bool selected = field->hasSelectedText();
    return {selected && !field->isReadOnly(), selected, !field->isReadOnly() && ClipboardHasText()};
  }
  const std::optional<ListSelection> target = SelectionOf(focus, controller_.Doc().model);
  return target ? OfferFor(*target) : Offer{};
}

void ListCommands::OnFocus(const std::function<void(QLineEdit&)>& inField,
                           const std::function<void(const ListSelection&)>& onRows) {
  QWidget* focus = QApplication::focusWidget();
  if (auto* field = qobject_cast<QLineEdit*>(focus)) {
    inField(*field);
  } else if (const std::optional<ListSelection> target = SelectionOf(focus, controller_.Doc().model)) {
    onRows(*target);
  }
}

void ListCommands::CutFocused() {
  OnFocus(&QLineEdit::cut, [this](const ListSelection& rows) { Cut(rows); });
}

void ListCommands::CopyFocused() {
  OnFocus(&QLineEdit::copy, [this](const ListSelection& rows) { Copy(rows); });
}

void ListCommands::PasteFocused() {
  OnFocus(&QLineEdit::paste, [this](const ListSelection& rows) { Paste(rows); });
}

// ---------------------------------------------------------------------------------------
// Rows of a list
// ---------------------------------------------------------------------------------------

ListCommands::Offer ListCommands::OfferFor(const ListSelection& target) const {
  const bool rows = !target.rows.empty();
  return {!EntriesInUseOf(controller_.Doc().model, target).empty(), rows, ClipboardHasText()};
}

void ListCommands::Copy(const ListSelection& rows) {
  if (rows.rows.empty()) return;
  const std::string text = CopiedRows(controller_.Doc().model, rows.list, rows.rows);
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

bool ListCommands::Cut(const ListSelection& rows) {
  if (EntriesInUseOf(controller_.Doc().model, rows).empty() || controller_.Locked()) return false;
  Copy(rows);
  return RemoveEntries("Cut", rows);
}

bool ListCommands::Delete(const ListSelection& rows) {
  if (EntriesInUseOf(controller_.Doc().model, rows).empty() || controller_.Locked()) return false;
  const MessageButton answer = prompts_.Show({controller_.Doc().profile.WindowTitle(), "Are you sure ?",
                                              MessageIcon::kCritical, MessageButtons::kYesNo,
                                              MessageButton::kYes});
  return answer == MessageButton::kYes && RemoveEntries("Delete", rows);
}

bool ListCommands::RemoveEntries(const std::string& name, const ListSelection& rows) {
  const SettingsModel& model = controller_.Doc().model;
  const std::vector<int> removed = EntriesInUseOf(model, rows);  // last first: the others stay put
  std::vector<int> named(removed.rbegin(), removed.rend());
  const EditStep step = RowsStep(name + " of " + RowsName(model, rows.list, named), rows.list, {named.front()});
  return controller_.EditAndShow(step, [&](SettingsModel& m) {
    for (int row : removed) DeleteDirectoryEntry(DirectoryEntries(m, DirectoryOf(rows.list)), row + 1);
  });
}

bool ListCommands::Paste(const ListSelection& target) {
  if (controller_.Locked() || !ClipboardHasText()) return false;
  const SettingsModel& model = controller_.Doc().model;
  const std::string text = QGuiApplication::clipboard()->text().toStdString();
  const ListEditResult pasted = PastedRows(model, target.list, target.first, text);
  if (!pasted.edit) {
    prompts_.Show(RefusalMessage(controller_.Doc().profile.WindowTitle(), "Nothing was pasted:", pasted.problems,
                                 model, target.list, true));
    return false;
  }
  if (pasted.edit->rows.empty()) return true;  // the rows hold what was pasted already
  const EditStep step = RowsStep("Paste into " + ListName(target.list), target.list, pasted.edit->rows);
  return controller_.EditAndShow(step, [&pasted](SettingsModel& m) { pasted.edit->ApplyTo(m); });
}

void ListCommands::Serve(ListGrid& grid, const std::function<void(int row)>& open) {
  const SettingsModel& model = controller_.Doc().model;
  connect(&controller_, &DocumentController::Edited, &grid, &ListGrid::Refresh);
  connect(&grid, &ListGrid::RowActivated, &grid, open);
  connect(&grid, &ListGrid::DeleteAsked, this, [this, &grid, &model] {
    if (const std::optional<ListSelection> rows = SelectionOf(&grid, model)) Delete(*rows);
  });
  connect(&grid, &QWidget::customContextMenuRequested, this, [this, &grid, &model, open](const QPoint& position) {
    const QModelIndex index = grid.indexAt(position);
    if (!index.isValid()) return;
    ShowContextMenu(grid.viewport()->mapToGlobal(position), [open, row = index.row()] { open(row); },
                    SelectionOf(&grid, model));
  });
}

void ListCommands::ShowContextMenu(const QPoint& globalPosition, const std::function<void()>& open,
                                   const std::optional<ListSelection>& target) {
  QMenu menu;
  menu.setObjectName("mnuContext");
  const Offer offer = target ? OfferFor(*target) : Offer{};
  auto add = [&menu](const char* name, const QString& caption, const QKeySequence& keys, bool enabled,
                     const std::function<void()>& run) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, &menu, run);
  };
  add("mnuContextOpen", "&Open", {}, true, open);
  menu.addSeparator();
  add("mnuContextCut", "Cu&t", QKeySequence::Cut, offer.cut, [&] { Cut(*target); });
  add("mnuContextCopy", "&Copy", QKeySequence::Copy, offer.copy, [&] { Copy(*target); });
  add("mnuContextPaste", "&Paste", QKeySequence::Paste, offer.paste, [&] { Paste(*target); });
  menu.exec(globalPosition);
}

}  // namespace kol::editor
