#include "editor/pages/form_page.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "editor/widgets/commit_field.h"
#include "editor/widgets/key_filter.h"
#include "editor/widgets/key_help.h"
#include "editor/widgets/option_combo.h"
#include "model/setup_rules.h"

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

CommitField* FormPage::NewCodeField(QWidget* parent, const QString& name, const char* caption,
                                   const char* plainName, const char* keyHelp, int length,
                                   std::string& stored) {
  auto* field = new CommitField(services_, parent);
  field->setObjectName(name);
  field->setMaxLength(length);
  InstallKeyFilter(*field, KeyFilter::kDigits);
  SetKeyHelp(*field, keyHelp);
  field->SetRules({.caption = caption,
                   .name = plainName,
                   .hint = "Type exactly " + std::to_string(length) + " digits, or leave the field empty.",
                   .commit =
                       [&stored, length](const std::string& trimmed) {
                         if (!HasRequiredLength(trimmed, static_cast<std::size_t>(length))) return false;
                         stored = trimmed;
                         return true;
                       },
                   .storedText = [&stored] { return stored; }});
  return field;
}

void FormPage::BindList(QComboBox& list, std::function<int()> shownIndex,
                        std::function<void(int)> store) {
  fillers_.push_back([&list, shownIndex = std::move(shownIndex)] { list.setCurrentIndex(shownIndex()); });
  connect(&list, &QComboBox::currentIndexChanged, this, [this, store = std::move(store)](int index) {
    if (!UserEdit() || index < 0) return;
    store(index);
    services_.MarkChanged();
  });
}

void FormPage::BindIndex(QComboBox& list, std::int16_t& field) {
  BindList(list, [&field] { return static_cast<int>(field); },
           [&field](int index) { field = static_cast<std::int16_t>(index); });
}

void FormPage::BindBool(QComboBox& list, bool& field) {
  BindList(list, [&field] { return field ? 1 : 0; }, [&field](int index) { field = index != 0; });
}

void FormPage::BindBox(QAbstractButton& box, std::function<bool()> shown, std::function<void(bool)> store) {
  fillers_.push_back([&box, shown = std::move(shown)] { box.setChecked(shown()); });
  connect(&box, &QAbstractButton::clicked, this, [this, store = std::move(store)](bool ticked) {
    if (!UserEdit()) return;
    store(ticked);
    services_.MarkChanged();
  });
}

void FormPage::BindBox(QAbstractButton& box, bool& field) {
  BindBox(box, [&field] { return field; }, [&field](bool ticked) { field = ticked; });
}

void FormPage::FillBound() {
  const Filling filling(*this);
  for (const auto& fill : fillers_) fill();
}

}  // namespace kol::editor
