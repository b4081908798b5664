#include "editor/pages/channel_list_page.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "editor/widgets/list_grid.h"
#include "model/channel_rules.h"

namespace kol::editor {

ChannelListPage::ChannelListPage(EditorServices& services, QWidget* parent)
    : Page(services, parent), grid_(new ListGrid(this)) {
  grid_->setObjectName("MSFlexGrid1");
  grid_->horizontalHeader()->setStretchLastSection(false);  // columns as wide as their texts
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  connect(grid_, &ListGrid::RowActivated, this, [this](int row) {
    const std::string key = RowNodeKey(row);
    if (!key.empty()) services_.window.SelectNode(key);
  });
}

void ChannelListPage::ShowFor(const NodeTarget& target) {
  const SettingsModel& model = Model();
  if (target.kind == PageKind::kExpList) {
    grid_->SetContent(ExpListHeaders(), ExpListRows(model.exp));
  } else {
    grid_->SetContent(PlanListHeaders(), PlanListRows(model.group[static_cast<std::size_t>(target.group)]));
  }
}

std::string ChannelListPage::RowNodeKey(int row) const {
  if (Shown().kind == PageKind::kExpList) return LeafKey(node_key::kExpLeafPrefix, row + 1);
  // The row's channel is found again by its number in the channel table; a number the
  // table does not know leads back to the list's own node.
  const int position = ChannelPosition(grid_->CellText(row, 0));
  return position < 0 ? Shown().key : LeafKey(Shown().key, position);
}

}  // namespace kol::editor
