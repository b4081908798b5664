// Frames at scale 1.5: every side of a list, a tree, a panel and the tab pane keeps its
// line, wherever the widget stands (on a whole device pixel or between two).
#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "editor/widgets/list_grid.h"
#include "model/document.h"

namespace kol::test {
namespace {

constexpr qreal kScale = 1.5;

struct FramedCase {
  const char* name;
  std::function<QWidget*(QWidget& parent)> make;
  // The framed rectangle in the widget's own coordinates.
  std::function<QRect(const QWidget& widget)> frameOf = [](const QWidget& w) { return w.rect(); };
};

void PrintTo(const FramedCase& c, std::ostream* out) { *out << c.name; }

// Whether a line darker than the window crosses the outer two logical pixels of a side,
// walking inward from `edge` (a point on the side, in logical pixels).
bool LineAcross(const QImage& picture, QPointF edge, QPointF inward, int windowGray) {
  for (qreal devicePixels = 0; devicePixels < 2 * kScale; devicePixels += 0.5) {
    const QPoint at = (edge * kScale + inward * devicePixels).toPoint();
    if (picture.rect().contains(at) && qGray(picture.pixel(at)) < windowGray - 30) return true;
  }
  return false;
}

class FrameTest : public ::testing::TestWithParam<FramedCase> {};

TEST_P(FrameTest, EverySideKeepsItsLine) {
  ASSERT_EQ(qApp->devicePixelRatio(), kScale);
  for (const int offset : {10, 11}) {  // 15 and 16.5 device pixels
    QWidget parent;
    parent.resize(400, 240);
    QWidget* framed = GetParam().make(parent);
    framed->setGeometry(offset, offset, 300 + offset, 160 + offset);
    parent.show();
    const QImage picture = parent.grab().toImage();
    const int windowGray = qGray(parent.palette().color(QPalette::Window).rgb());
    const QRectF frame = QRectF(GetParam().frameOf(*framed).translated(framed->pos()));
    const QPointF middle = frame.center();
    SCOPED_TRACE("at " + std::to_string(offset));
    EXPECT_TRUE(LineAcross(picture, {frame.left(), middle.y()}, {1, 0}, windowGray)) << "left";
    EXPECT_TRUE(LineAcross(picture, {middle.x(), frame.top()}, {0, 1}, windowGray)) << "top";
    EXPECT_TRUE(LineAcross(picture, {frame.right(), middle.y()}, {-1, 0}, windowGray)) << "right";
    EXPECT_TRUE(LineAcross(picture, {middle.x(), frame.bottom()}, {0, -1}, windowGray)) << "bottom";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Widgets, FrameTest,
    ::testing::Values(
        FramedCase{"Tree", [](QWidget& p) { return new QTreeWidget(&p); }},
        FramedCase{"ListGrid",
                   [](QWidget& p) {
                     static const Document document;  // the frame draws the same for any rows
                     return new editor::ListGrid(document, &p);
                   }},
        FramedCase{"Panel",
                   [](QWidget& p) {
                     auto* panel = new QFrame(&p);
                     panel->setFrameShape(QFrame::StyledPanel);
                     return panel;
                   }},
        FramedCase{"TabPane",
                   [](QWidget& p) {
                     auto* tabs = new QTabWidget(&p);
                     tabs->addTab(new QLabel, "Basic Setup");
                     return tabs;
                   },
                   [](const QWidget& w) {
                     // The pane: around the page, below the tabs.
                     const QWidget* page = static_cast<const QTabWidget&>(w).currentWidget();
                     return QRect(page->mapTo(&w, QPoint(0, 0)), page->size()).adjusted(-2, -2, 2, 2);
                   }}),
    [](const ::testing::TestParamInfo<FramedCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kol::test
