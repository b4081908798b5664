#include "editor/dialogs/hex_view.h"

#include <QApplication>

#include "editor/widgets/fixed_pitch_font.h"
#include "files/hex_listing.h"

namespace kol::editor {
namespace {

constexpr int kShownLines = 12;

}  // namespace

HexView::HexView(QWidget* parent) : QListWidget(parent) {
  setObjectName("lstHex");
  setFont(FixedPitchFont());
  setUniformItemSizes(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void HexView::Fill(const RadioImage& image) {
  clear();
  if (isHidden()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QStringList lines;
  for (const std::string& line : HexListing(image)) lines << QString::fromStdString(line);
  addItems(lines);
  QApplication::restoreOverrideCursor();
}

QSize HexView::sizeHint() const {
  const int lines = kShownLines * fontMetrics().lineSpacing() + 2 * frameWidth();
  return {QListWidget::sizeHint().width(), lines};
}

}  // namespace kol::editor
