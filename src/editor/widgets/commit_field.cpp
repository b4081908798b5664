#include "editor/widgets/commit_field.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

#include "editor/page.h"
#include "editor/widgets/key_filter.h"
#include "model/formatters.h"

namespace kol::editor {
namespace {

// The page a widget lies on, or its window when it lies on none.
const QWidget* PageOf(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    if (qobject_cast<const Page*>(w)) return w;
  }
  return widget ? widget->window() : nullptr;
}

constexpr char kRefused[] = "Data Error!!";

}  // namespace

CommitField::CommitField(EditorServices& services, QWidget* parent)
    : QLineEdit(parent), services_(services) {
  connect(this, &QLineEdit::textEdited, this, [this] {
    if (services_.Locked()) return;
    pending_ = true;
    services_.controller.Typed();
  });
}

void CommitField::SetRules(Rules rules) { rules_ = std::move(rules); }

void CommitField::Refill() {
  shown_ = QString::fromStdString(rules_.storedText ? rules_.storedText() : std::string());
  SetUnfilteredText(*this, shown_);
  pending_ = false;
}

bool CommitField::TryCommit() {
  const std::string trimmed(TrimBlanks(text().toStdString()));
  if (!rules_.commit || !rules_.commit(trimmed)) return false;
  Refill();
  return true;
}

void CommitField::NoteNotChanged() {
  services_.window.ShowStatusNote(Name() + " not changed. " + rules_.hint);
}

bool CommitField::Validate() {
  if (!pending_) return true;
  if (TryCommit()) return true;
  if (rules_.onRefusal == OnRefusal::kKeepSilently) {
    NoteNotChanged();
    return true;
  }
  services_.prompts.Show({.title = rules_.caption,
                          .text = kRefused,
                          .icon = MessageIcon::kExclamation,
                          .explanation = rules_.hint});
  // The message box took the focus; give it back once it has gone.
  QTimer::singleShot(0, this, [this] {
    setFocus(Qt::OtherFocusReason);
    selectAll();
  });
  return false;
}

void CommitField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A menu, a popup or another window takes the focus only for a while.
  const Qt::FocusReason reason = event->reason();
  if (!pending_ || reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
      reason == Qt::MenuBarFocusReason) {
    return;
  }
  // Tabbing on, or moving to another control of the same page, asks for the check; a
  // click elsewhere (the tree, another window) leaves the field.
  const QWidget* next = QApplication::focusWidget();
  const bool tabbed = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
  if (tabbed || (next && PageOf(next) == PageOf(this))) {
    Validate();
    return;
  }
  if (TryCommit()) return;
  // Leaving the page: a refused text gives way to what the field showed before.
  if (rules_.onRefusal == OnRefusal::kMessageOrRevert) {
    SetUnfilteredText(*this, shown_);
    pending_ = false;
  }
  NoteNotChanged();
}

void CommitField::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Validate();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace kol::editor
