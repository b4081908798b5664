// The one table of pages: which panel shows which kinds of node, and how it is made. A new
// page is a new row; the window creates each panel the first time one of its nodes is shown.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "editor/page.h"

namespace kol::editor {

struct PageRow {
  const char* panel;             // the panel's objectName ("pictGeneral")
  std::vector<PageKind> kinds;   // the nodes it shows
  std::function<Page*(EditorServices&, QWidget* parent)> make;
};

std::span<const PageRow> PageTable();

}  // namespace kol::editor
