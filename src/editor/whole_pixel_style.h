// The program's style: the desktop's own, except that rectangular frames (lists, trees, text
// areas, panels, the tab pane) are laid on whole device pixels when the screen's scale is
// fractional (1.25, 1.5 …). There a one-pixel line falls between device pixels: half of it
// lies outside the widget or under its viewport, and the line is lost on some sides.
#pragma once

#include <QProxyStyle>

namespace kol::editor {

class WholePixelStyle final : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

 private:
  QImage FrameAtOnePixel(PrimitiveElement element, const QStyleOption& option, const QWidget* widget) const;
};

// Makes WholePixelStyle the application's style; once, after the application object exists.
void UseWholePixelStyle();

}  // namespace kol::editor
