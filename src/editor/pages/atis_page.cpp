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
  AtisSetup& atis = services_.document.model.atis;
  auto* frame = new QGroupBox("Usable ATIS CH Group", this);
  auto* column = new QVBoxLayout(frame);
  for (int g = 0; g < 4; ++g) {
    groups_[g] = NewBox(frame, Indexed("chkATISChGroup", g), {});
    BindBox(*groups_[g], atis.usableGroup[static_cast<std::size_t>(g)]);
    column->addWidget(groups_[g]);
  }
  Body()->addWidget(frame);

  code_ = NewCodeField(this, "txtATIScode", "ATISNo", "ATIS code", key_help::kAtisCode, field_limits::kAtisCode,
                       atis.atisCode);
  auto* row = new QHBoxLayout;
  QLabel* label = NewLabel(this, "lblATIScode", "ATIS Code");
  label->setBuddy(code_);
  row->addWidget(label);
  row->addWidget(code_);
  row->addStretch(1);
  Body()->addLayout(row);
  Body()->addStretch(1);
}

void AtisPage::ShowFor(const NodeTarget&) {
  FillBound();
  const UsableSetup& usable = services_.document.model.usable;
  for (int g = 0; g < 4; ++g) {
    const UsableGroup& group = usable.group[static_cast<std::size_t>(g)];
    groups_[g]->setEnabled(group.usable);
    groups_[g]->setText(QString::fromStdString(GroupBoxCaption(g, group.statusName)));
  }
  code_->Refill();
}

bool AtisPage::Validate() { return code_->Validate(); }

}  // namespace kol::editor
