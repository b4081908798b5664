#include "editor/widgets/rule_line.h"

#include <QPainter>

namespace kol::editor {
namespace {

constexpr int kThickness = 2;

}  // namespace

RuleLine::RuleLine(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {
  if (orientation_ == Qt::Vertical) {
    setFixedWidth(kThickness + 4);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  } else {
    setFixedHeight(kThickness + 4);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  }
}

void RuleLine::SetActive(bool active) {
  if (active_ == active) return;
  active_ = active;
  update();
}

QColor RuleLine::LineColor() const {
  return palette().color(active_ ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
}

QSize RuleLine::sizeHint() const {
  return orientation_ == Qt::Vertical ? QSize(kThickness + 4, 24) : QSize(24, kThickness + 4);
}

void RuleLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect();
  if (orientation_ == Qt::Vertical) {
    painter.fillRect(area.center().x() - kThickness / 2, area.top(), kThickness, area.height(),
                     LineColor());
  } else {
    painter.fillRect(area.left(), area.center().y() - kThickness / 2, area.width(), kThickness,
                     LineColor());
  }
}

}  // namespace kol::editor
