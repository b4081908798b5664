// A long operation of the window: the wait pointer shows and the window takes no input
// until the scope ends, however it ends; then the focus goes back where it was.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace kol::editor {

class BusyScope {
 public:
  explicit BusyScope(QWidget* window) : window_(window), focus_(QApplication::focusWidget()) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (window_) window_->setEnabled(false);
  }
  ~BusyScope() {
    if (window_) window_->setEnabled(true);
    if (focus_ && focus_->isVisible() && focus_->isEnabled()) focus_->setFocus(Qt::OtherFocusReason);
    QApplication::restoreOverrideCursor();
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> focus_;
};

}  // namespace kol::editor
