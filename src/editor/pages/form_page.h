// A page of labelled lists, boxes and fields in a body that scrolls when the window is too
// small, with the makers of its controls: each carries its name and its key help.
#pragma once

#include <QComboBox>
#include <QString>

#include <span>
#include <string>
#include <string_view>

#include "editor/page.h"
#include "model/setup_rules.h"

class QCheckBox;
class QLabel;
class QVBoxLayout;

namespace kol::editor {

class FormPage : public Page {
  Q_OBJECT
 public:
  FormPage(EditorServices& services, QWidget* parent);

 protected:
  // The layout the page's controls go into; it scrolls when the window is too small.
  QVBoxLayout* Body() const { return body_; }

  // The name of control `index` of an array: "chkEXP_2".
  static QString Indexed(const QString& name, int index) { return QString("%1_%2").arg(name).arg(index); }
  QComboBox* NewList(QWidget* parent, const QString& name, std::span<const std::string_view> texts);
  QCheckBox* NewBox(QWidget* parent, const QString& name, const QString& caption);
  static QLabel* NewLabel(QWidget* parent, const QString& name, const QString& caption);
  // A digits-only field bound to the text setting `at`, which takes it only empty or exactly
  // `length` digits long; another length is refused under `refusalTitle`.
  template <typename At>
  CommitField* NewCodeField(QWidget* parent, const QString& name, std::string caption,
                            const char* refusalTitle, const char* keyHelp, int length, At at) {
    CommitField* field = NewDigitsField(parent, name, keyHelp, length);
    BindText(*field, std::move(caption),
             {refusalTitle,
              [length](const std::string& trimmed) {
                return HasRequiredLength(trimmed, static_cast<std::size_t>(length));
              },
              [at](SettingsModel& m, const std::string& trimmed) { at(m) = trimmed; },
              [at](const SettingsModel& m) { return at(m); }, CommitField::OnRefusal::kMessageOrRevert,
              "Type exactly " + std::to_string(length) + " digits, or leave the field empty."});
    return field;
  }

 private:
  CommitField* NewDigitsField(QWidget* parent, const QString& name, const char* keyHelp, int length);

  QVBoxLayout* body_;
};

}  // namespace kol::editor
