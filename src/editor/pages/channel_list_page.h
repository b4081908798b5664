// The channel lists (pictB): a channel plan or the EXP channels as read-only rows; Enter or
// a double click on a row opens that channel in the channel editor.
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
  // The node a row opens: the channel's node of the plan, or the EXP channel's node.
  std::string RowNodeKey(int row) const;

  ListGrid* grid_;
};

}  // namespace kol::editor
