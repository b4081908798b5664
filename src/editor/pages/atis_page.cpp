#include "editor/pages/atis_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editor/widgets/commit_field.h"
#include "editor/widgets/key_help.h"
#include "model/field_limits.h"
#include "model/setup_rules.h"

namespace kol::editor {

AtisPage::AtisPage(EditorServices& services, QWidget* parent) : FormPage(services, parent) {
  auto* frame = new QGroupBox("Usable ATIS CH Group", this);
  auto* column = new QVBoxLayout(frame);
  for (std::size_t g = 0; g < groups_.size(); ++g) {
    groups_[g] = NewBox(frame, Indexed("chkATISChGroup", static_cast<int>(g)), {});
    BindBox(*groups_[g], "ATIS use of " + GroupBoxCaption(static_cast<int>(g), {}),
            [g](auto& m) -> auto& { return m.atis.usableGroup[g]; });
    column->addWidget(groups_[g]);
  }
  Body()->addWidget(frame);

  code_ = NewCodeField(this, "txtATIScode", "ATIS Code", "ATISNo", key_help::kAtisCode, field_limits::kAtisCode,
                       [](auto& m) -> auto& { return m.atis.atisCode; });
  auto* row = new QHBoxLayout;
  QLabel* label = NewLabel(this, "lblATIScode", "ATIS Code");
  label->setBuddy(code_);
  row->addWidget(label);
  row->addWidget(code_);
  row->addStretch(1);
  Body()->addLayout(row);
  Body()->addStretch(1);
}

void AtisPage::ShowState() {
  const UsableSetup& usable = Model().usable;
  for (std::size_t g = 0; g < groups_.size(); ++g) {
    const UsableGroup& group = usable.group[g];
    groups_[g]->setEnabled(group.usable);
    groups_[g]->setText(QString::fromStdString(GroupBoxCaption(static_cast<int>(g), group.statusName)));
  }
}

bool AtisPage::Validate() { return code_->Validate(); }

}  // namespace kol::editor
