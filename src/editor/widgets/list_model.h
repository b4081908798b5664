// A list of the document as a Qt model: the channels of a plan, the EXP channels or the
// entries of a directory, one row each. Cells are read from the document when a view asks
// for them, so a list is shown without building its rows, and follows every edit.
#pragma once

#include <QAbstractTableModel>

#include <optional>
#include <string>

#include "files/list_tables.h"
#include "model/channel_rules.h"
#include "model/document.h"

namespace kol::editor {

class ListModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ListModel(const Document& document, QObject* parent = nullptr);

  // Shows `list` of the document.
  void Show(ListId list);
  ListId List() const { return list_; }
  // The document changed: every cell is read again.
  void Refresh();

  // The switch a column of marks stands for (the plan lists toggle them in place).
  std::optional<PlanSwitch> SwitchAt(int column) const;
  // Whether the switch of a cell may change, under the channel editor's rules.
  bool MayToggle(int row, int column) const;
  // The text of a cell.
  std::string Text(int row, int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const ChannelRecord& PlanRecord(int row) const;

  const Document& document_;
  ListId list_;
};

}  // namespace kol::editor
