#include "editor/whole_pixel_style.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleOption>

#include <cmath>

namespace kol::editor {
namespace {

// The lines of a frame, from the outside in: its outline, an inner highlight, the edge of
// its fill. Each is one logical pixel wide.
constexpr int kRings = 3;
// The side of the picture the rings are read from: the rings on each side and a middle.
constexpr int kSample = 2 * kRings + 3;

bool IsRectangularFrame(QStyle::PrimitiveElement element) {
  return element == QStyle::PE_Frame || element == QStyle::PE_FrameTabWidget;
}

bool OnFractionalPixels(const QPainter& painter) {
  const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
  return ratio != std::floor(ratio);
}

}  // namespace

void WholePixelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
  const QRect frame = option->rect;
  if (!IsRectangularFrame(element) || !OnFractionalPixels(*painter) || frame.width() < kSample ||
      frame.height() < kSample) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  // Inside the rings the style draws as it does (the pane's fill); the rings themselves are
  // filled as whole logical pixels, which the painter rounds to device pixels exactly as it
  // rounds the widget's own edges and its viewport's, so no line falls between them.
  painter->save();
  painter->setClipRect(frame.adjusted(kRings, kRings, -kRings, -kRings), Qt::IntersectClip);
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  painter->restore();

  const QImage rings = FrameAtOnePixel(element, *option, widget);
  const int middle = kSample / 2;
  for (int i = 0; i < kRings; ++i) {
    const QRect ring = frame.adjusted(i, i, -i, -i);
    const int sideHeight = ring.height() - 2;
    painter->fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), rings.pixelColor(middle, i));
    painter->fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1),
                      rings.pixelColor(middle, kSample - 1 - i));
    painter->fillRect(QRect(ring.left(), ring.top() + 1, 1, sideHeight), rings.pixelColor(i, middle));
    painter->fillRect(QRect(ring.right(), ring.top() + 1, 1, sideHeight),
                      rings.pixelColor(kSample - 1 - i, middle));
  }
}

// The frame as the style draws it where a logical pixel is a device pixel, small, on a
// transparent ground: each ring's colour on each side is read from it.
QImage WholePixelStyle::FrameAtOnePixel(PrimitiveElement element, const QStyleOption& option,
                                        const QWidget* widget) const {
  QImage picture(kSample, kSample, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  auto draw = [&](auto copy) {
    copy.rect = picture.rect();
    QProxyStyle::drawPrimitive(element, &copy, &painter, widget);
  };
  if (const auto* pane = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(&option)) {
    QStyleOptionTabWidgetFrame copy = *pane;
    copy.tabBarRect = QRect();  // the pane's own edges, with no tab standing on them
    copy.selectedTabRect = QRect();
    draw(copy);
  } else if (const auto* framed = qstyleoption_cast<const QStyleOptionFrame*>(&option)) {
    draw(*framed);
  } else {
    draw(option);
  }
  return picture;
}

void UseWholePixelStyle() { QApplication::setStyle(new WholePixelStyle); }

}  // namespace kol::editor
