#include "editor/widgets/list_grid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QWheelEvent>

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "editor/widgets/key_help.h"

namespace kol::editor {
namespace {

constexpr int kWheelNotch = 120;  // one wheel step, in eighths of a degree

}  // namespace

ListGrid::ListGrid(const Document& document, QWidget* parent)
    : QTableView(parent), model_(new ListModel(document, this)) {
  setModel(model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setContextMenuPolicy(Qt::CustomContextMenu);
  verticalHeader()->setVisible(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  // Rows as high as a line of text, so that a list shows many at once.
  verticalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 4);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  SetKeyHelp(*this, key_help::kGrid);
  connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { emit RowActivated(index.row()); });
}

void ListGrid::Show(ListId list) {
  const int keptRow = currentIndex().row();
  model_->Show(list);
  FitColumns();
  const int rows = model_->rowCount();
  if (rows > 0) setCurrentIndex(model_->index(keptRow >= 0 && keptRow < rows ? keptRow : 0, 0));
}

void ListGrid::Refresh() { model_->Refresh(); }

void ListGrid::FitColumns() {
  const ListId list = model_->List();
  std::vector<int>& widths = widths_[{static_cast<int>(list.kind), list.group}];
  if (widths.empty()) {
    // Each different text of a column measured once, as the style lays out a cell that
    // shows it (with the switch's box where the column has one): asking the view for every
    // cell's size hint costs more than all the rest of showing a list.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int gridLine = showGrid() ? 1 : 0;
    for (int c = 0; c < model_->columnCount(); ++c) {
      option.features = QStyleOptionViewItem::HasDisplay;
      if (model_->SwitchAt(c)) option.features |= QStyleOptionViewItem::HasCheckIndicator;
      std::unordered_set<std::string> texts;
      for (int r = 0; r < model_->rowCount(); ++r) texts.insert(model_->Text(r, c));
      int width = horizontalHeader()->sectionSizeHint(c);
      for (const std::string& text : texts) {
        option.text = QString::fromStdString(text);
        width = std::max(width, style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, {}, this).width() +
                                    gridLine);
      }
      widths.push_back(width);
    }
  }
  for (int c = 0; c < static_cast<int>(widths.size()); ++c) setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

std::vector<int> ListGrid::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  if (rows.empty() && currentIndex().isValid()) rows.push_back(currentIndex().row());
  return rows;
}

void ListGrid::SelectRows(const std::vector<int>& rows) {
  if (rows.empty()) return;
  QItemSelection selection;
  for (int row : rows) {
    if (row >= 0 && row < model_->rowCount()) selection.select(model_->index(row, 0), model_->index(row, 0));
  }
  selectionModel()->setCurrentIndex(model_->index(rows.front(), 0), QItemSelectionModel::NoUpdate);
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(model_->index(rows.front(), 0));
}

QRect ListGrid::SwitchRect(const QModelIndex& index) const {
  if (!index.isValid() || !model_->SwitchAt(index.column())) return {};
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualRect(index);
  option.index = index;
  option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
  option.text = index.data().toString();
  return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

QModelIndex ListGrid::SwitchUnder(const QPoint& position) const {
  const QModelIndex index = indexAt(position);
  return SwitchRect(index).contains(position) ? index : QModelIndex();
}

void ListGrid::mousePressEvent(QMouseEvent* event) {
  pressedSwitch_ = event->button() == Qt::LeftButton ? SwitchUnder(event->position().toPoint()) : QModelIndex();
  // A click on a switch in a selected row toggles it in every selected row, so it leaves
  // the selection as it is; in another row the view selects that row first, as any click.
  pressKept_ = pressedSwitch_.isValid() && selectionModel()->isRowSelected(pressedSwitch_.row(), {});
  if (!pressKept_) {
    QTableView::mousePressEvent(event);
    return;
  }
  setFocus(Qt::MouseFocusReason);
  selectionModel()->setCurrentIndex(pressedSwitch_, QItemSelectionModel::NoUpdate);
  event->accept();
}

void ListGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (!std::exchange(pressKept_, false)) QTableView::mouseReleaseEvent(event);
  const QModelIndex pressed = pressedSwitch_;
  pressedSwitch_ = QPersistentModelIndex();
  if (pressed.isValid() && SwitchUnder(event->position().toPoint()) == pressed) {
    emit ToggleAsked(pressed.row(), pressed.column());
  }
}

void ListGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second click of a double click on a switch toggles it again; it opens nothing.
  if (event->button() == Qt::LeftButton && SwitchUnder(event->position().toPoint()).isValid()) {
    mousePressEvent(event);
    return;
  }
  QTableView::mouseDoubleClickEvent(event);
}

void ListGrid::keyPressEvent(QKeyEvent* event) {
  const QModelIndex current = currentIndex();
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (current.isValid()) emit RowActivated(current.row());
      return;
    case Qt::Key_Space:
      if (current.isValid() && model_->SwitchAt(current.column())) {
        emit ToggleAsked(current.row(), current.column());
        return;
      }
      break;
    case Qt::Key_Delete:
      emit DeleteAsked();
      return;
    default:
      break;
  }
  QTableView::keyPressEvent(event);
}

void ListGrid::wheelEvent(QWheelEvent* event) {
  // One line per wheel step, whatever the desktop's lines-per-step setting says.
  wheelRemainder_ += event->angleDelta().y();
  const int steps = wheelRemainder_ / kWheelNotch;
  wheelRemainder_ -= steps * kWheelNotch;
  if (steps != 0) verticalScrollBar()->setValue(verticalScrollBar()->value() - steps);
  event->accept();
}

}  // namespace kol::editor
