// The window's pieces on a screen set to a fractional scale (1.5), where a logical pixel
// does not fall on whole device pixels; the program's own style, as the program sets it.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

#include "editor/whole_pixel_style.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("QT_SCALE_FACTOR", "1.5", 1);
  QApplication app(argc, argv);
  kol::editor::UseWholePixelStyle();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
