#include "editor/pages/channel_list_page.h"

#include <QApplication>
#include <QHeaderView>
#include <QVBoxLayout>

#include <algorithm>

#include "editor/list_commands.h"
#include "editor/widgets/list_grid.h"

namespace kol::editor {

ChannelListPage::ChannelListPage(EditorServices& services, QWidget* parent)
    : Page(services, parent), grid_(new ListGrid(services.controller.Doc(), this)) {
  grid_->setObjectName(kChannelGrid);
  grid_->horizontalHeader()->setStretchLastSection(false);  // columns as wide as their texts
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_);
  services_.lists.Serve(*grid_, [this](int row) {
    services_.window.SelectNode(RowNodeKey(Model(), grid_->Model().List(), row));
  });
  connect(grid_, &ListGrid::ToggleAsked, this, &ChannelListPage::Toggle);
}

void ChannelListPage::ShowFor(const NodeTarget& target) {
  grid_->Show(target.kind == PageKind::kExpList ? ListId{ListKind::kExpChannels}
                                                : ListId{ListKind::kPlanChannels, target.group});
}

void ChannelListPage::Toggle(int row, int column) {
  const ListModel& list = grid_->Model();
  const std::optional<PlanSwitch> which = list.SwitchAt(column);
  if (!which || services_.Locked()) return;
  if (!list.MayToggle(row, column)) {
    QApplication::beep();  // the channel editor's box would be disabled
    return;
  }
  const ListId id = list.List();
  const ChannelPlan& plan = Model().group[static_cast<std::size_t>(id.group)];
  const bool on = !SwitchOf(plan[static_cast<std::size_t>(row)], *which);
  std::vector<int> rows = grid_->SelectedRows();
  if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows = {row};
  // Rows that hold the value already, or may not take it, stay as they are.
  std::erase_if(rows, [&](int r) {
    const ChannelRecord& record = plan[static_cast<std::size_t>(r)];
    return SwitchOf(record, *which) == on || !PlanSwitchAllowed(record, *which, on);
  });
  const EditStep step =
      RowsStep(std::string(PlanSwitchCaption(*which)) + " of " + RowsName(Model(), id, rows), id, rows);
  services_.controller.Edit(step, [&](SettingsModel& model) {
    for (int r : rows) SwitchOf(model.group[static_cast<std::size_t>(id.group)][static_cast<std::size_t>(r)], *which) = on;
  });
}

}  // namespace kol::editor
