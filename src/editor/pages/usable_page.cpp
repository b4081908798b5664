#include "editor/pages/usable_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editor/widgets/commit_field.h"
#include "editor/widgets/key_filter.h"
#include "editor/widgets/key_help.h"
#include "editor/widgets/option_combo.h"
#include "model/setup_rules.h"

namespace kol::editor {
namespace {

constexpr const char* kRowCaptions[] = {"USA", "International", "Canada", "EXP CH Group"};

}  // namespace

UsablePage::UsablePage(EditorServices& services, QWidget* parent) : FormPage(services, parent) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  for (int row = 0; row < kRows; ++row) BuildRow(*grid, row);
  grid->setColumnStretch(5, 1);
  Body()->addLayout(grid);
  BuildExpansionBoxes();
  Body()->addStretch(1);
}

void UsablePage::BuildRow(QGridLayout& grid, int row) {
  const auto g = static_cast<std::size_t>(row);
  const std::string caption = kRowCaptions[row];
  usable_[row] = NewBox(this, Indexed("chkUsable", row), kRowCaptions[row]);
  BindBox(
      *usable_[row], caption, [g](const SettingsModel& m) { return m.usable.group[g].usable; },
      [row](SettingsModel& m, bool ticked) { SetGroupUsable(m.usable, row, ticked); },
      [this, row] {
        // The rule may have taken the group's EXP use with it.
        if (row < kPlanRows) exp_[row]->setChecked(Model().usable.expChGroup[static_cast<std::size_t>(row)]);
      });
  grid.addWidget(usable_[row], row, 0);

  statusLabel_[row] = NewLabel(this, Indexed("lblUsableStatus", row), "Status Name");
  statusName_[row] = new CommitField(services_, this);
  CommitField& name = *statusName_[row];
  name.setObjectName(Indexed("txtUsable", row));
  InstallKeyFilter(name, KeyFilter::kStatusName);
  SetKeyHelp(name, key_help::kStatusName);
  name.setMaximumWidth(name.fontMetrics().horizontalAdvance(QString(8, 'W')));
  // A status name is never refused, only cut.
  BindText(name, caption + " Status Name",
           {"", nullptr,
            [g](SettingsModel& m, const std::string& trimmed) {
              m.usable.group[g].statusName = CommittedStatusName(trimmed);
            },
            [g](const SettingsModel& m) { return m.usable.group[g].statusName; },
            CommitField::OnRefusal::kMessageOrRevert});
  statusLabel_[row]->setBuddy(&name);
  grid.addWidget(statusLabel_[row], row, 1);
  grid.addWidget(&name, row, 2);

  if (row >= kPlanRows) return;  // the EXP group has no priority channel
  priorityLabel_[row] = NewLabel(this, Indexed("lblUsablePri", row), "Priority CH");
  priority_[row] = NewList(this, Indexed("cmbUsablePri", row), {});
  priorityLabel_[row]->setBuddy(priority_[row]);
  BindData(*priority_[row], caption + " Priority CH", [g](auto& m) -> auto& { return m.usable.group[g].priorityCh; });
  grid.addWidget(priorityLabel_[row], row, 3);
  grid.addWidget(priority_[row], row, 4);
}

void UsablePage::BuildExpansionBoxes() {
  auto* frame = new QGroupBox("Expansion Channel Group", this);
  frame->setObjectName("fraEXP");
  auto* row = new QHBoxLayout(frame);
  for (int j = 0; j < kPlanRows; ++j) {
    const auto g = static_cast<std::size_t>(j);
    exp_[j] = NewBox(frame, Indexed("chkEXP", j), {});
    BindBox(*exp_[j], "EXP use in " + GroupBoxCaption(j, {}), [g](auto& m) -> auto& { return m.usable.expChGroup[g]; });
    row->addWidget(exp_[j]);
  }
  row->addStretch(1);
  Body()->addWidget(frame);
}

void UsablePage::ShowFor(const NodeTarget&) {
  const SettingsModel& model = Model();
  for (int g = 0; g < kPlanRows; ++g) {
    FillCombo(*priority_[g], options::EnabledChannelItems(model.group[static_cast<std::size_t>(g)]));
  }
}

bool UsablePage::Validate() {
  bool passed = true;
  for (CommitField* name : statusName_) passed = name->Validate() && passed;
  return passed;
}

void UsablePage::ShowState() {
  const UsableSetup& usable = Model().usable;
  for (int row = 0; row < kRows; ++row) {
    const bool on = usable.group[static_cast<std::size_t>(row)].usable;
    statusLabel_[row]->setEnabled(on);
    statusName_[row]->setEnabled(on);
    if (row < kPlanRows) {
      priorityLabel_[row]->setEnabled(on);
      priority_[row]->setEnabled(on);
    }
  }
  // An EXP box takes input while the EXP group and its own group are usable; it shows its
  // stored tick either way (unticking the group is what clears it). It names the group's
  // status name.
  for (int j = 0; j < kPlanRows; ++j) {
    const UsableGroup& group = usable.group[static_cast<std::size_t>(j)];
    exp_[j]->setEnabled(usable.group[kExpGroup].usable && group.usable);
    exp_[j]->setText(QString::fromStdString(GroupBoxCaption(j, group.statusName)));
  }
}

}  // namespace kol::editor
