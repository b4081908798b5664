// The font of the listings (report text, hex view): "Courier New" where the system has it,
// else the system's own fixed-pitch font, so that columns stand under each other.
#pragma once

#include <QFont>

namespace kol::editor {

QFont FixedPitchFont();

}  // namespace kol::editor
