// The program's icons, each made only for the sizes a window asks for, when it asks: the
// program's own icon (a handheld radio on a sea-blue tile, drawn at any size; windows take
// it from the application) and the toolbar's icons (the style's own pictures).
#pragma once

#include <QIcon>
#include <QStyle>

namespace kol::editor {

QIcon ApplicationIcon();

// The icon the style gives for `which`, as QStyle::standardIcon gives it, but without
// decoding every size of its pictures before one is shown.
QIcon StyleIcon(QStyle::StandardPixmap which);

}  // namespace kol::editor
