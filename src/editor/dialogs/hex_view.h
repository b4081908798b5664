// The debug hex view lstHex: the image as a listing of 16 bytes a line, above the pages. It
// is a snapshot taken when it is switched on, not refreshed when the image changes.
#pragma once

#include <QListWidget>

#include "model/radio_image.h"

namespace kol::editor {

class HexView final : public QListWidget {
  Q_OBJECT
 public:
  explicit HexView(QWidget* parent = nullptr);
  // FillHexView: the listing of `image` while the view is shown, nothing while hidden.
  void Fill(const RadioImage& image);
  QSize sizeHint() const override;
};

}  // namespace kol::editor
