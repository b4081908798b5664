// The program's icon: a handheld radio on a sea-blue tile, drawn at any size when a size
// is first asked for. Windows of the program take it from the application.
#pragma once

#include <QIcon>

namespace kol::editor {

QIcon ApplicationIcon();

}  // namespace kol::editor
