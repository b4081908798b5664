// A page of the main window: a panel that shows part of the document for the selected
// tree node, writes edits straight through to the document and says whether it may be left.
#pragma once

#include <QWidget>

#include "editor/editor_services.h"
#include "editor/node_table.h"

namespace kol::editor {

class Page : public QWidget {
  Q_OBJECT
 public:
  Page(EditorServices& services, QWidget* parent) : QWidget(parent), services_(services) {}

  // Fills the page from the document for `target`; runs every time its node is selected,
  // under the update lock, so nothing the controls fire meanwhile counts as an edit.
  virtual void ShowFor(const NodeTarget& target) = 0;
  // The check before the page is left: false keeps the user on the page (the page has
  // shown its message and put the focus where the fault is).
  virtual bool Validate() { return true; }

 protected:
  EditorServices& services_;
};

}  // namespace kol::editor
