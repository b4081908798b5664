#include "editor/page.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "editor/widgets/key_filter.h"
#include "files/file_host.h"

namespace kol::editor {

void Page::Show(const NodeTarget& target) {
  const UpdateLockScope lock(services_.controller.Flags());
  shown_ = target;
  ShowFor(target);
  FillBound();
}

void Page::FillBound() {
  for (const auto& fill : fillers_) fill();
  ShowState();
}

bool Page::Change(const std::string& caption, const QWidget& control,
                  const std::function<void(SettingsModel&)>& change, bool typing) {
  if (services_.Locked() || !isVisible()) return false;
  const EditStep step{
      caption + " of " + Subject(), {shown_.key, control.objectName().toStdString()}, {}, typing};
  if (!services_.controller.Edit(step, change)) return false;
  ShowState();
  return true;
}

void Page::BindList(QComboBox& list, std::string caption, std::function<int(const SettingsModel&)> shown,
                    std::function<void(SettingsModel&, int)> store, std::function<void()> after) {
  fillers_.push_back([this, &list, shown = std::move(shown)] { list.setCurrentIndex(shown(Model())); });
  connect(&list, &QComboBox::currentIndexChanged, this,
          [this, &list, caption = std::move(caption), store = std::move(store), after = std::move(after)](int index) {
            if (index < 0) return;
            if (Change(caption, list, [&](SettingsModel& m) { store(m, index); }) && after) after();
          });
}

void Page::BindBox(QAbstractButton& box, std::string caption, std::function<bool(const SettingsModel&)> shown,
                   std::function<void(SettingsModel&, bool)> store, std::function<void()> after) {
  fillers_.push_back([this, &box, shown = std::move(shown)] { box.setChecked(shown(Model())); });
  connect(&box, &QAbstractButton::clicked, this,
          [this, &box, caption = std::move(caption), store = std::move(store), after = std::move(after)](bool ticked) {
            if (Change(caption, box, [&](SettingsModel& m) { store(m, ticked); }) && after) after();
          });
}

void Page::BindText(CommitField& field, std::string caption, TextRules rules) {
  auto shown = rules.shown;
  field.SetRules({.caption = std::move(rules.refusalTitle),
                  .name = caption,
                  .hint = std::move(rules.hint),
                  .commit =
                      [this, &field, caption, accepts = std::move(rules.accepts), store = std::move(rules.store),
                       after = std::move(rules.after)](const std::string& trimmed) {
                        if (accepts && !accepts(trimmed)) return false;
                        if (!Change(caption, field, [&](SettingsModel& m) { store(m, trimmed); })) return false;
                        if (after) after(trimmed);
                        return true;
                      },
                  .storedText = [this, shown] { return shown(Model()); },
                  .onRefusal = rules.onRefusal});
  fillers_.push_back([&field] { field.Refill(); });
}

void Page::BindTyped(QLineEdit& field, std::string caption, std::function<std::string(const SettingsModel&)> shown,
                     std::function<void(SettingsModel&, const std::string&)> store) {
  fillers_.push_back([this, &field, shown = std::move(shown)] {
    SetUnfilteredText(field, QString::fromStdString(shown(Model())));
  });
  connect(&field, &QLineEdit::textChanged, this,
          [this, &field, caption = std::move(caption), store = std::move(store)](const QString& text) {
            Change(caption, field, [&](SettingsModel& m) { store(m, text.toStdString()); }, true);
          });
}

}  // namespace kol::editor
