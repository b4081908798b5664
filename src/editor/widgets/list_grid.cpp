#include "editor/widgets/list_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <unordered_set>

#include "editor/widgets/key_help.h"

namespace kol::editor {
namespace {

constexpr int kWheelNotch = 120;  // one wheel step, in eighths of a degree

}  // namespace

ListGrid::ListGrid(QWidget* parent) : QTableWidget(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setTabKeyNavigation(false);
  setWordWrap(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  // Rows as high as a line of text, so that a list shows many at once.
  verticalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 4);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  SetKeyHelp(*this, key_help::kGrid);
  connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { emit RowActivated(row); });
}

void ListGrid::SetContent(const std::vector<std::string>& headers,
                          const std::vector<std::vector<std::string>>& rows) {
  const int keptRow = currentRow();
  setUpdatesEnabled(false);
  clearContents();
  setColumnCount(static_cast<int>(headers.size()));
  setRowCount(static_cast<int>(rows.size()));
  QStringList labels;
  for (const std::string& header : headers) labels << QString::fromStdString(header);
  setHorizontalHeaderLabels(labels);
  for (int r = 0; r < rowCount(); ++r) {
    const std::vector<std::string>& cells = rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < columnCount() && c < static_cast<int>(cells.size()); ++c) {
      setItem(r, c, new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)])));
    }
  }
  FitColumnsToTexts(headers.size(), rows);
  if (rowCount() > 0) setCurrentCell(keptRow >= 0 && keptRow < rowCount() ? keptRow : 0, 0);
  setUpdatesEnabled(true);
}

void ListGrid::FitColumnsToTexts(std::size_t columns, const std::vector<std::vector<std::string>>& rows) {
  // Measured from the texts themselves, each different text once: asking the view for every
  // cell's size hint costs more than all the rest of a fill.
  const QFontMetrics metrics(font());
  const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
  for (std::size_t c = 0; c < columns; ++c) {
    std::unordered_set<std::string> texts;
    for (const std::vector<std::string>& cells : rows) {
      if (c < cells.size()) texts.insert(cells[c]);
    }
    int width = horizontalHeader()->sectionSizeHint(static_cast<int>(c));
    for (const std::string& text : texts) {
      width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(text)) + margins);
    }
    setColumnWidth(static_cast<int>(c), width);
  }
}

std::string ListGrid::CellText(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->text().toStdString() : std::string();
}

void ListGrid::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
    emit RowActivated(currentRow());
    return;
  }
  QTableWidget::keyPressEvent(event);
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
