// The channel lists (pictB): a channel plan or the EXP channels, one row per channel. Enter
// or a double click on a row opens the channel in the channel editor; a plan channel's
// switches toggle in place, under the channel editor's rules, in every selected row at once.
#pragma once

#include "editor/page.h"

namespace kol::editor {

class ListGrid;

class ChannelListPage final : public Page {
  Q_OBJECT
 public:
  ChannelListPage(EditorServices& services, QWidget* parent);

 protected:
  void ShowFor(const NodeTarget& target) override;

 private:
  // The switch of `column` in `row`, and in the other selected rows when `row` is one of
  // them, turned to the opposite of what `row` holds: one step.
  void Toggle(int row, int column);

  ListGrid* grid_;
};

}  // namespace kol::editor
