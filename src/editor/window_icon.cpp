#include "editor/window_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

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

// An icon whose pictures are made when a size of it is first asked for (in device pixels):
// `make` gives the icon that serves that size, and it is kept for the next time.
class LazyIconEngine final : public QIconEngine {
 public:
  using Maker = std::function<QIcon(QSize size)>;
  LazyIconEngine(QString key, Maker make, QList<QSize> sizes)
      : key_(std::move(key)), make_(std::move(make)), sizes_(std::move(sizes)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : qApp->devicePixelRatio();
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return For(size).pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return For(size).actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }
  QIconEngine* clone() const override { return new LazyIconEngine(*this); }
  QString key() const override { return key_; }

 private:
  const QIcon& For(const QSize& size) {
    const QSize asked = size.expandedTo(QSize(1, 1));
    auto found = made_.find(std::pair(asked.width(), asked.height()));
    if (found == made_.end()) found = made_.emplace(std::pair(asked.width(), asked.height()), make_(asked)).first;
    return found->second;
  }

  QString key_;
  Maker make_;
  QList<QSize> sizes_;
  std::map<std::pair<int, int>, QIcon> made_;
};

// The style's pictures of the toolbar's icons: the icon theme's, when the desktop has one
// that holds the icon, else Qt's own images, one file per size.
struct StylePicture {
  QStyle::StandardPixmap which;
  const char* themeName;
  const char* file;  // Qt's image "<file>-<side>.png"
};

constexpr StylePicture kStylePictures[] = {
    {QStyle::SP_FileIcon, "text-x-generic", "file"},
    {QStyle::SP_DialogOpenButton, "folder-open", "standardbutton-open"},
    {QStyle::SP_DialogSaveButton, "document-save", "standardbutton-save"},
    {QStyle::SP_FileDialogDetailedView, "view-list-details", "viewdetailed"},
    {QStyle::SP_ArrowUp, "go-up", "up"},
    {QStyle::SP_ArrowDown, "go-down", "down"},
};
constexpr int kStyleImageSides[] = {16, 32, 128};

// The side of the image Qt scales to `size`: the smallest that covers it, else the largest.
int ImageSideFor(const QSize& size) {
  const int area = size.width() * size.height();
  for (int side : kStyleImageSides) {
    if (side * side >= area) return side;
  }
  return kStyleImageSides[std::size(kStyleImageSides) - 1];
}

QIcon StylePictureFor(const StylePicture& picture, const QSize& size) {
  if (QGuiApplication::desktopSettingsAware() && !QIcon::themeName().isEmpty()) {
    QIcon themed = QIcon::fromTheme(picture.themeName);
    if (!themed.isNull()) return themed;
  }
  const int side = ImageSideFor(size);
  QIcon image;
  image.addFile(QString(":/qt-project.org/styles/commonstyle/images/%1-%2.png").arg(picture.file).arg(side),
                QSize(side, side));
  // A Qt without these images: the style's icon as it comes.
  return image.isNull() ? QApplication::style()->standardIcon(picture.which) : image;
}

}  // namespace

QIcon ApplicationIcon() {
  // The sizes a window manager takes for a window's icon.
  return QIcon(new LazyIconEngine(
      "kolprog", [](QSize size) { return QIcon(IconPixmap(std::min(size.width(), size.height()))); },
      {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
}

QIcon StyleIcon(QStyle::StandardPixmap which) {
  const auto* picture = std::find_if(std::begin(kStylePictures), std::end(kStylePictures),
                                     [which](const StylePicture& row) { return row.which == which; });
  if (picture == std::end(kStylePictures)) return QApplication::style()->standardIcon(which);
  QList<QSize> sizes;
  for (int side : kStyleImageSides) sizes.append(QSize(side, side));
  return QIcon(new LazyIconEngine(
      picture->themeName, [picture](QSize size) { return StylePictureFor(*picture, size); }, sizes));
}

}  // namespace kol::editor
