#include "editor/widgets/fixed_pitch_font.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace kol::editor {

QFont FixedPitchFont() {
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (QFontInfo(font).fixedPitch()) return font;
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace kol::editor
