#include "editor/window_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <map>

namespace kol::editor {
namespace {

QPixmap IconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);
  // Tile.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1d, 0x5f, 0x9e));
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
  // Waves along the bottom.
  p.setBrush(QColor(0x4f, 0x9d, 0xd9));
  QPainterPath sea;
  sea.moveTo(2, 48);
  sea.cubicTo(14, 42, 22, 54, 34, 48);
  sea.cubicTo(44, 43, 52, 52, 62, 47);
  sea.lineTo(62, 50);
  sea.arcTo(QRectF(38, 38, 24, 24), 0, -90);
  sea.lineTo(14, 62);
  sea.arcTo(QRectF(2, 38, 24, 24), 270, -90);
  sea.closeSubpath();
  p.drawPath(sea);
  // Radio: antenna, body, display and keys.
  p.setBrush(QColor(0x20, 0x20, 0x24));
  p.drawRoundedRect(QRectF(37, 6, 4, 14), 2, 2);
  p.setBrush(QColor(0xf2, 0xf2, 0xee));
  p.drawRoundedRect(QRectF(22, 16, 22, 38), 5, 5);
  p.setBrush(QColor(0x8f, 0xd0, 0x8a));
  p.drawRect(QRectF(26, 21, 14, 9));
  p.setBrush(QColor(0x20, 0x20, 0x24));
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) p.drawEllipse(QRectF(26.5 + col * 5, 34 + row * 5, 3.5, 3.5));
  }
  p.setBrush(QColor(0xd6, 0x2d, 0x20));
  p.drawRoundedRect(QRectF(26, 49, 14, 3), 1.5, 1.5);
  return pixmap;
}

// Draws the icon at the size asked for, when it is asked for: a window shows at once, and
// only the sizes the desktop uses are ever drawn.
class DrawnIconEngine final : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = std::max(1, std::min(size.width(), size.height()));
    auto found = drawn_.find(side);
    if (found == drawn_.end()) found = drawn_.emplace(side, IconPixmap(side)).first;
    return found->second;
  }
  // The sizes a window manager takes for a window's icon.
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
  }
  QIconEngine* clone() const override { return new DrawnIconEngine; }
  QString key() const override { return "kolprog"; }

 private:
  std::map<int, QPixmap> drawn_;
};

}  // namespace

QIcon ApplicationIcon() { return QIcon(new DrawnIconEngine); }

}  // namespace kol::editor
