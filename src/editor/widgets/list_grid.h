// A read-only list of rows under a fixed header row (the channel and directory lists):
// Enter or a double click on a row asks to open it, and the mouse wheel moves one line.
#pragma once

#include <QTableWidget>

#include <string>
#include <vector>

namespace kol::editor {

class ListGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit ListGrid(QWidget* parent = nullptr);

  // Replaces the whole content: the header texts and one row of cell texts per row.
  void SetContent(const std::vector<std::string>& headers,
                  const std::vector<std::vector<std::string>>& rows);
  // The cell text of a row (0 = the first row under the header).
  std::string CellText(int row, int column) const;

 signals:
  // Enter or a double click on `row` (0 = the first row under the header).
  void RowActivated(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // Each column as wide as its widest text or its header.
  void FitColumnsToTexts(std::size_t columns, const std::vector<std::vector<std::string>>& rows);

  int wheelRemainder_ = 0;  // wheel turn not yet worth a line (fine-grained wheels)
};

}  // namespace kol::editor
