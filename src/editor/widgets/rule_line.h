// The thin line beside a group of controls that one setting switches on and off: drawn in
// the window-text colour while the controls are enabled, in the disabled colour otherwise.
#pragma once

#include <QWidget>

namespace kol::editor {

class RuleLine : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool active READ Active WRITE SetActive)
 public:
  explicit RuleLine(Qt::Orientation orientation, QWidget* parent = nullptr);
  bool Active() const { return active_; }
  void SetActive(bool active);
  // The colour the line is drawn in now.
  QColor LineColor() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Qt::Orientation orientation_;
  bool active_ = true;
};

}  // namespace kol::editor
