// A list of the document under a fixed header row (the channel and directory lists), a
// view of a ListModel. Rows are selected as a spreadsheet selects them (Shift, Ctrl);
// Enter or a double click on a row asks to open it; a click on a cell's switch, or Space
// on it, asks to toggle it; Delete asks to remove the selected rows; the mouse wheel moves
// one line.
#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "editor/widgets/list_model.h"

namespace kol::editor {

class ListGrid : public QTableView {
  Q_OBJECT
 public:
  explicit ListGrid(const Document& document, QWidget* parent = nullptr);

  // Shows `list` of the document; the current row stays where it was when the list has it.
  void Show(ListId list);
  // The document changed: the cells show it again.
  void Refresh();
  const ListModel& Model() const { return *model_; }

  // The text of a cell (row 0 = the first row under the header).
  std::string CellText(int row, int column) const { return model_->Text(row, column); }
  // The selected rows, ascending; the current row when none is selected.
  std::vector<int> SelectedRows() const;
  // Selects `rows` and makes the first of them current.
  void SelectRows(const std::vector<int>& rows);
  // Where the switch of a cell is drawn, in the viewport; empty for a cell without one.
  QRect SwitchRect(const QModelIndex& index) const;

 signals:
  // Enter or a double click on `row`.
  void RowActivated(int row);
  // A click on the switch of a cell, or Space while it is current.
  void ToggleAsked(int row, int column);
  // The Delete key.
  void DeleteAsked();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The cell whose switch lies under `position`; invalid when there is none.
  QModelIndex SwitchUnder(const QPoint& position) const;
  // Each column as wide as its widest text or its header, measured once per list.
  void FitColumns();

  ListModel* model_;
  QPersistentModelIndex pressedSwitch_;
  bool pressKept_ = false;  // the press on a switch was not the view's: its selection stays
  std::map<std::pair<int, int>, std::vector<int>> widths_;  // by list kind and group
  int wheelRemainder_ = 0;  // wheel turn not yet worth a line (fine-grained wheels)
};

}  // namespace kol::editor
