// The transfer dialog's two illustrations, drawn by the program: the radio and the PC, with
// the cable between them pointing the way the data goes.
#pragma once

#include <QPixmap>

namespace kol::editor {

// Each picture at `scale` device pixels per logical pixel (HiDPI screens).
QPixmap RadioPicture(qreal scale);
QPixmap ComputerPicture(qreal scale);
// The cable with an arrow from left to right.
QPixmap CablePicture(qreal scale);

}  // namespace kol::editor
