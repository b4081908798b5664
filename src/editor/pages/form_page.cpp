#include "editor/pages/form_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "editor/widgets/key_filter.h"
#include "editor/widgets/key_help.h"
#include "editor/widgets/option_combo.h"

namespace kol::editor {

FormPage::FormPage(EditorServices& services, QWidget* parent) : Page(services, parent) {
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* content = new QWidget(scroll);
  body_ = new QVBoxLayout(content);
  scroll->setWidget(content);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);
}

QComboBox* FormPage::NewList(QWidget* parent, const QString& name,
                             std::span<const std::string_view> texts) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  FillCombo(*list, texts);
  return list;
}

QCheckBox* FormPage::NewBox(QWidget* parent, const QString& name, const QString& caption) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  SetKeyHelp(*box, key_help::kCheckBox);
  return box;
}

QLabel* FormPage::NewLabel(QWidget* parent, const QString& name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

CommitField* FormPage::NewDigitsField(QWidget* parent, const QString& name, const char* keyHelp, int length) {
  auto* field = new CommitField(services_, parent);
  field->setObjectName(name);
  field->setMaxLength(length);
  InstallKeyFilter(*field, KeyFilter::kDigits);
  SetKeyHelp(*field, keyHelp);
  return field;
}

}  // namespace kol::editor
