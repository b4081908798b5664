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
  UsableGroup& group = services_.document.model.usable.group[static_cast<std::size_t>(row)];

  usable_[row] = NewBox(this, Indexed("chkUsable", row), kRowCaptions[row]);
  BindBox(*usable_[row], [&group] { return group.usable; },
          [this, row](bool ticked) { ApplyUsable(row, ticked); });
  grid.addWidget(usable_[row], row, 0);

  statusLabel_[row] = NewLabel(this, Indexed("lblUsableStatus", row), "Status Name");
  statusName_[row] = new CommitField(services_, this);
  CommitField& name = *statusName_[row];
  name.setObjectName(Indexed("txtUsable", row));
  InstallKeyFilter(name, KeyFilter::kStatusName);
  SetKeyHelp(name, key_help::kStatusName);
  name.setMaximumWidth(name.fontMetrics().horizontalAdvance(QString(8, 'W')));
  name.SetRules({.commit =
                     [&group](const std::string& trimmed) {
                       group.statusName = CommittedStatusName(trimmed);
                       return true;  // a status name is never refused, only cut
                     },
                 .storedText = [&group] { return group.statusName; }});
  connect(&name, &CommitField::Committed, this, &UsablePage::UpdateExpCaptions);
  statusLabel_[row]->setBuddy(&name);
  grid.addWidget(statusLabel_[row], row, 1);
  grid.addWidget(&name, row, 2);

  if (row >= kPlanRows) return;  // the EXP group has no priority channel
  priorityLabel_[row] = NewLabel(this, Indexed("lblUsablePri", row), "Priority CH");
  priority_[row] = NewList(this, Indexed("cmbUsablePri", row), {});
  priorityLabel_[row]->setBuddy(priority_[row]);
  BindData(*priority_[row], group.priorityCh);
  grid.addWidget(priorityLabel_[row], row, 3);
  grid.addWidget(priority_[row], row, 4);
}

void UsablePage::BuildExpansionBoxes() {
  auto* frame = new QGroupBox("Expansion Channel Group", this);
  frame->setObjectName("fraEXP");
  auto* row = new QHBoxLayout(frame);
  std::array<bool, 3>& flags = services_.document.model.usable.expChGroup;
  for (int j = 0; j < kPlanRows; ++j) {
    exp_[j] = NewBox(frame, Indexed("chkEXP", j), {});
    BindBox(*exp_[j], flags[static_cast<std::size_t>(j)]);
    row->addWidget(exp_[j]);
  }
  row->addStretch(1);
  Body()->addWidget(frame);
}

void UsablePage::ShowFor(const NodeTarget&) {
  const SettingsModel& model = services_.document.model;
  for (int g = 0; g < kPlanRows; ++g) {
    FillCombo(*priority_[g], options::EnabledChannelItems(model.group[static_cast<std::size_t>(g)]));
  }
  FillBound();
  for (int row = 0; row < kRows; ++row) {
    statusName_[row]->Refill();
    ShowUsableState(row);
  }
  UpdateExpCaptions();
}

bool UsablePage::Validate() {
  bool passed = true;
  for (CommitField* name : statusName_) passed = name->Validate() && passed;
  return passed;
}

void UsablePage::ApplyUsable(int group, bool on) {
  SetGroupUsable(services_.document.model.usable, group, on);
  if (group < kPlanRows) exp_[group]->setChecked(services_.document.model.usable.expChGroup[group]);
  ShowUsableState(group);
}

void UsablePage::ShowUsableState(int group) {
  const UsableSetup& usable = services_.document.model.usable;
  const bool on = usable.group[static_cast<std::size_t>(group)].usable;
  statusLabel_[group]->setEnabled(on);
  statusName_[group]->setEnabled(on);
  if (group < kPlanRows) {
    priorityLabel_[group]->setEnabled(on);
    priority_[group]->setEnabled(on);
  }
  // An EXP box takes input while the EXP group and its own group are usable; it shows its
  // stored tick either way (unticking the group is what clears it).
  for (int j = 0; j < kPlanRows; ++j) {
    exp_[j]->setEnabled(usable.group[kExpGroup].usable && usable.group[static_cast<std::size_t>(j)].usable);
  }
}

void UsablePage::UpdateExpCaptions() {
  const UsableSetup& usable = services_.document.model.usable;
  for (int j = 0; j < kPlanRows; ++j) {
    exp_[j]->setText(QString::fromStdString(GroupBoxCaption(j, usable.group[static_cast<std::size_t>(j)].statusName)));
  }
}

}  // namespace kol::editor
