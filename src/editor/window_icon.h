// The program's icon: a handheld radio on a sea-blue tile, drawn at any size.
#pragma once

#include <QIcon>

namespace kol::editor {

QIcon ApplicationIcon();

}  // namespace kol::editor
