#include "editor/dialogs/transfer_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace kol::editor {
namespace {

const QColor kOutline(0x30, 0x30, 0x34);
const QColor kBody(0xe8, 0xe8, 0xe4);
const QColor kDark(0x26, 0x28, 0x2c);
const QColor kDisplay(0x8f, 0xd0, 0x8a);
const QColor kScreen(0x4f, 0x9d, 0xd9);

QPixmap Draw(QSize size, qreal scale, const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(size * scale);
  pixmap.setDevicePixelRatio(scale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kOutline, 1.5));
  draw(painter);
  return pixmap;
}

}  // namespace

// A fixed-mount marine radio: a box with its display, knobs, keys and the red distress key,
// and the handset on its cord.
QPixmap RadioPicture(qreal scale) {
  return Draw({120, 84}, scale, [](QPainter& p) {
    p.setBrush(kDark);
    p.drawRoundedRect(QRectF(4, 14, 90, 50), 6, 6);
    p.setBrush(kDisplay);
    p.drawRoundedRect(QRectF(26, 22, 44, 18), 2, 2);
    p.setPen(QPen(kDark, 1));
    p.setFont(QFont("Sans", 7, QFont::Bold));
    p.drawText(QRectF(26, 22, 44, 18), Qt::AlignCenter, "PC CTRL");
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kBody);
    p.drawEllipse(QRectF(9, 22, 12, 12));
    p.drawEllipse(QRectF(9, 42, 12, 12));
    for (int i = 0; i < 4; ++i) p.drawRoundedRect(QRectF(26 + i * 11, 46, 9, 6), 1.5, 1.5);
    p.setBrush(QColor(0xd6, 0x2d, 0x20));
    p.drawRoundedRect(QRectF(75, 22, 13, 9), 2, 2);
    p.setBrush(kDark);
    p.drawRoundedRect(QRectF(98, 20, 14, 40), 6, 6);
    p.setBrush(Qt::NoBrush);
    QPainterPath cord;
    cord.moveTo(105, 60);
    cord.cubicTo(105, 76, 90, 78, 80, 64);
    p.drawPath(cord);
  });
}

// A desktop PC: the monitor on its stand and the keyboard.
QPixmap ComputerPicture(qreal scale) {
  return Draw({112, 96}, scale, [](QPainter& p) {
    p.setBrush(kBody);
    p.drawRoundedRect(QRectF(8, 4, 96, 62), 5, 5);
    p.setBrush(kScreen);
    p.drawRect(QRectF(15, 10, 82, 48));
    p.setBrush(kBody);
    p.drawRect(QRectF(48, 66, 16, 10));
    p.drawRoundedRect(QRectF(32, 76, 48, 5), 2, 2);
    p.drawRoundedRect(QRectF(14, 84, 84, 10), 2, 2);
    p.setPen(QPen(kOutline, 0.8));
    for (int i = 1; i < 12; ++i) p.drawLine(QPointF(14 + i * 7, 85), QPointF(14 + i * 7, 93));
  });
}

QPixmap CablePicture(qreal scale) {
  return Draw({96, 24}, scale, [](QPainter& p) {
    p.setPen(QPen(kOutline, 2, Qt::DashLine));
    p.drawLine(QPointF(4, 12), QPointF(80, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawPolygon(QPolygonF({QPointF(78, 4), QPointF(94, 12), QPointF(78, 20)}));
  });
}

}  // namespace kol::editor
